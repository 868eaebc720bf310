#include "Amounts.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace dzwonex {

std::string FormatAmount(int32_t value) { return FormatAmount(value, Language::Polish); }

std::string FormatAmount(int32_t value, Language language) { return FormatWideAmount(value, language); }

std::string FormatWideAmount(int64_t value, Language language) {
    // Written from the last digit back into a buffer: at most 19 digits,
    // 6 separators and a sign.
    uint64_t magnitude = value < 0 ? 0u - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    char text[32];
    char* at = text + sizeof text;
    int written = 0;
    do {
        // Polish puts a space before the last three digits and before the
        // last six, and keeps the millions and above together; English puts
        // a comma between every three.
        if (written > 0 && written % 3 == 0 && (language == Language::English || written <= 6))
            *--at = language == Language::English ? ',' : ' ';
        *--at = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
        ++written;
    } while (magnitude > 0);
    if (value < 0) *--at = '-';
    return std::string(at, text + sizeof text);
}

std::string FormatMoney(int32_t value, Language language) { return FormatWideMoney(value, language); }

std::string FormatWideMoney(int64_t value, Language language) {
    if (language == Language::Polish) return FormatWideAmount(value, language) + " zł";
    return "PLN " + FormatWideAmount(value, language);
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

std::string RealText(double x) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, x).ptr);
}

}  // namespace dzwonex
