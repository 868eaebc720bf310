#include "History.h"

#include "Company.h"

namespace dzwonex {

namespace {

// The oldest sample of `from` leaves it; it joins `to` when it lies at
// least `spacing` days after the newest sample there.
void Demote(std::deque<HistorySample>& from, std::deque<HistorySample>& to, int32_t spacing) {
    const HistorySample& s = from.front();
    if (to.empty() || s.day - to.back().day >= spacing) to.push_back(s);
    from.pop_front();
}

}  // namespace

HistorySample History::Sample(const Company& game) {
    HistorySample s;
    s.day = game.Day();
    s.cash = game.Cash().Value();
    s.opinion = static_cast<float>(game.Opinion());
    s.quality = static_cast<float>(game.Quality());
    for (int k = 1; k <= kKindCount; ++k) s.counts[static_cast<size_t>(k - 1)] = game.Count(k);
    return s;
}

void History::Record(const HistorySample& sample) {
    if (!daily_.empty() && sample.day <= daily_.back().day) {
        if (sample.day < daily_.back().day) {
            Clear();
        } else {
            daily_.back() = sample;
            return;
        }
    }
    daily_.push_back(sample);
    while (sample.day - daily_.front().day >= kDailySpan) Demote(daily_, weekly_, kWeek);
    while (!weekly_.empty() && sample.day - weekly_.front().day >= kWeeklySpan) Demote(weekly_, old_, oldSpacing_);
    if (old_.size() > kMaxOld) {
        // Keep the first (the game's start) and every second one after it.
        size_t kept = 0;
        for (size_t i = 0; i < old_.size(); i += 2) old_[kept++] = old_[i];
        old_.resize(kept);
        oldSpacing_ *= 2;
    }
}

SavedHistory History::Saved() const {
    SavedHistory saved{{}, oldSpacing_};
    saved.samples.reserve(Size());
    ForEach([&](const HistorySample& s) { saved.samples.push_back(s); });
    return saved;
}

void History::Restore(const SavedHistory& saved) {
    Clear();
    oldSpacing_ = saved.oldSpacing;
    if (saved.samples.empty()) return;
    // Record left every sample in the part of its age on the latest day.
    const int32_t latest = saved.samples.back().day;
    for (const HistorySample& s : saved.samples) {
        const int64_t age = int64_t{latest} - s.day;
        (age < kDailySpan ? daily_ : age < kWeeklySpan ? weekly_ : old_).push_back(s);
    }
}

void History::Clear() {
    old_.clear();
    weekly_.clear();
    daily_.clear();
    oldSpacing_ = kMonth;
}

}  // namespace dzwonex
