// The day's news: applications, lost subscribers, spy reports, staff and
// public letters, equipment proposals. Each rule draws its test first,
// then its own values, and the letter's draws come last.
#include "Amounts.h"
#include "Company.h"
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

namespace {

const LineRules kSdiRules = {skSdi,     8,         false,        ckSdiRequest, ckSdiBribe, 100,         1000,
                             kSdiTitle, kSdiPlain, kSdiEnvelope, 256,          4,          kSdiQuestion};
const LineRules kNeostradaRules = {skNeostrada, 16,   true,        ckNeostradaRequest, ckNeostradaBribe,
                                   200,         2000, kNeoTitle,   kNeoPlain,          kNeoEnvelope,
                                   128,         6,    kNeoQuestion};

}  // namespace

void Company::LineEvents(const LineRules& rules) {
    using namespace letters;
    RandomSource& rng = *random_;
    const double O = opinion_, Q = quality_;
    // Demand for the line among phone and ISDN subscribers, evaluated left to right.
    auto demand = [&](double opinionPart, double qualityPart, double r) {
        double x =
            opinionPart + qualityPart - rules.chanceDivisor * r + Count(skPhone) / 1000.0 + Count(skIsdn) / 1000.0;
        if (rules.sdiRaisesDemand) x = x + Count(skSdi) / 100.0;
        return x;
    };

    double r = rng.RandomReal();
    if (demand(O / 10, -Q / 10, r) > 0) {
        Case& c = AppendCase();
        c.kind = rules.requestKind;
        c.title = rules.title;
        c.body = ApplicationLetter(rng, rules.plainSentence);
        ShowCurrentCase();
    }
    r = rng.RandomReal();
    if (demand(-O / 10, Q / 10, r) > 0) {
        Case& c = AppendCase();
        c.kind = rules.bribeKind;
        c.param = rules.envelopeBase + rng.Random(rules.envelopeSpread);
        c.title = rules.title;
        c.body = EnvelopeLetter(rng, rules.envelopeSentence, c.param);
        ShowCurrentCase();
    }
    // Lost subscribers: k rounds half to even, and each of the -k removals
    // happens only while somebody is left.
    r = rng.RandomReal();
    const int32_t k = RoundToInt32(O / 10 + Q / 10 - r + Count(rules.kind) / 1000.0);
    if (k < 0) DriftSubscribers(rules.kind, k);
    if (rng.Random(rules.spyOdds) < Count(rules.kind)) {
        Case& c = AppendCase();
        c.kind = ckSpyReport;
        c.param = 1 + rng.Random(rules.spyWeights);
        c.param2 = rules.kind;
        c.title = kSpyTitle;
        c.body = SpyReportMemo(rng, rules.spyQuestion);
        ShowCurrentCase();
    }
}

void Company::SdiEvents() { LineEvents(kSdiRules); }

void Company::NeostradaEvents() { LineEvents(kNeostradaRules); }

void Company::PolpakEvents() {
    using namespace letters;
    const double O = opinion_, Q = quality_;
    double r = random_->RandomReal();
    if (O / 10 + Q / 10 - 32 * r > 0) {
        Case& c = AppendCase();
        c.kind = ckPolpakRequest;
        c.title = kPolpakTitle;
        c.body = InstitutionLetter(*random_, kPolpakPlain);
        ShowCurrentCase();
    }
    r = random_->RandomReal();
    if (Q / 10 - 32 * r > 0) {
        Case& c = AppendCase();
        c.kind = ckPolpakBribe;
        c.param = 1000 + random_->Random(10000);
        c.title = kPolpakTitle;
        c.body = InstitutionEnvelopeLetter(*random_, kPolpakEnvelope, c.param);
        ShowCurrentCase();
    }
    if (random_->Random(100) == 0 && Count(skPolpak) > 0)
        RemoveSubscriberAt(skPolpak, random_->Random(Count(skPolpak)));
}

void Company::RaiseDemand() {
    if (random_->Random(64) == 0) {
        Case& c = AppendCase();
        c.kind = ckRaise;
        c.title = "Podwyżka";
        c.body = letters::StaffNote(*random_, kRaiseNote);
        ShowCurrentCase();
    }
}

void Company::OpinionLetters() {
    using namespace letters;
    if (opinion_ > 0 && random_->Random(32) == 0) {
        AddOpinion(random_->RandomReal());
        Case& c = AppendCase();
        c.kind = ckInfo;
        c.title = "Pozdrowienia dla firmy";
        c.body = OpinionLetter(*random_, Opinion::Praise);
        ShowCurrentCase();
    }
    // Reads the opinion after the praise letter.
    if (opinion_ < 0 && random_->Random(32) == 0) {
        AddOpinion(-random_->RandomReal());
        Case& c = AppendCase();
        c.kind = ckInfo;
        c.title = "Bluzgi";
        c.body = OpinionLetter(*random_, Opinion::Insult);
        ShowCurrentCase();
    }
}

void Company::ProposeQuality(double scale, const char* title, const char* note) {
    Case& c = AppendCase();
    c.kind = ckQuality;
    c.param = RoundToInt32(scale * random_->RandomReal());
    c.title = title;
    c.body = letters::StaffNote(*random_, note);
    ShowCurrentCase();
}

void Company::QualityProposals() {
    if (quality_ > 0 && random_->Random(48) == 0) ProposeQuality(5, "Jakość łączy", kQualityUpNote);
    if (quality_ < 0 && random_->Random(48) == 0) ProposeQuality(-5, "Bluzgi", kQualityDownNote);
    if (random_->Random(48) == 0) {
        Case& c = AppendCase();
        c.kind = ckQuality;
        c.param = RoundToInt32(5 * random_->RandomReal());
        const bool branch = random_->Random(2) == 1;
        c.title = branch ? "Nowy oddział" : "Centrala";
        c.body = letters::StaffNote(*random_, branch ? kBranchNote : kExchangeNote);
        ShowCurrentCase();
    }
    if (random_->Random(48) == 0) {
        Case& c = AppendCase();
        c.kind = ckQuality;
        c.param = RoundToInt32(-5 * random_->RandomReal());
        const bool costs = random_->Random(2) == 1;
        c.title = costs ? "Wysokie koszty" : "Niepotrzebna centrala";
        c.body = letters::StaffNote(*random_, costs ? kHighCostNote : kIdleExchangeNote);
        ShowCurrentCase();
    }
}

}  // namespace dzwonex
