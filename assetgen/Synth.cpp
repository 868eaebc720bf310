#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace dzwonex::assetgen::synth {

namespace {
constexpr double kTwoPi = 2.0 * std::numbers::pi;
}

namespace {
// The shared part of the three filter designs: the angular frequency, the
// bandwidth term and the normaliser.
struct Design {
    double alpha, c, a0;
    Design(double rate, double frequency, double q) {
        const double w = kTwoPi * frequency / rate;
        alpha = std::sin(w) / (2.0 * q);
        c = std::cos(w);
        a0 = 1.0 + alpha;
    }
    double A1() const { return -2.0 * c / a0; }
    double A2() const { return (1.0 - alpha) / a0; }
};
}  // namespace

Biquad Biquad::LowPass(double rate, double cutoff, double q) {
    const Design d(rate, cutoff, q);
    return Biquad((1.0 - d.c) / 2.0 / d.a0, (1.0 - d.c) / d.a0, (1.0 - d.c) / 2.0 / d.a0, d.A1(), d.A2());
}

Biquad Biquad::HighPass(double rate, double cutoff, double q) {
    const Design d(rate, cutoff, q);
    return Biquad((1.0 + d.c) / 2.0 / d.a0, -(1.0 + d.c) / d.a0, (1.0 + d.c) / 2.0 / d.a0, d.A1(), d.A2());
}

Biquad Biquad::BandPass(double rate, double centre, double q) {
    const Design d(rate, centre, q);
    return Biquad(d.alpha / d.a0, 0.0, -d.alpha / d.a0, d.A1(), d.A2());
}

double Biquad::Process(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
}

Signal LoopOf(int length, const std::vector<Partial>& partials) {
    Signal s(static_cast<std::size_t>(length), 0.0);
    for (const Partial& p : partials) {
        for (int i = 0; i < length; ++i) {
            // Whole cycles: reduce the phase exactly before the sine.
            const long long k = static_cast<long long>(p.cycles) * i % length;
            s[static_cast<std::size_t>(i)] +=
                p.amplitude * std::sin(kTwoPi * static_cast<double>(k) / length + p.phase);
        }
    }
    return s;
}

void Normalise(Signal& s, double peak) {
    double largest = 0.0;
    for (double v : s) largest = std::max(largest, std::abs(v));
    if (largest > 0.0)
        for (double& v : s) v *= peak / largest;
}

void Fade(Signal& s, int in, int out) {
    const int n = static_cast<int>(s.size());
    for (int i = 0; i < std::min(in, n); ++i)
        s[static_cast<std::size_t>(i)] *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / in);
    for (int i = 0; i < std::min(out, n); ++i)
        s[static_cast<std::size_t>(n - 1 - i)] *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / out);
}

std::vector<std::int16_t> ToPcm16(const Signal& s) {
    std::vector<std::int16_t> out;
    out.reserve(s.size());
    for (double v : s) {
        const double scaled = std::nearbyint(v * 32767.0);
        out.push_back(static_cast<std::int16_t>(std::clamp(scaled, -32768.0, 32767.0)));
    }
    return out;
}

}  // namespace dzwonex::assetgen::synth
