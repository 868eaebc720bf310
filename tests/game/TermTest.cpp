// The manager's term: its months, its end on time, and the board's
// patience with a company deep in debt.
#include <gtest/gtest.h>

#include "GameFixture.h"
#include "Term.h"

namespace dzwonex::testing {
namespace {

Rating Rated(int32_t total) {
    Rating r;
    r.total = total;
    return r;
}

class TermTest : public GameTest {
protected:
    // One day of the term ending with this cash and rating.
    TermEnd Live(Term& term, int32_t cash, int32_t rating) {
        build.SetDay(game->Day() + 1);
        build.Cash(cash);
        return term.AfterDay(*game, Rated(rating));
    }
};

TEST_F(TermTest, RunsItsYearsMonthByMonthAndReportsTheBestAndWorstMonths) {
    build.SetDay(17);
    Term term = Term::Start(2, 17);
    ASSERT_TRUE(term.Running());
    const int32_t days = 2 * Term::kYearDays;
    for (int32_t d = 1; d < days; ++d) {
        // A month's rating is its last day's: 100 + the month's number,
        // but month 5 and month 9 dip to 50, month 7 and 20 peak at 900.
        const int32_t month = (d - 1) / Term::kMonthDays + 1;
        const int32_t rating = month == 5 || month == 9 ? 50 : month == 7 || month == 20 ? 900 : 100 + month;
        ASSERT_EQ(Live(term, 1000, rating), TermEnd::Running) << d;
    }
    EXPECT_EQ(term.DaysServed(game->Day()), days - 1);
    EXPECT_EQ(Live(term, 1000, 333), TermEnd::Completed);
    EXPECT_EQ(term.endDay, 17 + days);
    EXPECT_EQ(term.finalRating.total, 333);

    const TermReport report = ReportOf(term);
    EXPECT_EQ(report.end, TermEnd::Completed);
    EXPECT_EQ(report.monthlyRatings.size(), 24u);
    EXPECT_EQ(report.monthlyRatings.back(), 333);
    EXPECT_EQ(report.monthlyRatings.front(), 101);
    EXPECT_EQ(report.best, (TermReport::Month{7, 900}));  // the earlier of equals
    EXPECT_EQ(report.worst, (TermReport::Month{5, 50}));

    // Over: the days after change nothing.
    const Term ended = term;
    EXPECT_EQ(Live(term, -5000000, 0), TermEnd::Running);
    EXPECT_EQ(term, ended);
}

TEST_F(TermTest, TheBoardDismissesAfterSixMonthsInARowBelowTheThreshold) {
    Term term = Term::Start(5, 0);
    const int32_t below = Term::kDismissalCash - 1;
    // At the threshold itself is not below it; one day above starts the count again.
    for (int32_t d = 0; d < Term::kDismissalDays - 1; ++d) ASSERT_EQ(Live(term, below, 200), TermEnd::Running);
    EXPECT_EQ(Live(term, Term::kDismissalCash, 200), TermEnd::Running);
    for (int32_t d = 0; d < Term::kDismissalDays - 1; ++d) ASSERT_EQ(Live(term, below, 200), TermEnd::Running);
    EXPECT_EQ(Live(term, below, 150), TermEnd::Dismissed);
    EXPECT_EQ(term.endDay, game->Day());
    EXPECT_EQ(term.finalRating.total, 150);
    EXPECT_FALSE(term.Running());
    EXPECT_EQ(ReportOf(term).end, TermEnd::Dismissed);
}

TEST_F(TermTest, OnlyTheOfferedLengthsMakeATerm) {
    for (int32_t years : {0, -1, 3, 4, 20, 2147483647}) {
        Term term = Term::Start(years, 5);
        EXPECT_FALSE(term.Chosen()) << years;
        EXPECT_EQ(Live(term, Money::kMin, 0), TermEnd::Running);
        EXPECT_EQ(term, Term{});
    }
    for (int32_t years : Term::kChoices) EXPECT_EQ(Term::Start(years, 5).LengthDays(), years * 360);
    // A report of a term with no month served names no month.
    EXPECT_EQ(ReportOf(Term::Start(1, 0)).best, TermReport::Month{});
}

}  // namespace
}  // namespace dzwonex::testing
