#include "Letters.h"

#include <array>

#include "Amounts.h"

namespace dzwonex::letters {

namespace {

constexpr std::array kFirstNames = {
    "Maciej", "Adam", "Tomasz", "Grzegorz", "Dariusz", "Bartosz", "Zbyszek", "Zenon", "Ferdynand",
};

constexpr std::array kSurnames = {
    "Kowalski", "Nowak", "Kiepski", "Badziewiak", "Spendrakowski", "Sraczka", "Burak", "Mąciwoda", "Moczymorda",
};

template <size_t N>
std::string Pick(RandomSource& rng, const std::array<const char*, N>& pool) {
    return pool[static_cast<size_t>(rng.Random(static_cast<int32_t>(N)))];
}

const char* const kBlank = "\r\n\r\n";
const char* const kLine = "\r\n";
std::string Envelope(const TextCatalogue& t, int32_t amount) {
    return Fill(t.envelope, {FormatMoney(amount, t.language)});
}

}  // namespace

std::string RandomGreeting(const TextCatalogue& t, RandomSource& rng) { return Pick(rng, t.greetings); }
std::string RandomMotivation(const TextCatalogue& t, RandomSource& rng) { return Pick(rng, t.motivations); }
std::string RandomClosing(const TextCatalogue& t, RandomSource& rng) { return Pick(rng, t.closings); }
std::string RandomCompanyName(const TextCatalogue& t, RandomSource& rng) { return Pick(rng, t.companies); }
std::string RandomSpyReport(const TextCatalogue& t, RandomSource& rng) { return Pick(rng, t.spyReports); }
std::string RandomInsult(const TextCatalogue& t, RandomSource& rng) { return Pick(rng, t.insults); }
std::string RandomPraise(const TextCatalogue& t, RandomSource& rng) { return Pick(rng, t.praises); }

std::string RandomPersonName(RandomSource& rng) {
    std::string first = Pick(rng, kFirstNames);
    std::string last = Pick(rng, kSurnames);
    return first + " " + last;
}

std::string ApplicationLetter(const TextCatalogue& t, RandomSource& rng, const std::string& request) {
    const std::string greeting = RandomGreeting(t, rng);
    const std::string motivation = RandomMotivation(t, rng);
    const std::string closing = RandomClosing(t, rng);
    const std::string name = RandomPersonName(rng);
    return greeting + kBlank + request + kBlank + motivation + kBlank + closing + kLine + name;
}

std::string EnvelopeLetter(const TextCatalogue& t, RandomSource& rng, const std::string& request, int32_t amount) {
    const std::string greeting = RandomGreeting(t, rng);
    const std::string motivation = RandomMotivation(t, rng);
    const std::string closing = RandomClosing(t, rng);
    const std::string name = RandomPersonName(rng);
    return greeting + kBlank + request + kBlank + motivation + kBlank + Envelope(t, amount) + kBlank + closing + kLine +
           name;
}

std::string InstitutionLetter(const TextCatalogue& t, RandomSource& rng, const std::string& request) {
    const std::string greeting = RandomGreeting(t, rng);
    const std::string closing = RandomClosing(t, rng);
    const std::string company = RandomCompanyName(t, rng);
    return greeting + kBlank + request + kBlank + closing + kLine + company;
}

std::string InstitutionEnvelopeLetter(const TextCatalogue& t, RandomSource& rng, const std::string& request,
                                      int32_t amount) {
    const std::string greeting = RandomGreeting(t, rng);
    const std::string closing = RandomClosing(t, rng);
    const std::string company = RandomCompanyName(t, rng);
    return greeting + kBlank + request + kBlank + Envelope(t, amount) + kBlank + closing + kLine + company;
}

std::string SpyReportMemo(const TextCatalogue& t, RandomSource& rng, const std::string& question) {
    const std::string greeting = RandomGreeting(t, rng);
    const std::string report = RandomSpyReport(t, rng);
    return greeting + kBlank + report + kBlank + question;
}

std::string StaffNote(const TextCatalogue& t, RandomSource& rng, const std::string& sentence) {
    return RandomGreeting(t, rng) + kBlank + sentence;
}

std::string OpinionLetter(const TextCatalogue& t, RandomSource& rng, Opinion pool) {
    // The signer is drawn first but signs last.
    const int32_t signer = rng.Random(5);
    const std::string greeting = RandomGreeting(t, rng);
    const std::string paragraph = pool == Opinion::Praise ? RandomPraise(t, rng) : RandomInsult(t, rng);
    const std::string signature = signer == 0 ? RandomPersonName(rng) : RandomCompanyName(t, rng);
    return greeting + kBlank + paragraph + kBlank + signature;
}

}  // namespace dzwonex::letters
