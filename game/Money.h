#pragma once
#include <compare>
#include <cstdint>
#include <limits>

namespace dzwonex {

// An amount of złoty. Cash may be negative, and every sum is held at both
// ends of the 32-bit range instead of wrapping, so no caller can forget.
class Money {
public:
    static constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    static constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

    constexpr Money() = default;
    // Any whole number, held to the 32-bit range.
    constexpr explicit Money(int64_t amount) : value_(Hold(amount)) {}

    constexpr int32_t Value() const { return value_; }

    constexpr Money operator+(Money other) const { return Money(int64_t{value_} + other.value_); }
    constexpr Money operator-(Money other) const { return Money(int64_t{value_} - other.value_); }
    constexpr Money operator-() const { return Money(-int64_t{value_}); }
    constexpr Money& operator+=(Money other) { return *this = *this + other; }
    constexpr Money& operator-=(Money other) { return *this = *this - other; }
    constexpr auto operator<=>(const Money&) const = default;

private:
    static constexpr int32_t Hold(int64_t x) { return x > kMax ? kMax : x < kMin ? kMin : static_cast<int32_t>(x); }
    int32_t value_ = 0;
};

}  // namespace dzwonex
