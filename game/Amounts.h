#pragma once
#include <cstdint>
#include <string>

namespace dzwonex {

// Digits of the magnitude, a space before the last three digits and one
// more before the last seven (never more than two), a minus for negatives.
std::string FormatAmount(int32_t value);

// Round to nearest, ties to even, as every rounding in the game does.
double RoundHalfEven(double x);

// A real brought to a 32-bit whole number: rounded half-to-even, held at
// the ends of the range; NaN gives 0.
int32_t RoundToInt32(double x);

}  // namespace dzwonex
