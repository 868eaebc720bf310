#pragma once
#include <charconv>
#include <string>

namespace dzwonex::text {

// A whole number written in full (an optional '+', then digits only) that
// fits in T.
template <typename T>
bool ParseNumber(const std::string& token, T& out) {
    if (token.empty()) return false;
    const char* first = token.data();
    const char* last = token.data() + token.size();
    if (*first == '+') ++first;
    auto [ptr, ec] = std::from_chars(first, last, out);
    return ec == std::errc() && ptr == last && first != last;
}

}  // namespace dzwonex::text
