#include "TestRandom.h"

namespace dzwonex {

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
