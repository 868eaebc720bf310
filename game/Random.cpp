#include "Random.h"

namespace dzwonex {

int32_t Lcg32::Random(int32_t n) {
    const uint32_t s = Next();
    if (n <= 0) return 0;
    return static_cast<int32_t>((static_cast<uint64_t>(s) * static_cast<uint32_t>(n)) >> 32);
}

double Lcg32::RandomReal() { return static_cast<double>(Next()) / 4294967296.0; }

}  // namespace dzwonex
