#include "Standing.h"

#include "Amounts.h"
#include "Leaving.h"

namespace dzwonex {

OpinionBand BandOfOpinion(double opinion) {
    // The edges are where the rules start to lose phone lines, SDI and
    // Neostrada lines, and ISDN lines, with quality 0 and few lines.
    static const int32_t phones = RoundToInt32(PhonesLeaveBelow());
    static const int32_t lines = RoundToInt32(LinesLeaveBelow(0));
    static const int32_t isdn = RoundToInt32(IsdnLeavesBelow(0));
    const int32_t shown = RoundToInt32(opinion);
    if (shown < phones) return OpinionBand::Poor;
    if (shown < lines) return OpinionBand::Average;
    if (shown <= isdn) return OpinionBand::Good;
    return OpinionBand::High;
}

QualityBand BandOfQuality(double quality) {
    const int32_t shown = RoundToInt32(quality);
    if (shown < -20) return QualityBand::Worn;
    if (shown < 0) return QualityBand::Low;
    if (shown <= 50) return QualityBand::Good;
    return QualityBand::Costly;
}

namespace {

const HistorySample* MonthBefore(const History& history, int32_t today) {
    if (const HistorySample* then = history.OnOrBefore(today - kTrendDays)) return then;
    return history.Earliest();
}

int64_t Change(double now, const HistorySample* then, float HistorySample::*field) {
    if (!then) return 0;
    return int64_t{RoundToInt32(now)} - RoundToInt32(then->*field);
}

}  // namespace

int64_t OpinionChange(const History& history, int32_t today, double opinion) {
    return Change(opinion, MonthBefore(history, today), &HistorySample::opinion);
}

int64_t QualityChange(const History& history, int32_t today, double quality) {
    return Change(quality, MonthBefore(history, today), &HistorySample::quality);
}

int64_t CountChange(const History& history, int32_t today, int32_t kind, int32_t count) {
    const HistorySample* then = MonthBefore(history, today);
    if (!then || kind < 1 || kind > kKindCount) return 0;
    return int64_t{count} - then->counts[static_cast<size_t>(kind - 1)];
}

Trend TrendOf(int64_t change) {
    if (change > 0) return Trend::Up;
    if (change < 0) return Trend::Down;
    return Trend::Steady;
}

}  // namespace dzwonex
