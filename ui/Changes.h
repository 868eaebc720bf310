#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "Company.h"

namespace dzwonex {

// What the player sees of the company, to tell what an action changed.
struct CompanyLook {
    int64_t cash = 0;
    int32_t opinion = 0;  // rounded, as the labels show it
    int32_t quality = 0;
    std::array<int32_t, kKindCount> counts{};
    int64_t cases = 0;
    static CompanyLook Of(const Company& game);
};

// A signed whole number in the game's format, with a real minus sign:
// "+1 000", "−5", "0".
std::string FormatChange(int64_t delta);

// The changes from one look to the next, the most important first:
// "Kasa +828 zł", "Opinia −1", "SDI +1", "Sprawy +2". Cases are told only
// when new ones came.
std::vector<std::string> DescribeChanges(const CompanyLook& before, const CompanyLook& after);

// The parts joined the way the feedback line shows them.
std::string JoinChanges(const std::vector<std::string>& parts);

}  // namespace dzwonex
