#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "Subscribers.h"

namespace dzwonex {

class Company;

// The company at the end of one day, as the statistics chart draws it.
struct HistorySample {
    int32_t day = 0;
    int32_t cash = 0;
    float opinion = 0;  // a float is more than a chart can show
    float quality = 0;
    std::array<int32_t, kKindCount> counts{};  // by kind 1..6
    int32_t inbox = 0;                         // cases waiting, for the rating's backlog
    bool operator==(const HistorySample&) const = default;
};

// A history as a saved game holds it: every sample, oldest first, and the
// spacing of the old part (History::OldSpacing).
struct SavedHistory {
    std::vector<HistorySample> samples;
    int32_t oldSpacing = 30;
    bool operator==(const SavedHistory&) const = default;
};

// The company's course since the game began. The last year is kept day by
// day, the nine years before it week by week and anything older month by
// month; when the old part outgrows its bound, every other old sample goes
// and the old spacing doubles. So a game of any length fits in a few
// hundred kilobytes, and the recent past stays sharp.
class History {
public:
    static constexpr int32_t kDailySpan = 360;    // one game year
    static constexpr int32_t kWeeklySpan = 3600;  // ten game years
    static constexpr int32_t kWeek = 7;
    static constexpr int32_t kMonth = 30;
    static constexpr size_t kMaxOld = 2048;
    // The most samples a history holds: a full old part, a sample a week
    // for ten years and one a day for the last.
    static constexpr size_t kMaxSamples = kMaxOld + kWeeklySpan / kWeek + 1 + kDailySpan;

    // The company as it stands.
    static HistorySample Sample(const Company& game);
    // After the day's turn. A day already recorded is replaced; an earlier
    // day means a new game, and the history starts again.
    void Record(const Company& game) { Record(Sample(game)); }
    void Record(const HistorySample& sample);
    void Clear();
    // As a saved game keeps it, and back. Restore takes the samples of
    // Saved(): days ascending; each goes to the part its age puts it in.
    SavedHistory Saved() const;
    void Restore(const SavedHistory& saved);

    size_t Size() const { return old_.size() + weekly_.size() + daily_.size(); }
    bool Empty() const { return Size() == 0; }
    const HistorySample& Latest() const { return daily_.back(); }
    // Every sample, oldest first.
    template <typename F>
    void ForEach(F&& visit) const {
        for (const auto* part : {&old_, &weekly_, &daily_})
            for (const HistorySample& s : *part) visit(s);
    }
    // The latest sample of that day or before it, or nullptr.
    const HistorySample* OnOrBefore(int32_t day) const;
    // The samples from day `first` to day `last`, both included, oldest first.
    template <typename F>
    void ForEachBetween(int32_t first, int32_t last, F&& visit) const {
        for (const auto* part : {&old_, &weekly_, &daily_}) {
            if (part->empty() || part->back().day < first) continue;
            for (auto it = part->begin() + static_cast<std::ptrdiff_t>(FirstFrom(*part, first));
                 it != part->end() && it->day <= last; ++it)
                visit(*it);
        }
    }
    // The first sample kept, or nullptr.
    const HistorySample* Earliest() const;
    // The days between two old samples at present.
    int32_t OldSpacing() const { return oldSpacing_; }

private:
    // The place of the first sample of `day` or later in a part (its size
    // when there is none); at once for days kept one by one.
    static size_t FirstFrom(const std::deque<HistorySample>& part, int64_t day);

    std::deque<HistorySample> old_;     // older than ten years
    std::deque<HistorySample> weekly_;  // one to ten years old
    std::deque<HistorySample> daily_;   // the last year
    int32_t oldSpacing_ = kMonth;
};

}  // namespace dzwonex
