#pragma once
// Small synthesis tools for the music's instruments and the effects.
#include <cstdint>
#include <vector>

namespace dzwonex::assetgen::synth {

using Signal = std::vector<double>;

// RBJ biquad filter, direct form I.
class Biquad {
public:
    static Biquad LowPass(double rate, double cutoff, double q);
    static Biquad HighPass(double rate, double cutoff, double q);
    static Biquad BandPass(double rate, double centre, double q);

    double Process(double x);

private:
    Biquad() = default;
    Biquad(double b0, double b1, double b2, double a1, double a2) : b0_(b0), b1_(b1), b2_(b2), a1_(a1), a2_(a2) {}

    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// One partial of a looping wave: `cycles` whole periods over the loop.
struct Partial {
    int cycles;
    double amplitude;
    double phase;  // radians
};

// A loop of `length` samples that repeats seamlessly: every partial
// makes a whole number of cycles in it.
Signal LoopOf(int length, const std::vector<Partial>& partials);

// Scales so that the largest magnitude is `peak`.
void Normalise(Signal& s, double peak);

// Raised-cosine fades: from silence over the first `in` samples and to
// silence over the last `out` samples (the very first and last samples
// become exactly 0).
void Fade(Signal& s, int in, int out);

// Rounds to 16-bit, clamping.
std::vector<std::int16_t> ToPcm16(const Signal& s);

}  // namespace dzwonex::assetgen::synth
