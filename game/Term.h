#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "Rating.h"

namespace dzwonex {

class Company;

// How a term stands: still running, served to its end, or cut short by
// the board.
enum class TermEnd : int32_t { Running = 0, Completed = 1, Dismissed = 2 };

// The manager's term ("Kadencja"): a fixed number of game years from the
// day it starts, rated month by month. The board dismisses the manager when
// the cash stays below kDismissalCash for kDismissalDays days in a row; the
// term then ends early. A plain value: saved games keep it as it is.
struct Term {
    // The lengths a new game offers, in game years; 0 is no term.
    static constexpr std::array<int32_t, 4> kChoices = {1, 2, 5, 10};
    static constexpr int32_t kDefaultYears = 5;
    // Six months below minus 100 000 zł: a debt that a working network's
    // income would pay back within weeks, so one that lasts is a company in
    // ruin. In 50 five-year terms of the bots, the thoughtful manager's cash
    // never fell below zero; refusing everything crossed the line within the
    // first year or two on every seed, accepting everything on 6 seeds of 50
    // (when the phone lines outgrew their repairs).
    static constexpr int32_t kDismissalCash = -100000;
    static constexpr int32_t kDismissalDays = 180;
    static constexpr int32_t kMonthDays = 30;
    static constexpr int32_t kYearDays = 360;

    int32_t years = 0;                    // 1, 2, 5 or 10; 0: no term
    int32_t startDay = 0;                 // the game's day when it began
    int32_t daysBelow = 0;                // the latest run of days ended below kDismissalCash
    std::vector<int32_t> monthlyRatings;  // the rating at the end of each month served
    TermEnd end = TermEnd::Running;
    int32_t endDay = 0;  // the day it ended, once ended
    Rating finalRating;  // the rating that day
    bool operator==(const Term&) const = default;

    // A term of `years` (one of kChoices) from the game's day `day`; any
    // other length is no term.
    static Term Start(int32_t years, int32_t day);

    bool Chosen() const { return years > 0; }
    bool Running() const { return Chosen() && end == TermEnd::Running; }
    int32_t LengthDays() const { return years * kYearDays; }
    // The days served by the game's day `day`, 0..LengthDays().
    int32_t DaysServed(int32_t day) const;

    // Call once after each daily turn, with that day's rating. Keeps the
    // month's rating at each month's end, counts the days in deep debt and
    // ends the term when its time is up or the board dismisses the manager.
    // Returns how the term ended this day, or Running when it goes on (and
    // when there is no term, or it ended before).
    TermEnd AfterDay(const Company& game, const Rating& today);
};

// What the report at the term's end shows.
struct TermReport {
    struct Month {
        int32_t number = 0;  // 1 is the term's first month; 0: no month served
        int32_t rating = 0;
        bool operator==(const Month&) const = default;
    };
    int32_t years = 0;
    TermEnd end = TermEnd::Running;
    int32_t startDay = 0;
    int32_t endDay = 0;
    Rating finalRating;
    Month best;   // the earliest of the best months
    Month worst;  // the earliest of the worst months
    std::vector<int32_t> monthlyRatings;
    bool operator==(const TermReport&) const = default;
};

// The report of an ended term (of a running one: as it stands).
TermReport ReportOf(const Term& term);

}  // namespace dzwonex
