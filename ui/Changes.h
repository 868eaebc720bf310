#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "Company.h"
#include "Language.h"

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

// A signed whole number in the language's format, with a real minus sign:
// "+1 000", "−5", "0" ("+1,000" in English).
std::string FormatChange(int64_t delta, Language language = Language::Polish);
// A signed amount of money: "+828 zł", "−1 000 zł" ("+PLN 828" in English).
std::string FormatMoneyChange(int64_t delta, Language language = Language::Polish);

// One change with its name, in the words of the translation installed and
// the numbers of the language: "Kasa +828 zł", "Budki −1".
std::string CashChange(int64_t delta, Language language = Language::Polish);
std::string KindChange(int kind, int64_t delta, Language language = Language::Polish);

// The changes from one look to the next, the most important first:
// "Kasa +828 zł", "Opinia −1", "SDI +1", "Sprawy +2". Cases are told only
// when new ones came.
std::vector<std::string> DescribeChanges(const CompanyLook& before, const CompanyLook& after,
                                         Language language = Language::Polish);

// The parts joined the way the feedback line shows them.
std::string JoinChanges(const std::vector<std::string>& parts);

}  // namespace dzwonex
