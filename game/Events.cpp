// The day's news: applications, lost subscribers, spy reports, staff and
// public letters, equipment proposals. Each rule draws its test first,
// then its own values, and the letter's draws come last.
#include "Amounts.h"
#include "Company.h"
#include "Drift.h"
#include "Letters.h"
#include "Texts.h"

namespace dzwonex {

// SDI and Neostrada run the same four rules with their own constants.
struct LineRules {
    int32_t kind;          // the subscriber kind the rules are about
    double chanceDivisor;  // 8 for SDI, 16 for Neostrada
    bool sdiRaisesDemand;  // Neostrada demand also grows with the SDI lines
    int32_t requestKind, bribeKind;
    int32_t envelopeBase, envelopeSpread;
    size_t line;         // the texts' line: kSdiLine or kNeostradaLine
    int32_t spyOdds;     // a spy report comes when Random(spyOdds) < count
    int32_t spyWeights;  // the report's weight is 1 + Random(spyWeights)
};

namespace {

const LineRules kSdiRules = {skSdi, 8, false, ckSdiRequest, ckSdiBribe, 100, 1000, kSdiLine, 256, 4};
const LineRules kNeostradaRules = {skNeostrada,    16,  true, ckNeostradaRequest, ckNeostradaBribe, 200, 2000,
                                   kNeostradaLine, 128, 6};

}  // namespace

void Company::LineEvents(const LineRules& rules) {
    using namespace letters;
    RandomSource& rng = *random_;
    const TextCatalogue& t = Texts(language_);
    const TextCatalogue::Line& texts = t.lines[rules.line];
    const double O = opinion_, Q = quality_;
    // Demand for the line among phone and ISDN subscribers, evaluated left to right.
    auto demand = [&](double opinionPart, double qualityPart, double r) {
        double x =
            opinionPart + qualityPart - rules.chanceDivisor * r + Count(skPhone) / 1000.0 + Count(skIsdn) / 1000.0;
        if (rules.sdiRaisesDemand) x = x + Count(skSdi) / 100.0;
        return x;
    };

    double r = rng.RandomReal();
    if (demand(O / 10, -Q / 10, r) > 0 && !InboxFull()) {
        Case& c = AppendCase();
        c.kind = rules.requestKind;
        c.title = texts.title;
        c.body = ApplicationLetter(t, rng, texts.plainRequest);
        ShowCurrentCase();
    }
    r = rng.RandomReal();
    if (demand(-O / 10, Q / 10, r) > 0 && !InboxFull()) {
        Case& c = AppendCase();
        c.kind = rules.bribeKind;
        c.param = rules.envelopeBase + rng.Random(rules.envelopeSpread);
        c.title = texts.title;
        c.body = EnvelopeLetter(t, rng, texts.bribeRequest, c.param);
        ShowCurrentCase();
    }
    // Lost subscribers: k rounds half to even, and each of the -k removals
    // happens only while somebody is left.
    r = rng.RandomReal();
    const int32_t k = drift::Lines(O, Q, r, Count(rules.kind));
    if (k < 0) DriftSubscribers(rules.kind, k);
    if (rng.Random(rules.spyOdds) < Count(rules.kind) && !InboxFull()) {
        Case& c = AppendCase();
        c.kind = ckSpyReport;
        c.param = 1 + rng.Random(rules.spyWeights);
        c.param2 = rules.kind;
        c.title = t.spyReportTitle;
        c.body = SpyReportMemo(t, rng, texts.spyQuestion);
        ShowCurrentCase();
    }
}

void Company::SdiEvents() { LineEvents(kSdiRules); }

void Company::NeostradaEvents() { LineEvents(kNeostradaRules); }

void Company::PolpakEvents() {
    using namespace letters;
    const TextCatalogue& t = Texts(language_);
    const TextCatalogue::Line& texts = t.lines[kPolpakLine];
    const double O = opinion_, Q = quality_;
    double r = random_->RandomReal();
    if (O / 10 + Q / 10 - 32 * r > 0 && !InboxFull()) {
        Case& c = AppendCase();
        c.kind = ckPolpakRequest;
        c.title = texts.title;
        c.body = InstitutionLetter(t, *random_, texts.plainRequest);
        ShowCurrentCase();
    }
    r = random_->RandomReal();
    if (Q / 10 - 32 * r > 0 && !InboxFull()) {
        Case& c = AppendCase();
        c.kind = ckPolpakBribe;
        c.param = 1000 + random_->Random(10000);
        c.title = texts.title;
        c.body = InstitutionEnvelopeLetter(t, *random_, texts.bribeRequest, c.param);
        ShowCurrentCase();
    }
    if (random_->Random(100) == 0 && Count(skPolpak) > 0)
        RemoveSubscriberAt(skPolpak, random_->Random(Count(skPolpak)));
}

void Company::RaiseDemand() {
    if (random_->Random(64) == 0 && !InboxFull()) {
        Case& c = AppendCase();
        c.kind = ckRaise;
        const TextCatalogue& t = Texts(language_);
        c.title = t.raiseTitle;
        c.body = letters::StaffNote(t, *random_, t.raiseNote);
        ShowCurrentCase();
    }
}

void Company::OpinionLetters() {
    using namespace letters;
    const TextCatalogue& t = Texts(language_);
    if (opinion_ > 0 && random_->Random(32) == 0 && !InboxFull()) {
        AddOpinion(random_->RandomReal());
        Case& c = AppendCase();
        c.kind = ckInfo;
        c.title = t.praiseTitle;
        c.body = OpinionLetter(t, *random_, Opinion::Praise);
        ShowCurrentCase();
    }
    // Reads the opinion after the praise letter.
    if (opinion_ < 0 && random_->Random(32) == 0 && !InboxFull()) {
        AddOpinion(-random_->RandomReal());
        Case& c = AppendCase();
        c.kind = ckInfo;
        c.title = t.insultTitle;
        c.body = OpinionLetter(t, *random_, Opinion::Insult);
        ShowCurrentCase();
    }
}

void Company::ProposeQuality(double scale, const char* title, const char* note) {
    Case& c = AppendCase();
    c.kind = ckQuality;
    c.param = RoundToInt32(scale * random_->RandomReal());
    c.title = title;
    c.body = letters::StaffNote(Texts(language_), *random_, note);
    ShowCurrentCase();
}

void Company::QualityProposals() {
    const TextCatalogue& t = Texts(language_);
    if (quality_ > 0 && random_->Random(48) == 0 && !InboxFull()) ProposeQuality(5, t.qualityUpTitle, t.qualityUpNote);
    if (quality_ < 0 && random_->Random(48) == 0 && !InboxFull())
        ProposeQuality(-5, t.qualityDownTitle, t.qualityDownNote);
    if (random_->Random(48) == 0 && !InboxFull()) {
        Case& c = AppendCase();
        c.kind = ckQuality;
        c.param = RoundToInt32(5 * random_->RandomReal());
        const bool branch = random_->Random(2) == 1;
        c.title = branch ? t.branchTitle : t.exchangeTitle;
        c.body = letters::StaffNote(t, *random_, branch ? t.branchNote : t.exchangeNote);
        ShowCurrentCase();
    }
    if (random_->Random(48) == 0 && !InboxFull()) {
        Case& c = AppendCase();
        c.kind = ckQuality;
        c.param = RoundToInt32(-5 * random_->RandomReal());
        const bool costs = random_->Random(2) == 1;
        c.title = costs ? t.highCostTitle : t.idleExchangeTitle;
        c.body = letters::StaffNote(t, *random_, costs ? t.highCostNote : t.idleExchangeNote);
        ShowCurrentCase();
    }
}

}  // namespace dzwonex
