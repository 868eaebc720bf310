#pragma once
// FastTracker 2 extended modules (XM, format version 0x0104).
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace dzwonex::assetgen::xm {

constexpr std::uint8_t kKeyOff = 97;

// XM note number of a pitch: octave 0..7, semitone 0 (C) .. 11 (B).
constexpr std::uint8_t Note(int octave, int semitone) { return static_cast<std::uint8_t>(octave * 12 + semitone + 1); }

struct Cell {
    std::uint8_t note = 0;        // 0 none, 1..96 C-0..B-7, 97 key off
    std::uint8_t instrument = 0;  // 0 none, 1.. instrument number
    std::uint8_t volume = 0;      // volume column byte, 0 none
    std::uint8_t effect = 0;
    std::uint8_t param = 0;

    bool Empty() const { return note == 0 && instrument == 0 && volume == 0 && effect == 0 && param == 0; }
};

// Volume column byte that sets the volume 0..64.
constexpr std::uint8_t SetVolume(int v) { return static_cast<std::uint8_t>(0x10 + v); }

struct Pattern {
    Pattern(int rowCount, int channelCount)
        : rows(rowCount), channels(channelCount), cells(static_cast<std::size_t>(rowCount * channelCount)) {}
    Cell& At(int row, int channel) { return cells.at(static_cast<std::size_t>(row * channels + channel)); }
    const Cell& At(int row, int channel) const { return cells.at(static_cast<std::size_t>(row * channels + channel)); }

    int rows;
    int channels;
    std::vector<Cell> cells;
};

struct Envelope {
    std::vector<std::pair<std::uint16_t, std::uint16_t>> points;  // (tick, value 0..64), at most 12
    int sustain = -1;                                             // point index, or -1
    int loopStart = -1;
    int loopEnd = -1;
};

struct Sample {
    std::string name;
    std::vector<std::int16_t> data;  // stored as 16-bit, delta coded
    enum class Loop { None, Forward, PingPong } loop = Loop::None;
    std::uint32_t loopStart = 0;   // in samples
    std::uint32_t loopLength = 0;  // in samples
    std::uint8_t volume = 64;
    std::int8_t finetune = 0;
    std::uint8_t panning = 128;
    std::int8_t relativeNote = 0;
};

struct Instrument {
    std::string name;
    std::vector<Sample> samples;            // usually one
    std::array<std::uint8_t, 96> keymap{};  // sample index per note
    Envelope volumeEnvelope;                // empty: off
    Envelope panningEnvelope;               // empty: off
    std::uint8_t vibratoType = 0;           // 0 sine, 1 square, 2 ramp down, 3 ramp up
    std::uint8_t vibratoSweep = 0;
    std::uint8_t vibratoDepth = 0;
    std::uint8_t vibratoRate = 0;
    std::uint16_t fadeout = 0;
};

struct Module {
    std::string name;
    std::string tracker = "Dzwonex assetgen";
    int channels = 8;
    int tempo = 6;  // ticks per row
    int bpm = 125;
    bool linearFrequencies = true;
    std::vector<std::uint8_t> order;  // pattern numbers, at most 256
    int restartPosition = 0;
    std::vector<Pattern> patterns;
    std::vector<Instrument> instruments;
};

// The bytes of the module as an XM file; throws std::invalid_argument
// when the module breaks a limit of the format.
std::vector<std::uint8_t> Encode(const Module& module);

}  // namespace dzwonex::assetgen::xm
