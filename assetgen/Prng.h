#pragma once
// A small seeded generator (SplitMix64) for the asset generator. Every
// asset draws from its own fixed seed, so the files come out the same
// on every build and one asset's changes never shift another's.
#include <cstdint>

namespace dzwonex::assetgen {

class Prng {
public:
    explicit Prng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double Real() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
    // Uniform in [lo, hi).
    double Real(double lo, double hi) { return lo + (hi - lo) * Real(); }
    // Uniform whole number in [0, n), n > 0.
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    // Uniform whole number in [lo, hi].
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
    bool Chance(double p) { return Real() < p; }
    // Uniform in [-1, 1): white noise for the synthesisers.
    double Noise() { return Real() * 2.0 - 1.0; }

private:
    std::uint64_t state_;
};

}  // namespace dzwonex::assetgen
