#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include <QString>

#include "Leaving.h"

namespace dzwonex {

// Tells when a kind of subscriber starts to leave, once: not again while
// it goes on, nor when it starts anew within a month of the last warning,
// so a figure hovering at its level does not fill the line day after day.
class LeavingWatch {
public:
    // The kinds leaving on this day: the warning for those that started,
    // in one line, or nothing.
    QString Check(const std::vector<KindLeaving>& leaving, int32_t day);
    // Another game: what the last one was told is forgotten.
    void Reset();

private:
    std::array<bool, kKindCount> leaving_{};
    std::array<int32_t, kKindCount> toldOn_{};
    std::array<bool, kKindCount> told_{};
};

}  // namespace dzwonex
