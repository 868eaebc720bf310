#include "Random.h"

#include <chrono>

namespace dzwonex {

int32_t Lcg32::Random(int32_t n) {
    const uint32_t s = Next();
    if (n <= 0) return 0;
    return static_cast<int32_t>((static_cast<uint64_t>(s) * static_cast<uint32_t>(n)) >> 32);
}

double Lcg32::RandomReal() {
    return static_cast<double>(Next()) / 4294967296.0;
}

uint32_t Lcg32::ClockSeed() {
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    const auto msOfDay = duration_cast<milliseconds>(now).count() % (24LL * 60 * 60 * 1000);
    return static_cast<uint32_t>(msOfDay);
}

double ScriptedRandom::NextAnswer() {
    if (next_ < answers_.size()) return answers_[next_++];
    return fallback_;
}

int32_t ScriptedRandom::Random(int32_t n) {
    draws_.push_back({false, n});
    const double a = NextAnswer();
    if (n <= 0) return 0;
    auto v = static_cast<int32_t>(a);
    if (v < 0) v = 0;
    if (v >= n) v = n - 1;
    return v;
}

double ScriptedRandom::RandomReal() {
    draws_.push_back({true, 0});
    return NextAnswer();
}

}  // namespace dzwonex
