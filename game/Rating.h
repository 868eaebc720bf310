#pragma once
#include <array>
#include <cstdint>

#include "History.h"

namespace dzwonex {

class Company;

// The parts of the company's rating ("Ocena firmy"), in the order they are shown.
enum RatingPart : int32_t {
    rpMoney = 0,       // cash and the last 30 days' net
    rpService = 1,     // subscribers by kind, weighted by what they bring, and booths
    rpReputation = 2,  // the opinion's band and its 30-day trend
    rpEquipment = 3,   // the quality's band
    rpDiscipline = 4,  // full unless the inbox is left to grow or the cash stays in debt
};
inline constexpr int kRatingPartCount = 5;

// The company's rating, 0..1000: the sum of its parts, each a whole number
// of points out of its maximum. It is read from the company's state and
// history alone; it never draws a number and never changes a rule.
struct Rating {
    static constexpr std::array<int32_t, kRatingPartCount> kMaximum = {250, 250, 200, 100, 200};
    static constexpr int32_t kTotalMaximum = 1000;

    int32_t total = 0;
    std::array<int32_t, kRatingPartCount> points{};  // by RatingPart
    bool operator==(const Rating&) const = default;
};

// The company as it stands now, with the history for the 30 and 90 days
// before (a history without them rates the time it has). Cheap enough to
// call after every day and every answer.
Rating RateCompany(const Company& game, const History& history);

// The company as one sample shows it, with the history before that sample's
// day: what the chart draws for days gone by.
Rating RateSample(const HistorySample& now, const History& history);

// The names of the parts as the JSON of the text front end writes them.
const char* RatingPartKey(RatingPart part);

}  // namespace dzwonex
