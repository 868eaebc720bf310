// The company's rating: bounded, monotone in what it rewards, read from
// the history as well as the company, and the same for a day gone by as it
// was on that day.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "GameFixture.h"
#include "History.h"
#include "Rating.h"

namespace dzwonex::testing {
namespace {

HistorySample Sample(int32_t day, int32_t cash, double opinion = 0, double quality = 0,
                     std::array<int32_t, kKindCount> counts = {1000, 30, 15, 4, 2, 24}, int32_t inbox = 0) {
    HistorySample s;
    s.day = day;
    s.cash = cash;
    s.opinion = static_cast<float>(opinion);
    s.quality = static_cast<float>(quality);
    s.counts = counts;
    s.inbox = inbox;
    return s;
}

// A history of `days` days ending the day before `now`, the cash moving
// evenly from `from` to now's cash, the opinion from `opinionFrom` to now's;
// the last `debtDays` of them end in debt.
History Behind(const HistorySample& now, int32_t days, int32_t from, double opinionFrom, int32_t debtDays = 0) {
    History history;
    for (int32_t d = days; d >= 1; --d) {
        HistorySample s = now;
        s.day = now.day - d;
        s.cash = static_cast<int32_t>(now.cash + (static_cast<double>(from) - now.cash) * d / days);
        if (d <= debtDays) s.cash = -1;
        s.opinion = static_cast<float>(now.opinion + (opinionFrom - now.opinion) * d / days);
        history.Record(s);
    }
    return history;
}

int32_t Points(const Rating& r, RatingPart part) { return r.points[static_cast<size_t>(part)]; }

TEST(Rating, EveryPartStaysWithinItsMaximumAndTheTotalIsTheirSum) {
    constexpr double kHuge = 1e300;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        int32_t cash, cashBefore;
        double opinion, quality;
        std::array<int32_t, kKindCount> counts;
        int32_t inbox;
    } rows[] = {
        {Money::kMax, Money::kMin, kHuge, 30, {1000000, 1000000, 1000000, 1000000, 1000000, 1000000}, 0},
        {Money::kMin, Money::kMax, -kHuge, -kHuge, {0, 0, 0, 0, 0, 0}, std::numeric_limits<int32_t>::max()},
        {0, 0, nan, nan, {0, 0, 0, 0, 0, 0}, 0},
        {5000, 5000, 0, kHuge, {std::numeric_limits<int32_t>::max(), 0, 0, 0, 0, 0}, 1},
        {-1, 1, 0, 0, {1, 1, 1, 1, 1, 1}, 14},
    };
    for (const auto& row : rows) {
        const HistorySample now = Sample(400, row.cash, row.opinion, row.quality, row.counts, row.inbox);
        const Rating r = RateSample(now, Behind(now, 60, row.cashBefore, -row.opinion));
        int32_t sum = 0;
        for (size_t i = 0; i < kRatingPartCount; ++i) {
            EXPECT_GE(r.points[i], 0) << row.cash << " part " << i;
            EXPECT_LE(r.points[i], Rating::kMaximum[i]) << row.cash << " part " << i;
            sum += r.points[i];
        }
        EXPECT_EQ(r.total, sum);
    }
    int32_t maxima = 0;
    for (int32_t m : Rating::kMaximum) maxima += m;
    EXPECT_EQ(maxima, Rating::kTotalMaximum);
}

TEST(Rating, ASaturatedCashIsNotAPerfectMoneyScoreButAGrowingFortuneIs) {
    const HistorySample saturated = Sample(400, Money::kMax);
    const Rating flat = RateSample(saturated, Behind(saturated, 60, Money::kMax, 0));
    EXPECT_LT(Points(flat, rpMoney), Rating::kMaximum[rpMoney]);

    const HistorySample growing = Sample(400, 300000000);
    const Rating earning = RateSample(growing, Behind(growing, 60, 200000000, 0));
    EXPECT_EQ(Points(earning, rpMoney), Rating::kMaximum[rpMoney]);
    // Diminishing returns: the first million counts for more than the next
    // hundred millions.
    auto cashOnly = [](int32_t cash) {
        const HistorySample s = Sample(400, cash);
        return Points(RateSample(s, Behind(s, 60, cash, 0)), rpMoney);
    };
    EXPECT_GT(cashOnly(1000000) - cashOnly(0), cashOnly(101000000) - cashOnly(1000000));
}

TEST(Rating, MoreOfWhatItRewardsNeverLowersIt) {
    const HistorySample base = Sample(400, 50000, 5, 5, {1000, 30, 15, 4, 2, 24}, 3);
    const History history = Behind(base, 60, 40000, 5);
    const int32_t before = RateSample(base, history).total;
    auto raised = [&](auto change) {
        HistorySample s = base;
        change(s);
        return RateSample(s, history).total;
    };
    for (int32_t step : {1, 1000, 1000000}) {
        EXPECT_GE(raised([&](HistorySample& s) { s.cash += step; }), before) << "cash +" << step;
        EXPECT_GE(raised([&](HistorySample& s) { s.opinion += static_cast<float>(step); }), before)
            << "opinion +" << step;
        for (size_t k = 0; k < kKindCount; ++k)
            EXPECT_GE(raised([&](HistorySample& s) { s.counts[k] += step; }), before) << "kind " << k + 1;
        EXPECT_LE(raised([&](HistorySample& s) { s.inbox += step; }), before) << "inbox +" << step;
    }
    // Lines of every kind count: a network of one kind is a poor one.
    HistorySample phonesOnly = base;
    phonesOnly.counts = {100000, 0, 0, 0, 0, 0};
    EXPECT_LT(Points(RateSample(phonesOnly, history), rpService), Points(RateSample(base, history), rpService));
}

TEST(Rating, ReadsTheMonthBehind) {
    const HistorySample now = Sample(400, 50000, 10, 5, {1000, 30, 15, 4, 2, 24}, 0);
    const Rating steady = RateSample(now, Behind(now, 60, 50000, 10));
    // A falling opinion costs reputation.
    EXPECT_LT(Points(RateSample(now, Behind(now, 60, 50000, 40)), rpReputation), Points(steady, rpReputation));
    // Money lost over the month costs money points, and a network that costs
    // far more than it brings is less of a service.
    const Rating losing = RateSample(now, Behind(now, 60, 50000000, 10));
    EXPECT_LT(Points(losing, rpMoney), Points(steady, rpMoney));
    EXPECT_LT(Points(losing, rpService), Points(steady, rpService));
    // Days in debt cost discipline, more the more of them.
    const int32_t fewDebtDays = Points(RateSample(now, Behind(now, 60, 50000, 10, 5)), rpDiscipline);
    const int32_t manyDebtDays = Points(RateSample(now, Behind(now, 60, 50000, 10, 29)), rpDiscipline);
    EXPECT_LT(fewDebtDays, Points(steady, rpDiscipline));
    EXPECT_LT(manyDebtDays, fewDebtDays);
    // Only the month behind counts: debt before it is forgiven.
    HistorySample later = now;
    later.day += 31;
    History longAgo = Behind(now, 60, 50000, 10, 29);
    for (int32_t d = now.day; d < later.day; ++d) {
        HistorySample s = now;
        s.day = d;
        longAgo.Record(s);
    }
    EXPECT_EQ(Points(RateSample(later, longAgo), rpDiscipline), Points(steady, rpDiscipline));
    // The month is today and the 29 days before: a debt 30 days back is
    // forgiven, one 29 days back is not.
    for (const int32_t back : {30, 29}) {
        History once;
        for (int32_t d = 60; d >= 1; --d) {
            HistorySample s = now;
            s.day = now.day - d;
            if (d == back) s.cash = -1;
            once.Record(s);
        }
        const int32_t discipline = Points(RateSample(now, once), rpDiscipline);
        if (back == 30)
            EXPECT_EQ(discipline, Points(steady, rpDiscipline));
        else
            EXPECT_LT(discipline, Points(steady, rpDiscipline));
    }
    // A day brings up to 13 cases: those are no backlog, more are.
    HistorySample fresh = now, backlog = now;
    fresh.inbox = 13;
    backlog.inbox = 60;
    EXPECT_EQ(Points(RateSample(fresh, Behind(now, 60, 50000, 10)), rpDiscipline), Points(steady, rpDiscipline));
    EXPECT_LT(Points(RateSample(backlog, Behind(now, 60, 50000, 10)), rpDiscipline), Points(steady, rpDiscipline));
}

class RatingOfAGame : public GameTest {};

// The chart rates the days gone by from the history alone: a day's rating
// must not change as later days are recorded, and must equal what the
// company was rated that day.
TEST_F(RatingOfAGame, ADayGoneByIsRatedAsItWasThatDay) {
    game->NewGame();
    History history;
    history.Record(*game);
    std::vector<std::pair<HistorySample, Rating>> rated;
    for (int32_t day = 0; day < 800; ++day) {
        if (day % 3 == 0)
            while (game->CurrentCase()) game->CurrentCase()->kind == ckInfo ? game->AnswerOk() : game->AnswerYes();
        game->NextDay();
        history.Record(*game);
        rated.emplace_back(history.Latest(), RateCompany(*game, history));
    }
    // Within the last year the samples are the days themselves.
    for (size_t i = rated.size() - History::kDailySpan; i < rated.size(); ++i)
        EXPECT_EQ(RateSample(rated[i].first, history), rated[i].second) << "day " << rated[i].first.day;
}

}  // namespace
}  // namespace dzwonex::testing
