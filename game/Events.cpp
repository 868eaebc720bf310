// The day's news: applications, lost subscribers, spy reports, staff and
// public letters, equipment proposals. Each rule draws its test first,
// then its own values, and the letter's draws come last.
#include "Amounts.h"
#include "Game.h"
#include "Letters.h"

namespace dzwonex {

namespace {

const char* const kSdiTitle = "Podanie o SDI";
const char* const kSdiPlain =
    "Uprzejmie proszę o rozpatrzenie mojej prośby o instalację stałego łącza do Internetu typu SDI.";
const char* const kSdiEnvelope =
    "Uprzejmie proszę o pozytywne rozpatrzenie mojej prośby o instalację stałego łącza do Internetu typu SDI.";
const char* const kSdiQuestion = "Czy chcesz odłączyć temu abonentowi SDI?";

const char* const kNeoTitle = "Podanie o Neostradę";
const char* const kNeoPlain =
    "Uprzejmie proszę o rozpatrzenie mojej prośby o instalację stałego łącza do Internetu typu Neostrada.";
const char* const kNeoEnvelope =
    "Uprzejmie proszę o pozytywne rozpatrzenie mojej prośby o instalację stałego łącza do Internetu typu "
    "Neostrada.";
const char* const kNeoQuestion = "Czy chcesz odłączyć temu abonentowi Neostradę?";

const char* const kPolpakTitle = "Podanie o Polpak-T";
const char* const kPolpakPlain =
    "Uprzejmie proszę o rozpatrzenie mojej prośby o instalację szerokopasmowego łącza do Internetu typu "
    "Polpak-T.";
const char* const kPolpakEnvelope =
    "Uprzejmie proszę o pozytywne rozpatrzenie mojej prośby o instalację szerokopasmowego łącza do Internetu "
    "typu Polpak-T.";

const char* const kSpyTitle = "Odłączenie abonenta";

const char* const kRaiseNote =
    "Jako pracownicy najlepszej na świecie firmy telekomunikacyjnej żądamy podwyżki!";
const char* const kQualityUpNote =
    "Wielu naszych abonentów narzeka ostatnio na jakość łączy internetowych, zrywane płączenia, prędkość "
    "transmisji itp. Czy chcesz zmodernizować sprzęt?";
const char* const kQualityDownNote =
    "Wprawdzie nasi abonenci są zadowoleni z jakości naszych łączy, ale na ich utrzymanie potrzeba bardzo "
    "wiele pieniędzy. Czy chcesz obniżyć koszty utrzymania sprzętu?";
const char* const kExchangeNote =
    "Jedna z naszych central jest bardzo stara i powolna. Czy chcesz ją zmodernizować?";
const char* const kBranchNote =
    "Wpadliśmy ze Zbyszkiem na pomysł, żeby założyć nowy oddział naszej firmy. Czy dostaniemy twoje "
    "pozwolenie?";
const char* const kIdleExchangeNote =
    "Jedna z naszych central jest nało używana i praktycznie niepotrzebna. Czy chcesz ją zamknąć?";
const char* const kHighCostNote =
    "Koszty utrzymania nowoczesnego sprzętu i modernizacji starego są bardzo wysokie. Czy chcesz zmniejszyć "
    "środki na sprzęt?";

}  // namespace

// The loss rule shared by SDI and Neostrada: k subscribers leave when k < 0.
static void LoseSubscribers(TGame& game, int32_t kind, double k) {
    const int32_t loss = RoundToInt32(k);
    for (int64_t i = 0; i < -static_cast<int64_t>(loss); ++i) {
        const int32_t n = game.Count(kind);
        if (n == 0) break;
        game.RemoveSubscriberAt(kind, game.Rng().Random(n));
    }
}

void TGame::SdiEvents() {
    using namespace letters;
    const double O = FOpinion, Q = FQuality;
    double r = FRandom->RandomReal();
    if (O / 10 - Q / 10 - 8 * r + Count(skPhone) / 1000.0 + Count(skIsdn) / 1000.0 > 0) {
        TSprawa& c = AppendCase();
        c.Kind = ckSdiRequest;
        c.Title = kSdiTitle;
        c.Body = ApplicationLetter(*FRandom, kSdiPlain);
        ShowCurrentCase();
    }
    r = FRandom->RandomReal();
    if (-O / 10 + Q / 10 - 8 * r + Count(skPhone) / 1000.0 + Count(skIsdn) / 1000.0 > 0) {
        TSprawa& c = AppendCase();
        c.Kind = ckSdiBribe;
        c.Param = 100 + FRandom->Random(1000);
        c.Title = kSdiTitle;
        c.Body = EnvelopeLetter(*FRandom, kSdiEnvelope, c.Param);
        ShowCurrentCase();
    }
    r = FRandom->RandomReal();
    LoseSubscribers(*this, skSdi, O / 10 + Q / 10 - r + Count(skSdi) / 1000.0);
    if (FRandom->Random(256) < Count(skSdi)) {
        TSprawa& c = AppendCase();
        c.Kind = ckSpyReport;
        c.Param = 1 + FRandom->Random(4);
        c.Param2 = skSdi;
        c.Title = kSpyTitle;
        c.Body = SpyReportMemo(*FRandom, kSdiQuestion);
        ShowCurrentCase();
    }
}

void TGame::NeostradaEvents() {
    using namespace letters;
    const double O = FOpinion, Q = FQuality;
    double r = FRandom->RandomReal();
    if (O / 10 - Q / 10 - 16 * r + Count(skPhone) / 1000.0 + Count(skIsdn) / 1000.0 + Count(skSdi) / 100.0 > 0) {
        TSprawa& c = AppendCase();
        c.Kind = ckNeostradaRequest;
        c.Title = kNeoTitle;
        c.Body = ApplicationLetter(*FRandom, kNeoPlain);
        ShowCurrentCase();
    }
    r = FRandom->RandomReal();
    if (-O / 10 + Q / 10 - 16 * r + Count(skPhone) / 1000.0 + Count(skIsdn) / 1000.0 + Count(skSdi) / 100.0 > 0) {
        TSprawa& c = AppendCase();
        c.Kind = ckNeostradaBribe;
        c.Param = 200 + FRandom->Random(2000);
        c.Title = kNeoTitle;
        c.Body = EnvelopeLetter(*FRandom, kNeoEnvelope, c.Param);
        ShowCurrentCase();
    }
    r = FRandom->RandomReal();
    LoseSubscribers(*this, skNeostrada, O / 10 + Q / 10 - r + Count(skNeostrada) / 1000.0);
    if (FRandom->Random(128) < Count(skNeostrada)) {
        TSprawa& c = AppendCase();
        c.Kind = ckSpyReport;
        c.Param = 1 + FRandom->Random(6);
        c.Param2 = skNeostrada;
        c.Title = kSpyTitle;
        c.Body = SpyReportMemo(*FRandom, kNeoQuestion);
        ShowCurrentCase();
    }
}

void TGame::PolpakEvents() {
    using namespace letters;
    const double O = FOpinion, Q = FQuality;
    double r = FRandom->RandomReal();
    if (O / 10 + Q / 10 - 32 * r > 0) {
        TSprawa& c = AppendCase();
        c.Kind = ckPolpakRequest;
        c.Title = kPolpakTitle;
        c.Body = InstitutionLetter(*FRandom, kPolpakPlain);
        ShowCurrentCase();
    }
    r = FRandom->RandomReal();
    if (Q / 10 - 32 * r > 0) {
        TSprawa& c = AppendCase();
        c.Kind = ckPolpakBribe;
        c.Param = 1000 + FRandom->Random(10000);
        c.Title = kPolpakTitle;
        c.Body = InstitutionEnvelopeLetter(*FRandom, kPolpakEnvelope, c.Param);
        ShowCurrentCase();
    }
    if (FRandom->Random(100) == 0 && Count(skPolpak) > 0)
        RemoveSubscriberAt(skPolpak, FRandom->Random(Count(skPolpak)));
}

void TGame::RaiseDemand() {
    if (FRandom->Random(64) == 0) {
        TSprawa& c = AppendCase();
        c.Kind = ckRaise;
        c.Title = "Podwyżka";
        c.Body = letters::StaffNote(*FRandom, kRaiseNote);
        ShowCurrentCase();
    }
}

void TGame::OpinionLetters() {
    using namespace letters;
    if (FOpinion > 0 && FRandom->Random(32) == 0) {
        AddOpinion(FRandom->RandomReal());
        TSprawa& c = AppendCase();
        c.Kind = ckInfo;
        c.Title = "Pozdrowienia dla firmy";
        c.Body = OpinionLetter(*FRandom, Opinion::Praise);
        ShowCurrentCase();
    }
    // Reads the opinion after the praise letter.
    if (FOpinion < 0 && FRandom->Random(32) == 0) {
        AddOpinion(-FRandom->RandomReal());
        TSprawa& c = AppendCase();
        c.Kind = ckInfo;
        c.Title = "Bluzgi";
        c.Body = OpinionLetter(*FRandom, Opinion::Insult);
        ShowCurrentCase();
    }
}

void TGame::QualityProposals() {
    using namespace letters;
    auto propose = [this](double scale, const char* title, const char* note) {
        TSprawa& c = AppendCase();
        c.Kind = ckQuality;
        c.Param = RoundToInt32(scale * FRandom->RandomReal());
        c.Title = title;
        c.Body = StaffNote(*FRandom, note);
        ShowCurrentCase();
    };
    if (FQuality > 0 && FRandom->Random(48) == 0) propose(5, "Jakość łączy", kQualityUpNote);
    if (FQuality < 0 && FRandom->Random(48) == 0) propose(-5, "Bluzgi", kQualityDownNote);
    if (FRandom->Random(48) == 0) {
        TSprawa& c = AppendCase();
        c.Kind = ckQuality;
        c.Param = RoundToInt32(5 * FRandom->RandomReal());
        const bool branch = FRandom->Random(2) == 1;
        c.Title = branch ? "Nowy oddział" : "Centrala";
        c.Body = StaffNote(*FRandom, branch ? kBranchNote : kExchangeNote);
        ShowCurrentCase();
    }
    if (FRandom->Random(48) == 0) {
        TSprawa& c = AppendCase();
        c.Kind = ckQuality;
        c.Param = RoundToInt32(-5 * FRandom->RandomReal());
        const bool costs = FRandom->Random(2) == 1;
        c.Title = costs ? "Wysokie koszty" : "Niepotrzebna centrala";
        c.Body = StaffNote(*FRandom, costs ? kHighCostNote : kIdleExchangeNote);
        ShowCurrentCase();
    }
}

}  // namespace dzwonex
