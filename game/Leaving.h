#pragma once
// Where the daily rules drive subscribers away, read from the rules
// themselves (Drift.h): the help, the bands of the statistics and the
// warnings all say the levels these compute. Read only; nothing here draws.
#include <array>
#include <cstdint>
#include <vector>

#include "Subscribers.h"

namespace dzwonex {

class Company;

// The level below which a kind's subscribers leave, on the figure each
// rule reads:
//  phone lines leave on average while the opinion is below PhonesLeaveBelow();
//  ISDN lines on average while opinion − quality is below IsdnLeavesBelow,
//  which falls with the phone lines;
//  SDI and Neostrada lines on some days while opinion + quality is below
//  LinesLeaveBelow, and on every day below LinesLeaveEveryDayBelow; both
//  fall a little with the kind's own lines.
double PhonesLeaveBelow();
double IsdnLeavesBelow(int32_t phones);
double LinesLeaveBelow(int32_t lines);
double LinesLeaveEveryDayBelow(int32_t lines);

// The figure a kind's leaving is read on.
enum class LeavingMeasure {
    Opinion,             // phone lines
    OpinionLessQuality,  // ISDN
    OpinionPlusQuality,  // SDI, Neostrada
};

struct KindLeaving {
    int32_t kind = 0;
    LeavingMeasure measure = LeavingMeasure::Opinion;
    int32_t below = 0;  // the level, a whole number as the figures are shown
    bool operator==(const KindLeaving&) const = default;
};

// The kinds the rules drive away at this opinion and quality, kind by kind;
// a kind nobody subscribes to is not leaving. Polpak-T lines leave only by
// chance and booths never.
std::vector<KindLeaving> KindsLeaving(double opinion, double quality, const std::array<int32_t, kKindCount>& counts);
std::vector<KindLeaving> KindsLeaving(const Company& game);

}  // namespace dzwonex
