#include "Leaving.h"

#include <utility>

#include "Amounts.h"
#include "Company.h"
#include "Drift.h"

namespace dzwonex {

namespace {

// The day's draw runs from 0 to its largest value, just below 1.
constexpr double kLargestDraw = 4294967295.0 / 4294967296.0;

// What a rule gives on average over the day's draw: the draw is uniform,
// so the mean of the rule over a fine, even spread of draws.
// (Templates, not std::function: a level's search asks the rule some forty
// thousand times, at start-up too.)
template <typename Rule>
double MeanOverDraws(const Rule& rule) {
    constexpr int kDraws = 1024;
    double sum = 0;
    for (int i = 0; i < kDraws; ++i) sum += rule((i + 0.5) / kDraws);
    return sum / kDraws;
}

// The level below which `leaves` holds, and at and above which it does
// not; the rules only lose more subscribers as the level falls. The bounds
// widen until they hold the level, so the largest counts (a level in the
// millions below zero) are read as truly as the usual ones.
template <typename Leaves>
double LevelBelowWhich(const Leaves& leaves) {
    constexpr double kFarthest = 1e12;
    double low = -32, high = 32;
    while (!leaves(low) && low > -kFarthest) low *= 2;
    while (leaves(high) && high < kFarthest) high *= 2;
    for (int i = 0; i < 48; ++i) {
        const double middle = (low + high) / 2;
        (leaves(middle) ? low : high) = middle;
    }
    return high;
}

bool PhonesLeave(double opinion) {
    return MeanOverDraws([&](double r) { return drift::Phones(opinion, r); }) < 0;
}

bool IsdnLeaves(double opinion, double quality, int32_t phones) {
    return MeanOverDraws([&](double r) { return drift::Isdn(opinion, quality, r, phones); }) < 0;
}

// The largest draw loses the most lines, the smallest the fewest.
bool LinesLeave(double opinion, double quality, int32_t lines) {
    return drift::Lines(opinion, quality, kLargestDraw, lines) < 0;
}

bool LinesLeaveEveryDay(double opinion, double quality, int32_t lines) {
    return drift::Lines(opinion, quality, 0, lines) < 0;
}

}  // namespace

double PhonesLeaveBelow() {
    static const double level = LevelBelowWhich(PhonesLeave);
    return level;
}

double IsdnLeavesBelow(int32_t phones) {
    // A day asks for it several times, for the same phone lines: the last
    // level is kept (a search over the mean takes a quarter of a millisecond).
    thread_local std::pair<int32_t, double> last{-1, 0};
    if (last.first != phones)
        last = {phones, LevelBelowWhich([&](double level) { return IsdnLeaves(level, 0, phones); })};
    return last.second;
}

double LinesLeaveBelow(int32_t lines) {
    return LevelBelowWhich([&](double level) { return LinesLeave(level, 0, lines); });
}

double LinesLeaveEveryDayBelow(int32_t lines) {
    return LevelBelowWhich([&](double level) { return LinesLeaveEveryDay(level, 0, lines); });
}

std::vector<KindLeaving> KindsLeaving(double opinion, double quality, const std::array<int32_t, kKindCount>& counts) {
    std::vector<KindLeaving> leaving;
    const auto count = [&](int32_t kind) { return counts[static_cast<size_t>(kind - 1)]; };
    if (count(skPhone) > 0 && PhonesLeave(opinion))
        leaving.push_back({skPhone, LeavingMeasure::Opinion, RoundToInt32(PhonesLeaveBelow())});
    if (count(skIsdn) > 0 && IsdnLeaves(opinion, quality, count(skPhone)))
        leaving.push_back({skIsdn, LeavingMeasure::OpinionLessQuality, RoundToInt32(IsdnLeavesBelow(count(skPhone)))});
    for (int32_t kind : {int32_t{skSdi}, int32_t{skNeostrada}})
        if (count(kind) > 0 && LinesLeave(opinion, quality, count(kind)))
            leaving.push_back({kind, LeavingMeasure::OpinionPlusQuality, RoundToInt32(LinesLeaveBelow(count(kind)))});
    return leaving;
}

std::vector<KindLeaving> KindsLeaving(const Company& game) {
    std::array<int32_t, kKindCount> counts{};
    for (int32_t kind = 1; kind <= kKindCount; ++kind) counts[static_cast<size_t>(kind - 1)] = game.Count(kind);
    return KindsLeaving(game.Opinion(), game.Quality(), counts);
}

}  // namespace dzwonex
