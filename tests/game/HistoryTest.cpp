// The company's history: sharp for the last year, coarser before, bounded
// however long the game runs.
#include <gtest/gtest.h>

#include <vector>

#include "History.h"

namespace dzwonex::testing {
namespace {

HistorySample Day(int32_t day) {
    HistorySample s;
    s.day = day;
    s.cash = day * 10;
    return s;
}

std::vector<int32_t> Days(const History& history) {
    std::vector<int32_t> days;
    history.ForEach([&](const HistorySample& s) { days.push_back(s.day); });
    return days;
}

TEST(History, KeepsTheLastYearDailyTheNineBeforeWeeklyAndOlderMonthly) {
    History history;
    const int32_t last = 20 * 360;
    for (int32_t day = 1; day <= last; ++day) history.Record(Day(day));
    const std::vector<int32_t> days = Days(history);
    ASSERT_EQ(days.size(), history.Size());
    EXPECT_EQ(days.front(), 1);  // the game's start stays
    EXPECT_EQ(history.Latest().day, last);
    EXPECT_EQ(history.Latest().cash, last * 10);
    for (size_t i = 1; i < days.size(); ++i) {
        const int32_t age = last - days[i];
        const int32_t gap = days[i] - days[i - 1];
        if (age < History::kDailySpan)
            EXPECT_EQ(gap, 1) << days[i];
        else if (age >= History::kDailySpan + History::kWeek && age < History::kWeeklySpan - History::kWeek)
            EXPECT_EQ(gap, History::kWeek) << days[i];
        else if (age >= History::kWeeklySpan + History::kMonth)
            EXPECT_TRUE(gap >= History::kMonth && gap < History::kMonth + History::kWeek) << days[i];
        else
            EXPECT_TRUE(gap >= 1 && gap < History::kMonth + History::kWeek) << days[i];
    }
    EXPECT_LT(history.Size(), 360u + 3240u / 7 + 1 + 3600u / 30 + 2);
}

TEST(History, AThousandYearsStayWithinTheBound) {
    History history;
    const int32_t last = 1000 * 360;
    size_t most = 0;
    for (int32_t day = 1; day <= last; ++day) {
        history.Record(Day(day));
        most = std::max(most, history.Size());
    }
    EXPECT_LE(most, 360u + 3240u / 7 + 1 + History::kMaxOld + 1);
    const std::vector<int32_t> days = Days(history);
    EXPECT_EQ(days.front(), 1);
    EXPECT_EQ(days.back(), last);
    // The old part thinned out, from the start on: no two samples closer
    // than the present spacing, none further apart than twice that.
    EXPECT_GT(history.OldSpacing(), History::kMonth);
    for (size_t i = 1; i < 100; ++i) {
        EXPECT_GE(days[i] - days[i - 1], history.OldSpacing()) << i;
        EXPECT_LE(days[i] - days[i - 1], 2 * history.OldSpacing() + History::kWeek) << i;
    }
}

TEST(History, TheSameDayIsReplacedAndAnEarlierOneStartsANewGame) {
    History history;
    for (int32_t day = 1; day <= 10; ++day) history.Record(Day(day));
    HistorySample again = Day(10);
    again.cash = -5;
    history.Record(again);
    EXPECT_EQ(history.Size(), 10u);
    EXPECT_EQ(history.Latest().cash, -5);

    history.Record(Day(1));
    EXPECT_EQ(Days(history), std::vector<int32_t>{1});
}

// The look-ups the rating makes: the sample on or before a day, and the
// samples between two days, in every part of a long history, also where a
// day was skipped.
TEST(History, FindsTheSamplesOfADayAndOfASpanInEveryPart) {
    History history;
    for (int32_t day = 1; day <= 15 * 360; ++day)
        if (day % 97 != 0 && (day < 5000 || day > 5002)) history.Record(Day(day));
    std::vector<int32_t> all = Days(history);
    const int32_t last = all.back();
    for (int32_t day : {-5,   0,    1,    2,    96,   97,   98,   400,  1801,     1802,
                        3000, 4999, 5000, 5001, 5003, 5100, 5399, last, last + 1, last + 1000}) {
        const HistorySample* found = history.OnOrBefore(day);
        int32_t expected = -1;
        for (int32_t d : all)
            if (d <= day) expected = d;
        if (expected < 0)
            EXPECT_EQ(found, nullptr) << day;
        else
            EXPECT_EQ(found ? found->day : -1, expected) << day;

        for (int32_t span : {0, 1, 30, 400}) {
            std::vector<int32_t> between, wanted;
            history.ForEachBetween(day - span, day, [&](const HistorySample& s) { between.push_back(s.day); });
            for (int32_t d : all)
                if (d >= day - span && d <= day) wanted.push_back(d);
            EXPECT_EQ(between, wanted) << day << " - " << span;
        }
    }
    EXPECT_EQ(history.Earliest()->day, 1);
    EXPECT_EQ(History().Earliest(), nullptr);
    EXPECT_EQ(History().OnOrBefore(10), nullptr);
}

// A history brought back from its samples goes on exactly as the one it
// was saved from, through demotions and the thinning of the old part.
TEST(History, ARestoredHistoryGoesOnAsTheOriginal) {
    for (const int32_t last : {1, 200, 361, 4000, 280 * 360}) {
        SCOPED_TRACE(last);
        History original;
        for (int32_t day = 1; day <= last; ++day) original.Record(Day(day));
        const SavedHistory saved = original.Saved();
        ASSERT_LE(saved.samples.size(), History::kMaxSamples);
        History restored;
        restored.Record(Day(5));
        restored.Restore(saved);
        EXPECT_EQ(restored.Saved(), saved);
        for (int32_t day = last + 1; day <= last + 40 * 360; ++day) {
            original.Record(Day(day));
            restored.Record(Day(day));
        }
        EXPECT_EQ(restored.Saved(), original.Saved());
    }
    History empty;
    empty.Restore({});
    EXPECT_TRUE(empty.Empty());
}

}  // namespace
}  // namespace dzwonex::testing
