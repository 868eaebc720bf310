#pragma once
#include <cstdint>
#include <string>

#include "History.h"
#include "Rating.h"
#include "Strategies.h"
#include "Term.h"

namespace dzwonex::bots {

// One term played by one strategy on one seed.
struct MatchResult {
    std::string strategy;
    uint32_t seed = 0;
    TermEnd end = TermEnd::Running;
    int32_t endDay = 0;
    Rating rating;           // the term's final rating
    HistorySample last;      // the company on its last day
    double netPerDay = 0;    // over its last 30 days
    int32_t lowestCash = 0;  // at the end of a day
};

// Plays a term of `years` through the text front end's commands, in
// process: the strategy answers, then a day passes, until the term ends.
// `assets` is the folder of the game's pictures. Throws std::runtime_error
// when the game cannot start.
// With `trace`, prints the company at each month's end.
MatchResult PlayTerm(Strategy& strategy, uint32_t seed, int32_t years, const std::string& assets, bool trace = false);

}  // namespace dzwonex::bots
