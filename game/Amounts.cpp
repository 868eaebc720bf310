#include "Amounts.h"

#include <cmath>
#include <limits>

namespace dzwonex {

std::string FormatAmount(int32_t value) {
    const int64_t magnitude = value < 0 ? -static_cast<int64_t>(value) : value;
    std::string text = std::to_string(magnitude);
    if (text.size() > 3) text.insert(text.size() - 3, " ");
    if (text.size() > 7) text.insert(text.size() - 7, " ");
    if (value < 0) text.insert(0, "-");
    return text;
}

double RoundHalfEven(double x) {
    // nearbyint honours the current rounding mode, which the game keeps at
    // round-to-nearest; std::round would send ties away from zero.
    return std::nearbyint(x);
}

int32_t RoundToInt32(double x) {
    if (std::isnan(x)) return 0;
    const double r = RoundHalfEven(x);
    if (r >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (r <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(r);
}

}  // namespace dzwonex
