// The manager's term: its months, its end and the board's patience.
#include "Term.h"

#include <algorithm>

#include "Company.h"

namespace dzwonex {

Term Term::Start(int32_t years, int32_t day) {
    Term term;
    if (std::find(kChoices.begin(), kChoices.end(), years) == kChoices.end()) return term;
    term.years = years;
    term.startDay = day;
    return term;
}

int32_t Term::DaysServed(int32_t day) const {
    if (!Chosen()) return 0;
    const int64_t served = int64_t{day} - startDay;
    return static_cast<int32_t>(std::clamp<int64_t>(served, 0, LengthDays()));
}

TermEnd Term::AfterDay(const Company& game, const Rating& today) {
    if (!Running()) return TermEnd::Running;
    const int32_t served = DaysServed(game.Day());
    // A month ends every 30 days of the term; a day skipped (never in play)
    // gives the months it skipped today's rating.
    while (static_cast<int64_t>(monthlyRatings.size()) < served / kMonthDays) monthlyRatings.push_back(today.total);
    daysBelow = game.Cash().Value() < kDismissalCash ? daysBelow + 1 : 0;
    if (served >= LengthDays())
        end = TermEnd::Completed;
    else if (daysBelow >= kDismissalDays)
        end = TermEnd::Dismissed;
    else
        return TermEnd::Running;
    endDay = game.Day();
    finalRating = today;
    return end;
}

TermReport ReportOf(const Term& term) {
    TermReport report;
    report.years = term.years;
    report.end = term.end;
    report.startDay = term.startDay;
    report.endDay = term.endDay;
    report.finalRating = term.finalRating;
    report.monthlyRatings = term.monthlyRatings;
    const auto& months = term.monthlyRatings;
    if (!months.empty()) {
        // max_element and min_element find the earliest of equals.
        const auto best = std::max_element(months.begin(), months.end());
        const auto worst = std::min_element(months.begin(), months.end());
        report.best = {static_cast<int32_t>(best - months.begin()) + 1, *best};
        report.worst = {static_cast<int32_t>(worst - months.begin()) + 1, *worst};
    }
    return report;
}

}  // namespace dzwonex
