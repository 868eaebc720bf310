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

const char* const kRaiseNote = "Jako pracownicy najlepszej na świecie firmy telekomunikacyjnej żądamy podwyżki!";
const char* const kQualityUpNote =
    "Wielu naszych abonentów narzeka ostatnio na jakość łączy internetowych, zrywane płączenia, prędkość "
    "transmisji itp. Czy chcesz zmodernizować sprzęt?";
const char* const kQualityDownNote =
    "Wprawdzie nasi abonenci są zadowoleni z jakości naszych łączy, ale na ich utrzymanie potrzeba bardzo "
    "wiele pieniędzy. Czy chcesz obniżyć koszty utrzymania sprzętu?";
const char* const kExchangeNote = "Jedna z naszych central jest bardzo stara i powolna. Czy chcesz ją zmodernizować?";
const char* const kBranchNote =
    "Wpadliśmy ze Zbyszkiem na pomysł, żeby założyć nowy oddział naszej firmy. Czy dostaniemy twoje "
    "pozwolenie?";
const char* const kIdleExchangeNote =
    "Jedna z naszych central jest nało używana i praktycznie niepotrzebna. Czy chcesz ją zamknąć?";
const char* const kHighCostNote =
    "Koszty utrzymania nowoczesnego sprzętu i modernizacji starego są bardzo wysokie. Czy chcesz zmniejszyć "
    "środki na sprzęt?";

}  // namespace

namespace {

// SDI and Neostrada run the same four rules with their own constants.
struct LineRules {
    int32_t kind;          // the subscriber kind the rules are about
    double chanceDivisor;  // 8 for SDI, 16 for Neostrada
    bool sdiRaisesDemand;  // Neostrada demand also grows with the SDI lines
    int32_t requestKind, bribeKind;
    int32_t envelopeBase, envelopeSpread;
    const char* title;
    const char* plainSentence;
    const char* envelopeSentence;
    int32_t spyOdds;     // a spy report comes when Random(spyOdds) < count
    int32_t spyWeights;  // the report's weight is 1 + Random(spyWeights)
    const char* spyQuestion;
};

const LineRules kSdiRules = {skSdi,     8,         false,        ckSdiRequest, ckSdiBribe, 100,         1000,
                             kSdiTitle, kSdiPlain, kSdiEnvelope, 256,          4,          kSdiQuestion};
const LineRules kNeostradaRules = {skNeostrada, 16,   true,        ckNeostradaRequest, ckNeostradaBribe,
                                   200,         2000, kNeoTitle,   kNeoPlain,          kNeoEnvelope,
                                   128,         6,    kNeoQuestion};

// Demand for the line among phone and ISDN subscribers, evaluated left to right.
double Demand(const TGame& game, double opinionPart, double qualityPart, double r, const LineRules& rules) {
    double x = opinionPart + qualityPart - rules.chanceDivisor * r + game.Count(skPhone) / 1000.0 +
               game.Count(skIsdn) / 1000.0;
    if (rules.sdiRaisesDemand) x = x + game.Count(skSdi) / 100.0;
    return x;
}

void LineEvents(TGame& game, const LineRules& rules) {
    using namespace letters;
    RandomSource& rng = game.Rng();
    const double O = game.FOpinion, Q = game.FQuality;

    double r = rng.RandomReal();
    if (Demand(game, O / 10, -Q / 10, r, rules) > 0) {
        TSprawa& c = game.AppendCase();
        c.Kind = rules.requestKind;
        c.Title = rules.title;
        c.Body = ApplicationLetter(rng, rules.plainSentence);
        game.ShowCurrentCase();
    }
    r = rng.RandomReal();
    if (Demand(game, -O / 10, Q / 10, r, rules) > 0) {
        TSprawa& c = game.AppendCase();
        c.Kind = rules.bribeKind;
        c.Param = rules.envelopeBase + rng.Random(rules.envelopeSpread);
        c.Title = rules.title;
        c.Body = EnvelopeLetter(rng, rules.envelopeSentence, c.Param);
        game.ShowCurrentCase();
    }
    // Lost subscribers: k rounds half to even, and each of the -k removals
    // happens only while somebody is left.
    r = rng.RandomReal();
    const int32_t k = RoundToInt32(O / 10 + Q / 10 - r + game.Count(rules.kind) / 1000.0);
    if (k < 0) game.DriftSubscribers(rules.kind, k);
    if (rng.Random(rules.spyOdds) < game.Count(rules.kind)) {
        TSprawa& c = game.AppendCase();
        c.Kind = ckSpyReport;
        c.Param = 1 + rng.Random(rules.spyWeights);
        c.Param2 = rules.kind;
        c.Title = kSpyTitle;
        c.Body = SpyReportMemo(rng, rules.spyQuestion);
        game.ShowCurrentCase();
    }
}

}  // namespace

void TGame::SdiEvents() { LineEvents(*this, kSdiRules); }

void TGame::NeostradaEvents() { LineEvents(*this, kNeostradaRules); }

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
