// psych.xm: the background music, a dreamy mid-tempo tune in A minor.
//
// Twelve 64-row patterns at speed 6 and 112 BPM (4 rows to a beat, one
// bar of 4/4 per 16 rows, about 8.6 s a pattern, 103 s in all):
//   intro (pads and arpeggio), intro with bass and hats,
//   A A' (Am F C G, lead melody), B B' (Dm Am F E),
//   a break (F G Em Am, bells over pads), a build-up (F G E E),
//   A A' with bells, B B' ending on E, which leads back to the first A
//   (the restart position), so the song loops without its intro.
// Channels: lead, lead echo, arpeggio, bass, three pad voices, kick,
// snare, hats, bells. All instruments are synthesised here; the looped
// ones hold whole cycles in their loops so the loops are seamless.
// Every sample starts at zero and rises over a few milliseconds, even at
// the highest note the score gives it, so no note starts with a click;
// every instrument has a volume envelope, so a key-off releases it
// instead of cutting it.
#include "Assets.h"
#include "Prng.h"
#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <sstream>
#include <stdexcept>
#include <string>

namespace dzwonex::assetgen {
namespace {

using synth::Partial;
using synth::Signal;
using xm::Cell;

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Every tonal sample is tuned so that one period at C-4 is 128 samples
// long and plays back (relative note +24) at 4 x 8363 Hz; the drums and
// bells keep half that rate (relative note +12).
constexpr int kPeriod = 128;
constexpr double kFullRate = 8363.0 * 4.0;
constexpr double kHalfRate = 8363.0 * 2.0;

enum Instrument : std::uint8_t {
    kLead = 1,
    kPad,
    kBass,
    kPluck,
    kKick,
    kSnare,
    kClosedHat,
    kOpenHat,
    kBell,
};

enum Channel : int {
    chLead,
    chEcho,
    chArp,
    chBass,
    chPad1,
    chPad2,
    chPad3,
    chKick,
    chSnare,
    chHat,
    chBell,
    kChannels,
};

constexpr int kRowsPerBar = 16;
constexpr int kBarsPerPattern = 4;
constexpr int kRowsPerPattern = kRowsPerBar * kBarsPerPattern;

// ---------------------------------------------------------------------
// Instruments.

double Softness(int harmonic, double cutoff) { return 1.0 / (1.0 + (harmonic / cutoff) * (harmonic / cutoff)); }

// Length in sample points of an attack that lasts `seconds` when a sample
// that plays at `rateAtC4` for C-4 is played at `highest`, the highest
// note it gets: at lower notes the attack lasts longer.
int AttackLength(double seconds, double rateAtC4, std::uint8_t highest) {
    const double rate = rateAtC4 * std::pow(2.0, (highest - xm::Note(4, 0)) / 12.0);
    return static_cast<int>(std::ceil(seconds * rate));
}

// A wave that repeats (`period`, one pass of a seamless loop) preceded by
// its own first `attack` samples rising from silence: the loop starts
// where the attack ends, at the same point of the wave, so the sound
// goes on without a seam.
xm::Sample LoopedSample(const char* name, Signal period, int attack, std::int8_t relative, std::uint8_t volume,
                        std::uint8_t panning) {
    synth::Normalise(period, 0.95);
    const std::size_t length = period.size();
    Signal wave(static_cast<std::size_t>(attack) + length);
    for (std::size_t i = 0; i < wave.size(); ++i) wave[i] = period[i % length];
    synth::Fade(wave, attack, 0);
    xm::Sample s;
    s.name = name;
    s.data = synth::ToPcm16(wave);
    s.loop = xm::Sample::Loop::Forward;
    s.loopStart = static_cast<std::uint32_t>(attack);
    s.loopLength = static_cast<std::uint32_t>(length);
    s.relativeNote = relative;
    s.volume = volume;
    s.panning = panning;
    return s;
}

xm::Sample OneShot(const char* name, Signal wave, int attack, std::int8_t relative, std::uint8_t volume,
                   std::uint8_t panning) {
    synth::Normalise(wave, 0.95);
    synth::Fade(wave, attack, static_cast<int>(wave.size() / 10));
    xm::Sample s;
    s.name = name;
    s.data = synth::ToPcm16(wave);
    s.relativeNote = relative;
    s.volume = volume;
    s.panning = panning;
    return s;
}

xm::Instrument NamedInstrument(const char* name, xm::Sample sample) {
    xm::Instrument ins;
    ins.name = name;
    ins.samples.push_back(std::move(sample));
    return ins;
}

// A one-shot instrument: its sample decays by itself, and its flat
// envelope only makes a key-off fade it out quickly (without a volume
// envelope a key-off silences a note at once).
xm::Instrument OneShotInstrument(const char* name, xm::Sample sample) {
    xm::Instrument ins = NamedInstrument(name, std::move(sample));
    ins.volumeEnvelope.points = {{0, 64}, {1, 64}};
    ins.volumeEnvelope.sustain = 1;
    ins.fadeout = 4095;  // gone 8 ticks after the key-off
    return ins;
}

// Attacks, at the highest note of each instrument.
constexpr double kToneAttack = 0.004;
constexpr double kPluckAttack = 0.005;
constexpr double kBellAttack = 0.005;
constexpr double kKickAttack = 0.003;
constexpr double kSnareAttack = 0.004;
constexpr double kHatAttack = 0.005;

// Warm lead: a soft pulse with a quieter saw a few cents above it.
xm::Instrument MakeLead(Prng& rng, std::uint8_t highest) {
    const int cycles = 128;
    std::vector<Partial> partials;
    for (int h = 1; h <= 15; ++h) {
        const double odd = h % 2 ? 1.0 : 0.3;
        partials.push_back({cycles * h, odd / h * Softness(h, 6.0), rng.Real(0, kTwoPi)});
    }
    for (int h = 1; h <= 12; ++h)
        partials.push_back({(cycles + 1) * h, 0.40 / h * Softness(h, 5.0), rng.Real(0, kTwoPi)});
    xm::Instrument ins =
        NamedInstrument("Lead", LoopedSample("lead", synth::LoopOf(cycles * kPeriod, partials),
                                             AttackLength(kToneAttack, kFullRate, highest), 24, 64, 0x60));
    // It starts above zero: the sample's own attack brings it in from
    // silence, the envelope then swells it within two ticks.
    ins.volumeEnvelope.points = {{0, 16}, {2, 64}, {12, 50}, {40, 44}};
    ins.volumeEnvelope.sustain = 3;
    ins.fadeout = 1400;
    ins.vibratoType = 0;
    ins.vibratoSweep = 28;
    ins.vibratoDepth = 4;
    ins.vibratoRate = 10;
    return ins;
}

// Pad: three detuned saws, gently filtered, over a sine an octave down.
xm::Instrument MakePad(Prng& rng, std::uint8_t highest) {
    const int cycles = 64;
    std::vector<Partial> partials;
    for (int detune : {0, 1, -1})
        for (int h = 1; h <= 18; ++h)
            partials.push_back({(cycles + detune) * h, 1.0 / h * Softness(h, 4.0), rng.Real(0, kTwoPi)});
    partials.push_back({cycles / 2, 0.8, 0.0});
    xm::Instrument ins =
        NamedInstrument("Pad", LoopedSample("pad", synth::LoopOf(cycles * kPeriod, partials),
                                            AttackLength(kToneAttack, kFullRate, highest), 24, 64, 0x80));
    ins.volumeEnvelope.points = {{0, 8}, {8, 64}, {30, 52}};
    ins.volumeEnvelope.sustain = 2;
    ins.fadeout = 600;
    ins.vibratoType = 0;
    ins.vibratoDepth = 2;
    ins.vibratoRate = 6;
    return ins;
}

// Bass: a rounded saw with a sine under it; plucked by its envelope.
xm::Instrument MakeBass(std::uint8_t highest) {
    std::vector<Partial> partials;
    for (int h = 1; h <= 40; ++h) partials.push_back({h, (h % 2 ? 1.0 : 0.7) / h * Softness(h, 9.0), 0.0});
    partials.push_back({1, 0.8, 0.0});
    xm::Instrument ins =
        NamedInstrument("Bass", LoopedSample("bass", synth::LoopOf(kPeriod, partials),
                                             AttackLength(kToneAttack, kFullRate, highest), 24, 64, 0x80));
    ins.volumeEnvelope.points = {{0, 64}, {8, 46}, {40, 34}};
    ins.volumeEnvelope.sustain = 2;
    ins.fadeout = 3000;
    return ins;
}

// Pluck for the arpeggios: harmonics dying away faster the higher they are.
xm::Instrument MakePluck(std::uint8_t highest) {
    const int n = static_cast<int>(0.42 * kFullRate);
    Signal s(static_cast<std::size_t>(n), 0.0);
    for (int h = 1; h <= 14; ++h) {
        const double amplitude = std::pow(1.0 / h, 1.1) * (h % 2 ? 1.0 : 0.7);
        const double decay = 4.0 + 1.8 * std::pow(h, 1.3);
        for (int i = 0; i < n; ++i) {
            const double t = i / kFullRate;
            const double phase = kTwoPi * static_cast<double>(h * i % kPeriod) / kPeriod;
            s[static_cast<std::size_t>(i)] += amplitude * std::sin(phase) * std::exp(-decay * t);
        }
    }
    return OneShotInstrument("Pluck",
                             OneShot("pluck", s, AttackLength(kPluckAttack, kFullRate, highest), 24, 64, 0xA8));
}

// Bells for the counter-melody: a few inharmonic partials.
xm::Instrument MakeBell(std::uint8_t highest) {
    const int n = static_cast<int>(0.75 * kHalfRate);
    const double base = kHalfRate / (kPeriod / 2);  // C-4 at the half rate
    const double ratios[] = {1.0, 2.0, 2.76, 3.0, 4.07, 5.43};
    const double amplitudes[] = {1.0, 0.45, 0.35, 0.18, 0.2, 0.08};
    const double decays[] = {3.0, 4.2, 6.0, 6.5, 9.0, 12.0};
    Signal s(static_cast<std::size_t>(n), 0.0);
    for (int k = 0; k < 6; ++k)
        for (int i = 0; i < n; ++i) {
            const double t = i / kHalfRate;
            s[static_cast<std::size_t>(i)] +=
                amplitudes[k] * std::sin(kTwoPi * base * ratios[k] * t) * std::exp(-decays[k] * t);
        }
    return OneShotInstrument("Bell", OneShot("bell", s, AttackLength(kBellAttack, kHalfRate, highest), 12, 64, 0x58));
}

xm::Instrument MakeKick(Prng& rng, std::uint8_t highest) {
    const int n = static_cast<int>(0.30 * kHalfRate);
    Signal s(static_cast<std::size_t>(n));
    double phase = 0.0;
    synth::Biquad click = synth::Biquad::LowPass(kHalfRate, 3000.0, 0.7);
    for (int i = 0; i < n; ++i) {
        const double t = i / kHalfRate;
        phase += kTwoPi * (47.0 + 115.0 * std::exp(-t / 0.032)) / kHalfRate;
        const double body = std::sin(phase) * std::exp(-t / 0.15);
        s[static_cast<std::size_t>(i)] =
            std::tanh(1.6 * body) + 0.25 * click.Process(rng.Noise()) * std::exp(-t / 0.003);
    }
    return OneShotInstrument("Kick", OneShot("kick", s, AttackLength(kKickAttack, kHalfRate, highest), 12, 64, 0x80));
}

xm::Instrument MakeSnare(Prng& rng, std::uint8_t highest) {
    const int n = static_cast<int>(0.22 * kFullRate);
    Signal s(static_cast<std::size_t>(n));
    synth::Biquad high = synth::Biquad::HighPass(kFullRate, 1200.0, 0.7);
    synth::Biquad low = synth::Biquad::LowPass(kFullRate, 9000.0, 0.7);
    double phase = 0.0;
    for (int i = 0; i < n; ++i) {
        const double t = i / kFullRate;
        phase += kTwoPi * (178.0 + 30.0 * std::exp(-t / 0.01)) / kFullRate;
        const double body = 0.6 * std::sin(phase) * std::exp(-t / 0.045);
        const double noise = 0.9 * low.Process(high.Process(rng.Noise())) * std::exp(-t / 0.06);
        s[static_cast<std::size_t>(i)] = body + noise;
    }
    return OneShotInstrument("Snare",
                             OneShot("snare", s, AttackLength(kSnareAttack, kFullRate, highest), 24, 64, 0x78));
}

xm::Instrument MakeHat(Prng& rng, const char* name, double seconds, double decay, std::uint8_t highest) {
    const int n = static_cast<int>(seconds * kFullRate);
    Signal s(static_cast<std::size_t>(n));
    synth::Biquad a = synth::Biquad::HighPass(kFullRate, 7000.0, 0.8);
    synth::Biquad b = synth::Biquad::HighPass(kFullRate, 7000.0, 0.8);
    for (int i = 0; i < n; ++i) {
        const double t = i / kFullRate;
        s[static_cast<std::size_t>(i)] = b.Process(a.Process(rng.Noise())) * std::exp(-t / decay);
    }
    return OneShotInstrument(name, OneShot(name, s, AttackLength(kHatAttack, kFullRate, highest), 24, 64, 0x98));
}

// ---------------------------------------------------------------------
// The score.

// XM note number of a name such as "A4", "G#5" or "C3".
std::uint8_t NoteOf(const std::string& name) {
    static const std::map<char, int> semitones = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                                  {'G', 7}, {'A', 9}, {'B', 11}};
    if (name.size() < 2 || !semitones.count(name[0])) throw std::logic_error("bad note " + name);
    int semitone = semitones.at(name[0]);
    std::size_t pos = 1;
    if (name[pos] == '#') {
        ++semitone;
        ++pos;
    }
    const int octave = std::stoi(name.substr(pos));
    return xm::Note(octave, semitone);
}

class Score {
public:
    explicit Score(int patterns)
        : rows_(patterns * kRowsPerPattern), cells_(static_cast<std::size_t>(rows_ * kChannels)) {}

    Cell& At(int row, int channel) {
        if (row < 0 || row >= rows_) throw std::logic_error("row outside the song");
        return cells_[static_cast<std::size_t>(row * kChannels + channel)];
    }

    void Play(int row, int channel, std::uint8_t note, Instrument ins, int volume = -1, std::uint8_t effect = 0,
              std::uint8_t param = 0) {
        Cell& c = At(row, channel);
        c.note = note;
        c.instrument = ins;
        c.volume = volume >= 0 ? xm::SetVolume(volume) : 0;
        c.effect = effect;
        c.param = param;
    }

    void KeyOff(int row, int channel) { At(row, channel) = Cell{xm::kKeyOff, 0, 0, 0, 0}; }

    // A line in the form "A4:6 C5:2 r:4 ...": note and length in rows,
    // "r" a rest (a key-off). Returns the row after the line.
    int Line(int row, int channel, Instrument ins, const std::string& text, int volume, std::uint8_t panning = 0,
             int transpose = 0) {
        std::istringstream in(text);
        std::string token;
        while (in >> token) {
            const auto colon = token.find(':');
            const std::string name = token.substr(0, colon);
            const int length = std::stoi(token.substr(colon + 1));
            if (name == "r")
                KeyOff(row, channel);
            else
                Play(row, channel, static_cast<std::uint8_t>(NoteOf(name) + transpose), ins, volume, panning ? 0x08 : 0,
                     panning);
            row += length;
        }
        return row;
    }

    // The highest note the instrument is played at.
    std::uint8_t Highest(Instrument ins) const {
        std::uint8_t top = 0;
        for (const Cell& c : cells_)
            if (c.instrument == ins && c.note != xm::kKeyOff) top = std::max(top, c.note);
        if (top == 0) throw std::logic_error("an instrument the score never plays");
        return top;
    }

    std::vector<xm::Pattern> Patterns() const {
        std::vector<xm::Pattern> out;
        for (int start = 0; start < rows_; start += kRowsPerPattern) {
            xm::Pattern p(kRowsPerPattern, kChannels);
            for (int r = 0; r < kRowsPerPattern; ++r)
                for (int c = 0; c < kChannels; ++c)
                    p.At(r, c) = cells_[static_cast<std::size_t>((start + r) * kChannels + c)];
            out.push_back(std::move(p));
        }
        return out;
    }

private:
    int rows_;
    std::vector<Cell> cells_;
};

struct Chord {
    const char* root;       // bass note
    const char* fifth;      // for the bass line
    const char* voices[3];  // pad voicing, low to high
    const char* arp[4];     // arpeggio tones
};

const Chord kAm{"A2", "E3", {"C4", "E4", "A4"}, {"A4", "C5", "E5", "A5"}};
const Chord kF{"F2", "C3", {"C4", "F4", "A4"}, {"F4", "A4", "C5", "F5"}};
const Chord kC{"C3", "G2", {"C4", "E4", "G4"}, {"C5", "E5", "G5", "C6"}};
const Chord kG{"G2", "D3", {"B3", "D4", "G4"}, {"G4", "B4", "D5", "G5"}};
const Chord kDm{"D3", "A2", {"D4", "F4", "A4"}, {"D5", "F5", "A5", "D6"}};
const Chord kE{"E2", "B2", {"B3", "E4", "G#4"}, {"E4", "G#4", "B4", "E5"}};
const Chord kEm{"E2", "B2", {"B3", "E4", "G4"}, {"E4", "G4", "B4", "E5"}};

struct Section {
    const Chord* chords[4];
    enum Drums { None, Hats, Full, Build } drums;
    enum Bass { Silent, Long, Groove } bass;
    int arpStyle;  // 0 up and down in 16ths, 1 broken in 16ths, 2 in 8ths
    int arpVolume;
    const char* lead;   // 4 bars, or nullptr
    const char* bells;  // 4 bars, or nullptr
};

// Melodies, one bar (16 rows) between the bars.
const char* kMelodyA = "A4:6 C5:2 E5:4 D5:2 C5:2 | C5:6 A4:2 C5:4 F5:4 | E5:8 G5:4 E5:2 D5:2 | D5:10 r:2 B4:2 D5:2";
const char* kMelodyA2 =
    "A4:2 C5:2 E5:2 A5:6 G5:2 E5:2 | F5:6 E5:2 C5:4 A4:4 | G4:2 C5:2 E5:4 G5:4 A5:2 G5:2 | D5:8 B4:4 C5:2 D5:2";
const char* kMelodyB = "F5:6 E5:2 D5:4 A4:4 | C5:4 E5:4 A5:6 G5:2 | F5:4 E5:2 D5:2 C5:4 A4:4 | B4:6 C5:2 B4:4 G#4:4";
const char* kMelodyB2 =
    "A5:6 G5:2 F5:4 D5:4 | E5:6 D5:2 C5:4 A4:4 | C5:4 D5:4 F5:4 A5:4 | G#5:6 F5:2 E5:2 D5:2 B4:2 G#4:2";
const char* kMelodyBuild = "A4:16 | B4:16 | G#4:16 | B4:8 D5:4 E5:4";
const char* kBellsBreak = "C6:4 A5:4 F5:4 A5:4 | D6:4 B5:4 G5:4 B5:4 | B5:4 G5:4 E5:4 G5:4 | C6:4 A5:4 E5:4 A5:4";
const char* kBellsIntro = "r:8 E5:8 | r:8 C5:8 | r:8 G5:8 | r:8 D5:8";
const char* kBellsA = "r:4 E6:4 r:4 C6:4 | r:4 C6:4 r:4 A5:4 | r:4 G5:4 r:4 C6:4 | r:4 B5:4 r:4 D6:4";
const char* kBellsA2 = "r:4 A5:8 E6:4 | r:4 F5:8 C6:4 | r:4 E5:8 G5:4 | r:4 D5:8 B5:4";

const Section kSong[] = {
    {{&kAm, &kF, &kC, &kG}, Section::None, Section::Silent, 2, 30, nullptr, nullptr},
    {{&kAm, &kF, &kC, &kG}, Section::Hats, Section::Long, 0, 30, nullptr, kBellsIntro},
    {{&kAm, &kF, &kC, &kG}, Section::Full, Section::Groove, 0, 24, kMelodyA, nullptr},
    {{&kAm, &kF, &kC, &kG}, Section::Full, Section::Groove, 0, 24, kMelodyA2, nullptr},
    {{&kDm, &kAm, &kF, &kE}, Section::Full, Section::Groove, 1, 24, kMelodyB, nullptr},
    {{&kDm, &kAm, &kF, &kE}, Section::Full, Section::Groove, 1, 24, kMelodyB2, nullptr},
    {{&kF, &kG, &kEm, &kAm}, Section::Hats, Section::Long, 2, 28, nullptr, kBellsBreak},
    {{&kF, &kG, &kE, &kE}, Section::Build, Section::Long, 0, 26, kMelodyBuild, nullptr},
    {{&kAm, &kF, &kC, &kG}, Section::Full, Section::Groove, 1, 22, kMelodyA, kBellsA},
    {{&kAm, &kF, &kC, &kG}, Section::Full, Section::Groove, 0, 22, kMelodyA2, kBellsA2},
    {{&kDm, &kAm, &kF, &kE}, Section::Full, Section::Groove, 1, 24, kMelodyB, nullptr},
    {{&kDm, &kAm, &kF, &kE}, Section::Full, Section::Groove, 0, 24, kMelodyB2, nullptr},
};
constexpr int kRestart = 2;

std::string WithoutBars(std::string s) {
    std::replace(s.begin(), s.end(), '|', ' ');
    return s;
}

void WriteSection(Score& score, const Section& sec, int start, bool last, const char* previousVoices[3]) {
    for (int bar = 0; bar < kBarsPerPattern; ++bar) {
        const Chord& chord = *sec.chords[bar];
        const int row = start + bar * kRowsPerBar;

        // Pads: a voice that keeps its note holds it; the others move.
        const std::uint8_t pans[3] = {0x50, 0x80, 0xB0};
        for (int v = 0; v < 3; ++v) {
            if (previousVoices[v] && std::string(previousVoices[v]) == chord.voices[v]) continue;
            score.Play(row, chPad1 + v, NoteOf(chord.voices[v]), kPad, 30, 0x08, pans[v]);
            previousVoices[v] = chord.voices[v];
        }

        // Arpeggio.
        static const int upDown[16] = {0, 1, 2, 3, 2, 1, 0, 1, 2, 3, 2, 1, 0, 1, 2, 1};
        static const int broken[16] = {0, 2, 1, 3, 0, 2, 1, 3, 0, 2, 3, 2, 1, 2, 3, 2};
        for (int r = 0; r < kRowsPerBar; ++r) {
            if (sec.arpStyle == 2 && r % 2) continue;
            const int index = sec.arpStyle == 1 ? broken[r] : upDown[r];
            const int volume = r % 4 == 0 ? sec.arpVolume + 8 : (r % 2 == 0 ? sec.arpVolume : sec.arpVolume - 6);
            score.Play(row + r, chArp, NoteOf(chord.arp[index]), kPluck, volume);
        }

        // Bass.
        if (sec.bass == Section::Long) {
            score.Play(row, chBass, NoteOf(chord.root), kBass, 44);
            score.Play(row + 8, chBass, NoteOf(chord.root), kBass, 36);
        } else if (sec.bass == Section::Groove) {
            const std::uint8_t root = NoteOf(chord.root);
            const std::uint8_t fifth = NoteOf(chord.fifth);
            const struct {
                int row;
                std::uint8_t note;
                int volume;
            } groove[] = {{0, root, 52},  {3, root, 40},   {6, static_cast<std::uint8_t>(root + 12), 44}, {8, root, 50},
                          {10, root, 38}, {12, fifth, 46}, {14, static_cast<std::uint8_t>(root + 12), 40}};
            for (const auto& g : groove) score.Play(row + g.row, chBass, g.note, kBass, g.volume);
        }

        // Drums.
        const bool lastBar = bar == kBarsPerPattern - 1;
        switch (sec.drums) {
            case Section::None:
                break;
            case Section::Hats:
                for (int r = 0; r < kRowsPerBar; r += 2)
                    score.Play(row + r, chHat, xm::Note(4, 0), kClosedHat, r % 4 ? 30 : 18);
                if (lastBar && !last)
                    for (int r = 12; r < 16; ++r)
                        score.Play(row + r, chSnare, xm::Note(4, 0), kSnare, 14 + (r - 12) * 8);
                break;
            case Section::Full:
                score.Play(row, chKick, xm::Note(4, 0), kKick, 60);
                score.Play(row + 8, chKick, xm::Note(4, 0), kKick, 56);
                if (bar % 2 == 1) score.Play(row + 10, chKick, xm::Note(4, 0), kKick, 44);
                score.Play(row + 4, chSnare, xm::Note(4, 0), kSnare, 46);
                score.Play(row + 12, chSnare, xm::Note(4, 0), kSnare, 46);
                for (int r = 0; r < kRowsPerBar; r += 2) {
                    const bool open = r == 6 || r == 14;
                    score.Play(row + r, chHat, xm::Note(4, 0), open ? kOpenHat : kClosedHat,
                               open ? 22 : (r % 4 ? 28 : 18));
                }
                if (lastBar) {
                    score.Play(row + 14, chSnare, xm::Note(4, 0), kSnare, 30);
                    score.Play(row + 15, chSnare, xm::Note(4, 0), kSnare, 38);
                }
                break;
            case Section::Build:
                for (int r = 0; r < kRowsPerBar; r += 2)
                    score.Play(row + r, chHat, xm::Note(4, 0), kClosedHat, 14 + bar * 4);
                if (bar >= 2)
                    for (int r = 0; r < kRowsPerBar; r += 4)
                        score.Play(row + r, chKick, xm::Note(4, 0), kKick, 40 + bar * 5);
                if (lastBar)
                    for (int r = 0; r < kRowsPerBar; r += (r < 8 ? 2 : 1))
                        score.Play(row + r, chSnare, xm::Note(4, 0), kSnare, 12 + r * 2);
                break;
        }
    }

    if (sec.lead) {
        const std::string melody = WithoutBars(sec.lead);
        score.Line(start, chLead, kLead, melody, 46);
        // The echo: the same line three rows later, quieter, on the other side.
        std::istringstream in(melody);
        std::string token;
        int row = start + 3;
        while (in >> token) {
            const auto colon = token.find(':');
            const std::string name = token.substr(0, colon);
            const int length = std::stoi(token.substr(colon + 1));
            if (row < start + kRowsPerPattern) {
                if (name == "r")
                    score.KeyOff(row, chEcho);
                else
                    score.Play(row, chEcho, NoteOf(name), kLead, 16, 0x08, 0xC0);
            }
            row += length;
        }
        // Nothing may ring on from the end of the song into its restart.
        if (last) {
            score.KeyOff(start + kRowsPerPattern - 1, chEcho);
        }
    } else if (start > 0) {
        score.KeyOff(start, chLead);
        score.KeyOff(start, chEcho);
    }
    if (sec.bells) score.Line(start, chBell, kBell, WithoutBars(sec.bells), 34);
}

}  // namespace

xm::Module ComposeMusic() {
    xm::Module m;
    m.name = "Dzwonex - psych";
    m.channels = kChannels;
    m.tempo = 6;
    m.bpm = 112;
    m.linearFrequencies = true;

    const int sections = static_cast<int>(std::size(kSong));
    Score score(sections);
    const char* voices[3] = {nullptr, nullptr, nullptr};
    for (int s = 0; s < sections; ++s) {
        // The restart comes after the last section: the pads must strike
        // again there, whatever they held.
        if (s == kRestart)
            for (auto& v : voices) v = nullptr;
        WriteSection(score, kSong[s], s * kRowsPerPattern, s == sections - 1, voices);
    }
    m.patterns = score.Patterns();

    // The instruments after the score: their attacks depend on the
    // highest notes they get.
    Prng rng(0x50737963u);
    m.instruments.push_back(MakeLead(rng, score.Highest(kLead)));
    m.instruments.push_back(MakePad(rng, score.Highest(kPad)));
    m.instruments.push_back(MakeBass(score.Highest(kBass)));
    m.instruments.push_back(MakePluck(score.Highest(kPluck)));
    m.instruments.push_back(MakeKick(rng, score.Highest(kKick)));
    m.instruments.push_back(MakeSnare(rng, score.Highest(kSnare)));
    m.instruments.push_back(MakeHat(rng, "Closed hat", 0.05, 0.012, score.Highest(kClosedHat)));
    m.instruments.push_back(MakeHat(rng, "Open hat", 0.22, 0.06, score.Highest(kOpenHat)));
    m.instruments.push_back(MakeBell(score.Highest(kBell)));
    for (int s = 0; s < sections; ++s) m.order.push_back(static_cast<std::uint8_t>(s));
    m.restartPosition = kRestart;
    return m;
}

}  // namespace dzwonex::assetgen
