#pragma once
// The daily rules' change of the subscriber numbers: each a formula of the
// opinion, the quality, a count and the day's draw r in [0, 1). The daily
// turn applies them; the bands, the help and the warnings read them too, so
// what the player is told is what the turn does.
#include <cstdint>

#include "Amounts.h"

namespace dzwonex::drift {

// Phone lines gained, or lost below zero.
inline int32_t Phones(double opinion, double r) { return RoundToInt32(8 * r + opinion / 10 - 4); }

// ISDN lines gained or lost, `phones` counted after their own drift.
inline int32_t Isdn(double opinion, double quality, double r, int32_t phones) {
    return RoundToInt32(opinion / 10 - quality / 10 - 4 * r + phones / 1000.0);
}

// SDI or Neostrada lines lost: below zero that many leave; they come only
// through applications.
inline int32_t Lines(double opinion, double quality, double r, int32_t lines) {
    return RoundToInt32(opinion / 10 + quality / 10 - r + lines / 1000.0);
}

}  // namespace dzwonex::drift
