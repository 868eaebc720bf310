#pragma once
#include <array>
#include <cstdint>
#include <optional>

#include "Subscribers.h"

namespace dzwonex {

// What the player or the clock did.
enum class Action { Day, Yes, No, Ok, MapPress };

// What one action changed, in the units the player reads: cash in złoty,
// opinion and quality as shown (rounded), subscribers of each kind, and the
// cases it added to the inbox.
struct Effects {
    int64_t cash = 0;
    int64_t opinion = 0;
    int64_t quality = 0;
    std::array<int64_t, kKindCount> counts{};  // by kind 1..6
    int64_t newCases = 0;
    bool operator==(const Effects&) const = default;
    bool Empty() const { return *this == Effects{}; }
};

// What Tak on a case the map raised would do, as far as it is known before
// the answer draws: a disconnect removes its subscriber and costs opinion,
// a booth costs its price and wins opinion.
struct Proposal {
    int64_t cash = 0;
    int32_t kind = 0;         // the subscriber kind that changes
    int32_t countChange = 0;  // -1 or +1
    int32_t opinionSign = 0;  // -1 down, +1 up
    bool operator==(const Proposal&) const = default;
};

// One report to the view: the action, its effects and, after a press on
// the map, what Tak on the case it raised would do.
struct ActionReport {
    Action action = Action::Day;
    Effects effects;
    std::optional<Proposal> proposal;
};

}  // namespace dzwonex
