// The strategies the bots play: the simple ones that ignore what the cases
// say, ten fixed answers by kind, and a manager who reads the case and the
// company before answering.
#include "Strategies.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

namespace dzwonex::bots {

namespace {

bool IsQuestion(const Case& c) { return c.kind >= ckDisconnect && c.kind <= kLastCaseKind; }

// Tak or Nie by a coin of its own on every question.
class RandomAnswers final : public Strategy {
public:
    explicit RandomAnswers(uint32_t seed) : coin_(seed) {}
    std::string Name() const override { return "random"; }
    bool ReadsCases() const override { return false; }
    std::string Next(const Company& game, int32_t) override {
        const Case* c = game.CurrentCase();
        if (!c) return "day";
        if (!IsQuestion(*c)) return "ok";
        return coin_() % 2 ? "tak" : "nie";
    }

private:
    std::mt19937 coin_;
};

// The front case accepted, one a day; the inbox grows.
class OneADay final : public Strategy {
public:
    std::string Name() const override { return "one-a-day"; }
    bool ReadsCases() const override { return false; }
    std::string Next(const Company& game, int32_t answeredToday) override {
        const Case* c = game.CurrentCase();
        if (!c || answeredToday >= 1) return "day";
        return IsQuestion(*c) ? "tak" : "ok";
    }
};

// The same answer for every case of a kind, whatever it says: one letter
// per kind 0..11, 't' Tak, 'n' Nie, 'o' OK. An empty table never answers.
// A table with one answer for every question reads nothing at all.
class FixedByKind final : public Strategy {
public:
    FixedByKind(std::string name, std::string table) : name_(std::move(name)), table_(std::move(table)) {}
    std::string Name() const override { return name_; }
    bool ReadsCases() const override {
        return !table_.empty() && table_.find_first_not_of(table_[1], 1) != std::string::npos;
    }
    bool FixedPolicy() const override { return true; }
    std::string Next(const Company& game, int32_t) override {
        const Case* c = game.CurrentCase();
        if (!c || table_.empty() || c->kind < 0 || c->kind > kLastCaseKind) return "day";
        switch (table_[static_cast<size_t>(c->kind)]) {
            case 't':
                return "tak";
            case 'n':
                return "nie";
            default:
                return "ok";
        }
    }

private:
    std::string name_;
    std::string table_;
};

// A manager who knows the rules. Every line brings its income and adds to
// the repairs, which grow with the square of the network: a phone line
// barely pays its share, the Internet lines and Polpak-T pay many times
// over, a booth pays nothing. The opinion steers the drift of the lines:
// phone lines come and go with a tenth of it a day, ISDN lines stay only
// while it stands some ten points above the quality, SDI and Neostrada
// lines leave when opinion and quality together fall below about five.
// So the opinion is held in a band just above ten by the answers that move
// it (plain applications raise it when accepted and lower it when refused,
// a refused raise lowers it for free, an accepted spy report lowers it and
// raises the quality), the quality a little above zero, and the phone
// lines that the good opinion brings beyond what pays are disconnected on
// the map.
class Thoughtful final : public Strategy {
public:
    std::string Name() const override { return "thoughtful"; }
    bool ReadsCases() const override { return true; }
    std::string Next(const Company& game, int32_t) override {
        const Case* c = game.CurrentCase();
        const double o = game.Opinion(), q = game.Quality();
        if (!c) return PressMap(game);
        switch (c->kind) {
            case ckInfo:
                return "ok";
            case ckDisconnect:
                // Only the phone line it meant to press on.
                return c->param == skPhone && o > kOpinionLow ? "tak" : "nie";
            case ckBooth:
                return "tak";
            case ckSdiRequest:
            case ckNeostradaRequest:
            case ckPolpakRequest:
                // Each new line pays; refused only to cool an opinion that
                // would flood the network with phone lines.
                return o > kOpinionHigh && c->kind != ckPolpakRequest ? "nie" : "tak";
            case ckSdiBribe:
            case ckNeostradaBribe:
            case ckPolpakBribe:
                // The opinion moves the same way whatever the answer, so the
                // envelope and the line come free.
                return "tak";
            case ckSpyReport:
                return o - c->param > kOpinionLow && o > kOpinionHigh && q + c->param <= kQualityHigh ? "tak" : "nie";
            case ckRaise:
                return o > kOpinionHigh ? "nie" : "tak";
            case ckQuality: {
                const double target = (kQualityLow + kQualityHigh) / 2;
                return std::fabs(q + c->param - target) < std::fabs(q - target) ? "tak" : "nie";
            }
            default:
                return "nie";
        }
    }

private:
    static constexpr double kOpinionLow = 8, kOpinionHigh = 14;
    static constexpr double kQualityLow = -4, kQualityHigh = 2;
    static constexpr int32_t kPhoneTarget = 1100;

    // With the inbox empty: a press on a surplus phone line, or on empty
    // ground for a booth when the opinion needs lifting; a few a day.
    std::string PressMap(const Company& game) {
        if (pressedOn_ != game.Day()) presses_ = 0;
        pressedOn_ = game.Day();
        if (presses_++ >= kPressesPerDay) return "day";
        if (game.Count(skPhone) > kPhoneTarget && game.Opinion() > kOpinionLow) {
            const PointList& phones = game.Subscribers(skPhone);
            for (auto it = phones.rbegin(); it != phones.rend() && it - phones.rbegin() < 50; ++it) {
                const auto hit = game.HitAt((*it)->X(), (*it)->Y());
                if (hit.kind == skPhone) return Press((*it)->X(), (*it)->Y());
            }
        }
        if (game.Opinion() < kOpinionLow - 3 && game.Cash().Value() > 2 * Company::kBoothPrice) {
            for (int32_t y = 20; y < game.MapHeight(); y += 37)
                for (int32_t x = 20; x < game.MapWidth(); x += 41)
                    if (game.HitAt(x, y).kind == 0) return Press(x, y);
        }
        return "day";
    }
    static std::string Press(int32_t x, int32_t y) { return "click " + std::to_string(x) + " " + std::to_string(y); }

    static constexpr int32_t kPressesPerDay = 3;
    int32_t pressedOn_ = -1;
    int32_t presses_ = 0;
};

// The ten fixed policies, by kind 0..11: info, disconnect, SDI, SDI with
// an envelope, Neostrada, Neostrada with an envelope, Polpak-T, Polpak-T
// with an envelope, booth, spy report, raise, quality. Three give one answer
// to everything; six accept everything but one kind of case; one accepts
// the applications only.
constexpr std::pair<const char*, const char*> kFixedPolicies[] = {
    {"accept-all", "ottttttttttt"},
    {"refuse-all", "onnnnnnnnnnn"},
    {"never-answer", ""},
    {"all-but-plain-applications", "onntntntnttt"},
    {"all-but-envelopes", "ontntntnnttt"},
    {"all-but-applications", "onnnnnnnnttt"},
    {"all-but-spy-reports", "onttttttnntt"},
    {"all-but-raises", "onttttttntnt"},
    {"all-but-quality", "onttttttnttn"},
    {"applications-only", "onttttttnnnn"},
};

}  // namespace

std::vector<std::unique_ptr<Strategy>> AllStrategies(uint32_t seed) {
    std::vector<std::unique_ptr<Strategy>> all;
    for (const char* name : {"thoughtful", "random", "one-a-day"}) all.push_back(StrategyNamed(name, seed));
    for (const auto& [name, table] : kFixedPolicies) all.push_back(StrategyNamed(name, seed));
    return all;
}

std::unique_ptr<Strategy> StrategyNamed(const std::string& name, uint32_t seed) {
    if (name == "thoughtful") return std::make_unique<Thoughtful>();
    if (name == "random") return std::make_unique<RandomAnswers>(seed);
    if (name == "one-a-day") return std::make_unique<OneADay>();
    for (const auto& [fixedName, table] : kFixedPolicies)
        if (name == fixedName) return std::make_unique<FixedByKind>(fixedName, table);
    // Any other table: "fixed=" and a letter for each of the 12 kinds.
    if (name.rfind("fixed=", 0) == 0 && name.size() == 6 + 12 && name.find_first_not_of("tno", 6) == std::string::npos)
        return std::make_unique<FixedByKind>(name, name.substr(6));
    return nullptr;
}

}  // namespace dzwonex::bots
