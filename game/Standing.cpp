#include "Standing.h"

#include "Amounts.h"

namespace dzwonex {

OpinionBand BandOfOpinion(double opinion) {
    const int32_t shown = RoundToInt32(opinion);
    if (shown < 0) return OpinionBand::Poor;
    if (shown < 5) return OpinionBand::Average;
    if (shown <= 20) return OpinionBand::Good;
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

Trend TrendOf(int64_t change) {
    if (change > 0) return Trend::Up;
    if (change < 0) return Trend::Down;
    return Trend::Steady;
}

}  // namespace dzwonex
