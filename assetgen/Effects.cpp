// button.wav, page.wav and click.wav: three short effects, synthesised.
// Each starts and ends in silence and peaks well below full scale.
#include "Assets.h"
#include "Prng.h"
#include "Synth.h"

#include <cmath>
#include <numbers>

namespace dzwonex::assetgen {
namespace {

using synth::Biquad;
using synth::Signal;

constexpr double kRate = kEffectRate;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

int Samples(double seconds) { return static_cast<int>(seconds * kRate); }

std::vector<std::int16_t> Finish(Signal s, double peak, double fadeIn, double fadeOut) {
    synth::Normalise(s, peak);
    synth::Fade(s, Samples(fadeIn), Samples(fadeOut));
    return synth::ToPcm16(s);
}

}  // namespace

// A soft plastic key: a bright tick over a short, round body.
std::vector<std::int16_t> ButtonSound() {
    Prng rng(0x42757474u);
    Signal s(static_cast<std::size_t>(Samples(0.12)));
    Biquad tickFilter = Biquad::BandPass(kRate, 3200.0, 1.5);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double tick = tickFilter.Process(rng.Noise()) * std::exp(-t / 0.004);
        const double ping = 0.55 * std::sin(kTwoPi * 1250.0 * t) * std::exp(-t / 0.022) +
                            0.20 * std::sin(kTwoPi * 2510.0 * t + 0.3) * std::exp(-t / 0.009);
        const double body = 0.45 * std::sin(kTwoPi * 640.0 * t) * std::exp(-t / 0.030);
        s[i] = 1.6 * tick + ping + body;
    }
    return Finish(s, 0.70, 0.0015, 0.025);
}

// A page turned over: a rustle of filtered noise that rises and falls,
// fluttering a little, and settles with a faint pat.
std::vector<std::int16_t> PageSound() {
    Prng rng(0x50616765u);
    const int n = Samples(0.33);
    Signal s(static_cast<std::size_t>(n));
    Biquad high = Biquad::HighPass(kRate, 500.0, 0.7);
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double x = t / 0.33;
        // Brighter while the page lifts, duller as it lands.
        const double centre = 1200.0 + 3600.0 * std::sin(std::numbers::pi * std::min(1.0, x * 1.1));
        const double envelope = std::pow(std::sin(std::numbers::pi * std::min(1.0, x * 1.08)), 1.6) *
                                (0.78 + 0.22 * std::sin(kTwoPi * 21.0 * t));
        s[static_cast<std::size_t>(i)] = high.Process(rng.Noise()) * envelope * (0.6 + 0.4 * centre / 4800.0);
    }
    // Soften the noise with a gliding two-pole low-pass.
    double y1 = 0.0, y2 = 0.0;
    for (int i = 0; i < n; ++i) {
        const double x = static_cast<double>(i) / n;
        const double cutoff = 2500.0 + 4500.0 * std::sin(std::numbers::pi * std::min(1.0, x * 1.1));
        const double a = 1.0 - std::exp(-kTwoPi * cutoff / kRate);
        y1 += a * (s[static_cast<std::size_t>(i)] - y1);
        y2 += a * (y1 - y2);
        s[static_cast<std::size_t>(i)] = y2;
    }
    // The pat of the page landing.
    const int land = Samples(0.25);
    for (int i = land; i < n; ++i) {
        const double t = static_cast<double>(i - land) / kRate;
        s[static_cast<std::size_t>(i)] +=
            0.35 * std::sin(kTwoPi * 170.0 * t) * std::exp(-t / 0.018) * (1.0 - std::exp(-t / 0.002));
    }
    return Finish(s, 0.60, 0.004, 0.030);
}

// A drop of a click: a short blip gliding down, with a tiny edge.
std::vector<std::int16_t> ClickSound() {
    Prng rng(0x436C6963u);
    const int n = Samples(0.09);
    Signal s(static_cast<std::size_t>(n));
    Biquad edge = Biquad::HighPass(kRate, 4000.0, 0.7);
    double phase = 0.0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double f = 720.0 + 780.0 * std::exp(-t / 0.012);
        phase += kTwoPi * f / kRate;
        s[static_cast<std::size_t>(i)] =
            std::sin(phase) * std::exp(-t / 0.016) + 0.5 * edge.Process(rng.Noise()) * std::exp(-t / 0.0015);
    }
    return Finish(s, 0.70, 0.001, 0.020);
}

}  // namespace dzwonex::assetgen
