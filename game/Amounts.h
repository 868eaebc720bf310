#pragma once
#include <cstdint>
#include <string>

#include "Language.h"

namespace dzwonex {

// Digits of the magnitude, a space before the last three digits and one
// more before the last seven (never more than two), a minus for negatives.
std::string FormatAmount(int32_t value);

// A whole number as the language writes it: Polish as above, English with
// a comma between every three digits ("-1,234,567").
std::string FormatAmount(int32_t value, Language language);
// An amount of money: "24 867 zł" in Polish, "PLN 24,867" in English.
std::string FormatMoney(int32_t value, Language language);
// The same for the sums and changes that leave 32 bits (a day's costs, the
// change from the least cash to the most): "4294 967 295 zł".
std::string FormatWideAmount(int64_t value, Language language);
std::string FormatWideMoney(int64_t value, Language language);

// Round to nearest, ties to even, as every rounding in the game does.
double RoundHalfEven(double x);

// A real brought to a 32-bit whole number: rounded half-to-even, held at
// the ends of the range; NaN gives 0.
int32_t RoundToInt32(double x);

// The shortest text that reads back as the same real, for messages:
// "1e+12", "2147483648", "0.1".
std::string RealText(double x);

}  // namespace dzwonex
