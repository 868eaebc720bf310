#include "Amounts.h"

#include <cmath>
#include <limits>

namespace dzwonex {

std::string FormatAmount(int32_t value) {
    const int64_t magnitude = value < 0 ? -static_cast<int64_t>(value) : value;
    const std::string digits = std::to_string(magnitude);
    std::string text = value < 0 ? "-" : "";
    // A space before the last three digits and before the last six; the
    // millions and above stay together.
    for (size_t i = 0; i < digits.size(); ++i) {
        const size_t left = digits.size() - i;
        if (i > 0 && (left == 3 || left == 6)) text += ' ';
        text += digits[i];
    }
    return text;
}

std::string FormatAmount(int32_t value, Language language) {
    if (language == Language::Polish) return FormatAmount(value);
    const int64_t magnitude = value < 0 ? -static_cast<int64_t>(value) : value;
    const std::string digits = std::to_string(magnitude);
    std::string text = value < 0 ? "-" : "";
    for (size_t i = 0; i < digits.size(); ++i) {
        const size_t left = digits.size() - i;
        if (i > 0 && left % 3 == 0) text += ',';
        text += digits[i];
    }
    return text;
}

std::string FormatMoney(int32_t value, Language language) {
    if (language == Language::Polish) return FormatAmount(value) + " zł";
    return "PLN " + FormatAmount(value, language);
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
