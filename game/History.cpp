#include "History.h"

#include <algorithm>
#include <limits>

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
    s.inbox = static_cast<int32_t>(std::min<size_t>(game.Cases().size(), std::numeric_limits<int32_t>::max()));
    return s;
}

size_t History::FirstFrom(const std::deque<HistorySample>& part, int64_t day) {
    if (part.empty()) return 0;
    // With one sample a day, the day tells the place.
    const int64_t guess = day - part.front().day;
    if (guess <= 0) return 0;
    if (guess < static_cast<int64_t>(part.size())) {
        const auto at = static_cast<size_t>(guess);
        if (part[at].day == day && part[at - 1].day < day) return at;
    }
    return static_cast<size_t>(
        std::lower_bound(part.begin(), part.end(), day, [](const HistorySample& s, int64_t d) { return s.day < d; }) -
        part.begin());
}

const HistorySample* History::OnOrBefore(int32_t day) const {
    for (const auto* part : {&daily_, &weekly_, &old_}) {
        if (part->empty() || part->front().day > day) continue;
        return &(*part)[FirstFrom(*part, int64_t{day} + 1) - 1];
    }
    return nullptr;
}

const HistorySample* History::Earliest() const {
    for (const auto* part : {&old_, &weekly_, &daily_})
        if (!part->empty()) return &part->front();
    return nullptr;
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
