#pragma once
#include <cstdint>

namespace dzwonex {

// The milestones ("Osiągnięcia"), in the order they are listed. New ones
// go at the end: files keep them by key (MilestoneKey), not by number.
enum MilestoneId : int32_t {
    msIsdn100 = 0,           // 100 ISDN lines
    msSdi100,                // 100 SDI lines
    msNeostrada100,          // 100 Neostrada lines
    msPolpak10,              // 10 Polpak-T lines
    msPhones2000,            // 2 000 phone lines
    msTenNewBooths,          // 10 booths more than the game began with
    msFullRange,             // 50 lines of each of the five kinds
    msFirstMillion,          // cash of 1 000 000 zł
    msHundredMillion,        // cash of 100 000 000 zł
    msMonthInProfit,         // 30 days in a row with the day's income above its costs
    msYearWithoutDebt,       // 360 days in a row ending with cash of 0 or more
    msOutOfDebt,             // cash back at 0 or more after 30 days or more in debt
    msSixMonthsGoodOpinion,  // 180 days in a row with the opinion in the good band
    msTownFavourite,         // opinion of 50
    msModernEquipment,       // quality of 20
    msCleanInbox,            // the inbox emptied on a month's last day
    msGoodCompany,           // rating of 700
    msModelCompany,          // rating of 900
    msFiveYears,             // five game years
};
inline constexpr int kMilestoneCount = msFiveYears + 1;

}  // namespace dzwonex
