#include "Letters.h"

#include <array>

#include "Amounts.h"

namespace dzwonex::letters {

namespace {

constexpr std::array kGreetings = {
    "Panie kierowniku.", "Szanowny panie kierowniku.", "Panie dyrektorze.", "Szanowny panie dyrektorze.",
    "Panie prezesie.",   "Szanowny panie prezesie.",   "Szefie!",
};

constexpr std::array kMotivations = {
    "Prośbę swą motywuję tym, że stałe łącze potrzebne jest mojemu synowi do nauki ;)",
    "Prośbę swą motywuję tym, że stałe łącze potrzebne jest mojej córce do nauki ;)",
    "Prośbę swą motywuję tym, że od czasu do czasu chciałbym sobie ściągnąć parę obrazków albo filmików.",
    "Prośbę swą motywuję tym, że kupiłem sobie duży dysk i muszę sobie coś pościągać żeby go zapchać.",
    "Prośbę swą motywuję tym, iż zawsze marzyłem o tym, żeby mieć Internet i fajnie byłoby go mieć :))",
};

constexpr std::array kFirstNames = {
    "Maciej", "Adam", "Tomasz", "Grzegorz", "Dariusz", "Bartosz", "Zbyszek", "Zenon", "Ferdynand",
};

constexpr std::array kSurnames = {
    "Kowalski", "Nowak", "Kiepski", "Badziewiak", "Spendrakowski", "Sraczka", "Burak", "Mąciwoda", "Moczymorda",
};

constexpr std::array kClosings = {"Pozdrawiam!", "Z wyrazami szacunku...", "Oczekuję na odpowiedź..."};

constexpr std::array kCompanies = {
    "Farma skakolotów",
    "Sklep monopolowy",
    "Agencja towarzyska \"Laska\"",
    "Stowarzyszenie niezadowolonych obywateli \"Cham\"",
    "Zarząd szaletów publicznych",
    "Przedsiębiorstwo wywozu nieczystości \"Bracia Strach\"",
};

constexpr std::array kSpyReports = {
    "Nasi szpiedzy odkryli, że jeden z abonentów bardzo zapycha łącze ściągając duże pliki.",
    "Nasi szpiedzy odkryli, że jeden z abonentów na okrągło ściąga filmy.",
    "Nasi szpiedzy odkryli, że jeden z abonentów ściąga dużo zbocznych obrazków, czym demoralizuje siebie i innych :)",
    "Nasi szpiedzy odkryli, że jeden z abonentów już od 10 lat nie płaci za telefon.",
};

constexpr std::array kInsults = {
    "Chciałem wam powiedzieć że jesteście do niczego, wasza firma jest głupia itp. itd. :))",
    "Chciałbym wyrazić moją opinię na temat waszej firmy. Oto ona:\r\nBłeeeeeeee\r\nJednym słowej jesteście do "
    "niczego.",
    "Jesteście głupia firma i nie lubię was !!!",
    "Jestem bardzo niezadowolony z polityki, jaką stosujecie wobec swoich abonentów.",
    "Jako szef jesteś do niczego.",
};

constexpr std::array kPraises = {
    "Muszę pochwalić was za bardzo słuszną politykę, jaką stosujecie wobez waszych abonentów.",
    "Jesteście bardzo fajną firmą i bardzo was lubię :)",
    "Pozdrowienia w imieniu zadowolonych abonentów z Lamerowa.",
    "Chciałem powiedzieć że jestem bardzo zadowolony ze świadczonych przez was usług.",
};

template <size_t N>
std::string Pick(RandomSource& rng, const std::array<const char*, N>& pool) {
    return pool[static_cast<size_t>(rng.Random(static_cast<int32_t>(N)))];
}

const char* const kBlank = "\r\n\r\n";
const char* const kLine = "\r\n";
const char* const kEnvelopeBefore = "Do podania dołączam kopertę z ";
const char* const kEnvelopeAfter = " zł licząc na Pana pomoc :)";

std::string Envelope(int32_t amount) { return kEnvelopeBefore + FormatAmount(amount) + kEnvelopeAfter; }

}  // namespace

std::string RandomGreeting(RandomSource& rng) { return Pick(rng, kGreetings); }
std::string RandomMotivation(RandomSource& rng) { return Pick(rng, kMotivations); }
std::string RandomClosing(RandomSource& rng) { return Pick(rng, kClosings); }
std::string RandomCompanyName(RandomSource& rng) { return Pick(rng, kCompanies); }
std::string RandomSpyReport(RandomSource& rng) { return Pick(rng, kSpyReports); }
std::string RandomInsult(RandomSource& rng) { return Pick(rng, kInsults); }
std::string RandomPraise(RandomSource& rng) { return Pick(rng, kPraises); }

std::string RandomPersonName(RandomSource& rng) {
    std::string first = Pick(rng, kFirstNames);
    std::string last = Pick(rng, kSurnames);
    return first + " " + last;
}

std::string ApplicationLetter(RandomSource& rng, const std::string& request) {
    const std::string greeting = RandomGreeting(rng);
    const std::string motivation = RandomMotivation(rng);
    const std::string closing = RandomClosing(rng);
    const std::string name = RandomPersonName(rng);
    return greeting + kBlank + request + kBlank + motivation + kBlank + closing + kLine + name;
}

std::string EnvelopeLetter(RandomSource& rng, const std::string& request, int32_t amount) {
    const std::string greeting = RandomGreeting(rng);
    const std::string motivation = RandomMotivation(rng);
    const std::string closing = RandomClosing(rng);
    const std::string name = RandomPersonName(rng);
    return greeting + kBlank + request + kBlank + motivation + kBlank + Envelope(amount) + kBlank + closing + kLine +
           name;
}

std::string InstitutionLetter(RandomSource& rng, const std::string& request) {
    const std::string greeting = RandomGreeting(rng);
    const std::string closing = RandomClosing(rng);
    const std::string company = RandomCompanyName(rng);
    return greeting + kBlank + request + kBlank + closing + kLine + company;
}

std::string InstitutionEnvelopeLetter(RandomSource& rng, const std::string& request, int32_t amount) {
    const std::string greeting = RandomGreeting(rng);
    const std::string closing = RandomClosing(rng);
    const std::string company = RandomCompanyName(rng);
    return greeting + kBlank + request + kBlank + Envelope(amount) + kBlank + closing + kLine + company;
}

std::string SpyReportMemo(RandomSource& rng, const std::string& question) {
    const std::string greeting = RandomGreeting(rng);
    const std::string report = RandomSpyReport(rng);
    return greeting + kBlank + report + kBlank + question;
}

std::string StaffNote(RandomSource& rng, const std::string& sentence) {
    return RandomGreeting(rng) + kBlank + sentence;
}

std::string OpinionLetter(RandomSource& rng, Opinion pool) {
    // The signer is drawn first but signs last.
    const int32_t signer = rng.Random(5);
    const std::string greeting = RandomGreeting(rng);
    const std::string paragraph = pool == Opinion::Praise ? RandomPraise(rng) : RandomInsult(rng);
    const std::string signature = signer == 0 ? RandomPersonName(rng) : RandomCompanyName(rng);
    return greeting + kBlank + paragraph + kBlank + signature;
}

}  // namespace dzwonex::letters
