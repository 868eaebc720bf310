// The company's rating: how well the branch is run, in points.
#include "Rating.h"

#include <algorithm>
#include <cmath>

#include "Company.h"

namespace dzwonex {

namespace {

constexpr int32_t kNetSpan = 30;   // days of the net and of the opinion's trend
constexpr int32_t kDebtSpan = 30;  // days looked back for debt

// NaN counts as nothing.
double Clamp01(double x) { return x > 0 ? (x < 1 ? x : 1.0) : 0.0; }

// 0 at nothing, towards 1 as x grows, half-way at x = half.
double Saturate(double x, double half) { return x <= 0 ? 0.0 : x / (x + half); }

// A signed amount on a scale of tenfold steps, 0 at 0: one step at `unit`.
double Decades(double amount, double unit) { return std::copysign(std::log10(1 + std::fabs(amount) / unit), amount); }

double MoneyPoints(double cash, double netPerDay) {
    // Tenfold more cash is one step more: a saturated cash is not far ahead
    // of a merely rich one, and with nothing left to earn its net is 0.
    const double cashShare = Clamp01((Decades(cash, 10000) + 1) / 4.5);
    const double netShare = Clamp01((Decades(netPerDay, 1000) + 1) / 3);
    return 150 * cashShare + 100 * netShare;
}

// What a subscriber of each kind brings a day, on average.
constexpr double kIncome[kKindCount] = {25, 100, 150, 300, 2000, 0};

double ServicePoints(const std::array<int32_t, kKindCount>& counts, double netPerDay) {
    // Each kind fills its share with diminishing returns, half of it when
    // the kind brings some 6 000 zł a day (booths, which bring nothing, at
    // 20): a network of one kind only is a poor one however big.
    struct Share {
        double points, half;
    };
    static constexpr Share kShares[kKindCount] = {{60, 240}, {40, 60}, {40, 40}, {40, 20}, {40, 3}, {30, 20}};
    double sum = 0, income = 0;
    for (size_t k = 0; k < kKindCount; ++k) {
        sum += kShares[k].points * Saturate(counts[k], kShares[k].half);
        income += kIncome[k] * counts[k];
    }
    // A network that costs more than it brings counts for the share of its
    // costs that its income covers: lines nobody can pay to keep up are no
    // service.
    const double costs = income - netPerDay;
    const double covered = netPerDay >= 0 ? 1.0 : income / costs;
    return sum * covered;
}

double ReputationPoints(double opinion, double trend) {
    // The band: nothing at -40 or below, full at 20 and above. A falling
    // opinion costs up to a quarter more; a steady or rising one nothing.
    const double band = Clamp01((opinion + 40) / 60);
    const double falling = Clamp01(-trend / 15);
    return std::max(0.0, 200 * band - 50 * falling);
}

// Full between 0 and 50; below, worn equipment; above, money spent on a
// level that drives the ISDN lines away and draws envelopes.
double EquipmentPoints(double quality) {
    if (quality < 0) return 100 * Clamp01(1 + quality / 20);
    return 100 * Clamp01(1 - (quality - 50) / 450);
}

double DisciplinePoints(int32_t inbox, double debtShare) {
    // A day brings at most 13 cases; a backlog beyond that costs.
    const double backlog = Clamp01((inbox - 13) / 50.0);
    return 100 * (1 - backlog) + 100 * (1 - debtShare);
}

}  // namespace

Rating RateSample(const HistorySample& now, const History& history) {
    // The sample the net and the trend are measured from: 30 days back, or
    // the earliest there is.
    const HistorySample* then = history.OnOrBefore(now.day - kNetSpan);
    if (!then) then = history.Earliest();
    double netPerDay = 0, trend = 0;
    if (then && then->day < now.day) {
        netPerDay = (static_cast<double>(now.cash) - then->cash) / (now.day - then->day);
        trend = static_cast<double>(now.opinion) - then->opinion;
    }
    int32_t looked = 0, inDebt = 0;
    history.ForEachBetween(now.day - kDebtSpan + 1, now.day - 1, [&](const HistorySample& s) {
        ++looked;
        inDebt += s.cash < 0;
    });
    ++looked;
    inDebt += now.cash < 0;
    const double debtShare = static_cast<double>(inDebt) / looked;

    const double points[kRatingPartCount] = {
        MoneyPoints(now.cash, netPerDay), ServicePoints(now.counts, netPerDay),   ReputationPoints(now.opinion, trend),
        EquipmentPoints(now.quality),     DisciplinePoints(now.inbox, debtShare),
    };
    Rating rating;
    for (int i = 0; i < kRatingPartCount; ++i) {
        rating.points[static_cast<size_t>(i)] =
            std::clamp(static_cast<int32_t>(std::lround(points[i])), 0, Rating::kMaximum[static_cast<size_t>(i)]);
        rating.total += rating.points[static_cast<size_t>(i)];
    }
    return rating;
}

Rating RateCompany(const Company& game, const History& history) { return RateSample(History::Sample(game), history); }

const char* RatingPartKey(RatingPart part) {
    static constexpr const char* kKeys[kRatingPartCount] = {"money", "service", "reputation", "equipment",
                                                            "discipline"};
    return kKeys[part];
}

}  // namespace dzwonex
