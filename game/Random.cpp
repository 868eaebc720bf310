#include "Random.h"

#include <chrono>

namespace dzwonex {

int32_t Lcg32::Random(int32_t n) {
    const uint32_t s = Next();
    if (n <= 0) return 0;
    return static_cast<int32_t>((static_cast<uint64_t>(s) * static_cast<uint32_t>(n)) >> 32);
}

double Lcg32::RandomReal() { return static_cast<double>(Next()) / 4294967296.0; }

uint32_t Lcg32::ClockSeed() {
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    const auto msOfDay = duration_cast<milliseconds>(now).count() % (24LL * 60 * 60 * 1000);
    return static_cast<uint32_t>(msOfDay);
}

}  // namespace dzwonex
