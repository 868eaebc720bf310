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

// A page turned over: a soft rustle of paper, a faint swish with a few
// crinkles in it, gone within a fifth of a second and well below the
// other effects.
std::vector<std::int16_t> PageSound() {
    Prng rng(0x50616765u);
    constexpr double kLength = 0.18;
    const int n = Samples(kLength);
    Signal s(static_cast<std::size_t>(n));
    // The swish: band-limited noise swelling and fading smoothly.
    Biquad body = Biquad::BandPass(kRate, 2600.0, 0.8);
    for (int i = 0; i < n; ++i) {
        const double x = static_cast<double>(i) / n;
        const double swell = std::sqrt(std::sin(std::numbers::pi * x));
        s[static_cast<std::size_t>(i)] = 0.5 * body.Process(rng.Noise()) * swell;
    }
    // The crinkles: short grains of brighter noise, most near the middle.
    for (int g = 0; g < 18; ++g) {
        const double where = 0.5 * (rng.Real() + rng.Real());
        const int begin = Samples(0.012 + 0.14 * where);
        const int length = Samples(rng.Real(0.002, 0.006));
        Biquad grain = Biquad::BandPass(kRate, rng.Real(2500.0, 6000.0), 2.0);
        const double level = rng.Real(0.15, 0.4);
        for (int j = 0; j < length && begin + j < n; ++j) {
            const double w = std::sin(std::numbers::pi * j / length);
            s[static_cast<std::size_t>(begin + j)] += level * grain.Process(rng.Noise()) * w * w;
        }
    }
    // Soft at both ends of the spectrum: no thump, no hiss.
    Biquad low = Biquad::LowPass(kRate, 7000.0, 0.7);
    Biquad high = Biquad::HighPass(kRate, 700.0, 0.7);
    for (double& v : s) v = low.Process(high.Process(v));
    // Rounded peaks: the rustle stays low at its peak and still carries.
    double power = 0;
    for (double v : s) power += v * v;
    const double knee = 2.6 * std::sqrt(power / n);
    for (double& v : s) v = knee * std::tanh(v / knee);
    // Peak at -12.5 dBFS.
    return Finish(s, 0.237, 0.004, 0.025);
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
