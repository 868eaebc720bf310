#include "AudioFiles.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <random>
#include <stdexcept>

namespace dzwonex::testing {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void PutText(std::vector<uint8_t>& out, const std::string& text, size_t width) {
    for (size_t i = 0; i < width; ++i) out.push_back(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
}

void PutZeros(std::vector<uint8_t>& out, size_t count) { out.insert(out.end(), count, 0); }

}  // namespace

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

namespace {

template <class Sample>
void WriteMonoWav(const std::filesystem::path& path, size_t frames, int rate, Sample sample) {
    std::vector<uint8_t> out;
    const uint32_t dataBytes = static_cast<uint32_t>(frames * 2);
    PutText(out, "RIFF", 4);
    Put32(out, 36 + dataBytes);
    PutText(out, "WAVE", 4);
    PutText(out, "fmt ", 4);
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, static_cast<uint32_t>(rate));
    Put32(out, static_cast<uint32_t>(rate) * 2);
    Put16(out, 2);
    Put16(out, 16);
    PutText(out, "data", 4);
    Put32(out, dataBytes);
    for (size_t i = 0; i < frames; ++i) {
        Put16(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(sample(i)))));
    }
    WriteBytes(path, out);
}

// 0 at both ends rising to 1 over 5 ms.
double Envelope(size_t i, size_t frames, int rate) {
    const size_t fade = static_cast<size_t>(rate) * 5 / 1000;
    double gain = 1.0;
    if (i < fade) gain = static_cast<double>(i) / static_cast<double>(fade);
    if (frames - 1 - i < fade) gain = std::min(gain, static_cast<double>(frames - 1 - i) / static_cast<double>(fade));
    return gain;
}

}  // namespace

void WriteToneWav(const std::filesystem::path& path, double frequency, int milliseconds, int amplitude, int rate) {
    const size_t frames = static_cast<size_t>(rate) * static_cast<size_t>(milliseconds) / 1000;
    WriteMonoWav(path, frames, rate, [&](size_t i) {
        return amplitude * Envelope(i, frames, rate) *
               std::sin(2.0 * std::numbers::pi * frequency * static_cast<double>(i) / rate);
    });
}

void WritePlateauWav(const std::filesystem::path& path, int level, int milliseconds, int rate) {
    const size_t frames = static_cast<size_t>(rate) * static_cast<size_t>(milliseconds) / 1000;
    WriteMonoWav(path, frames, rate, [&](size_t i) { return level * Envelope(i, frames, rate); });
}

void WriteTinyXm(const std::filesystem::path& path) {
    std::vector<uint8_t> out;
    // Module header.
    PutText(out, "Extended Module: ", 17);
    PutText(out, "dzwonex test tune", 20);
    out.push_back(0x1A);
    PutText(out, "dzwonex tests", 20);
    Put16(out, 0x0104);
    Put32(out, 276);     // header size from here, order table included
    Put16(out, 1);       // song length in orders
    Put16(out, 0);       // restart position
    Put16(out, 2);       // channels
    Put16(out, 1);       // patterns
    Put16(out, 1);       // instruments
    Put16(out, 1);       // linear frequency table
    Put16(out, 6);       // ticks per row
    Put16(out, 125);     // beats per minute
    PutZeros(out, 256);  // order table: pattern 0

    // Pattern 0: an arpeggio on channel 0 over a held bass note on channel 1.
    std::vector<uint8_t> rows;
    const uint8_t melody[4] = {49, 53, 56, 61};  // C-4 E-4 G-4 C-5
    for (int row = 0; row < 16; ++row) {
        if (row % 4 == 0) {
            rows.push_back(0x80 | 0x01 | 0x02);  // note and instrument follow
            rows.push_back(melody[row / 4]);
            rows.push_back(1);
        } else {
            rows.push_back(0x80);
        }
        if (row == 0) {
            rows.push_back(0x80 | 0x01 | 0x02 | 0x04);  // note, instrument, volume
            rows.push_back(37);                         // C-3
            rows.push_back(1);
            rows.push_back(0x10 + 40);
        } else {
            rows.push_back(0x80);
        }
    }
    Put32(out, 9);
    out.push_back(0);
    Put16(out, 16);
    Put16(out, static_cast<uint32_t>(rows.size()));
    out.insert(out.end(), rows.begin(), rows.end());

    // Instrument 1 with one sample and no envelopes.
    const size_t instrumentStart = out.size();
    Put32(out, 263);
    PutText(out, "sine", 22);
    out.push_back(0);
    Put16(out, 1);
    Put32(out, 40);     // sample header size
    PutZeros(out, 96);  // every note uses sample 0
    PutZeros(out, 96);  // envelope points
    PutZeros(out, 14);  // envelope counts and flags, vibrato
    Put16(out, 0);      // fade-out
    out.resize(instrumentStart + 263, 0);

    constexpr int kLength = 32;  // one period: C-4 sounds at about 261 Hz
    Put32(out, kLength);
    Put32(out, 0);
    Put32(out, kLength);
    out.push_back(48);   // volume
    out.push_back(0);    // finetune
    out.push_back(1);    // forward loop, 8-bit
    out.push_back(128);  // panning
    out.push_back(0);    // relative note
    out.push_back(0);
    PutText(out, "sine", 22);
    int previous = 0;
    for (int i = 0; i < kLength; ++i) {
        int v = static_cast<int>(std::lround(100.0 * std::sin(2.0 * std::numbers::pi * i / kLength)));
        out.push_back(static_cast<uint8_t>(static_cast<int8_t>(v - previous)));
        previous = v;
    }
    WriteBytes(path, out);
}

namespace {

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

uint32_t Get16(const std::vector<uint8_t>& b, size_t at) {
    return at + 2 <= b.size() ? static_cast<uint32_t>(b[at] | (b[at + 1] << 8)) : 0;
}

uint32_t Get32(const std::vector<uint8_t>& b, size_t at) { return Get16(b, at) | (Get16(b, at + 2) << 16); }

}  // namespace

std::vector<double> ReadWav16(const std::filesystem::path& path) {
    const auto b = ReadBytes(path);
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF") return {};
    int channels = 0, bits = 0, format = 0;
    for (size_t at = 12; at + 8 <= b.size();) {
        const std::string id(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4);
        const size_t size = Get32(b, at + 4);
        const size_t body = at + 8;
        if (id == "fmt ") {
            format = static_cast<int>(Get16(b, body));
            channels = static_cast<int>(Get16(b, body + 2));
            bits = static_cast<int>(Get16(b, body + 14));
        } else if (id == "data") {
            if (format != 1 || bits != 16 || channels < 1) return {};
            std::vector<double> out;
            const size_t step = 2 * static_cast<size_t>(channels);
            for (size_t i = body; i + 2 <= std::min(b.size(), body + size); i += step) {
                out.push_back(static_cast<int16_t>(Get16(b, i)) / 32768.0);
            }
            return out;
        }
        at = body + size + (size & 1);
    }
    return {};
}

bool XmHasNotes(const std::filesystem::path& path) {
    const auto b = ReadBytes(path);
    if (b.size() < 80) return false;
    const size_t patterns = Get16(b, 70);
    size_t at = 60 + Get32(b, 60);
    for (size_t p = 0; p < patterns && at + 9 <= b.size(); ++p) {
        const size_t headerLength = Get32(b, at);
        const size_t packed = Get16(b, at + 7);
        size_t i = at + headerLength;
        const size_t end = std::min(b.size(), i + packed);
        while (i < end) {
            const uint8_t first = b[i];
            if (first & 0x80) {
                ++i;
                if ((first & 0x01) && i < end && b[i] >= 1 && b[i] <= 96) return true;
                for (int bit = 0; bit < 5; ++bit) {
                    if (first & (1 << bit)) ++i;
                }
            } else {
                if (first >= 1 && first <= 96) return true;
                i += 5;
            }
        }
        at += headerLength + packed;
    }
    return false;
}

std::vector<int16_t> ReadRawS16(const std::filesystem::path& path) {
    const auto bytes = ReadBytes(path);
    std::vector<int16_t> samples(bytes.size() / 2);
    for (size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<int16_t>(static_cast<uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)));
    }
    return samples;
}

std::vector<double> Channel(const std::vector<int16_t>& interleaved, int channels, int which) {
    std::vector<double> out;
    out.reserve(interleaved.size() / static_cast<size_t>(channels));
    for (size_t i = static_cast<size_t>(which); i < interleaved.size(); i += static_cast<size_t>(channels)) {
        out.push_back(interleaved[i] / 32768.0);
    }
    return out;
}

double Rms(const std::vector<double>& samples, size_t begin, size_t end) {
    end = std::min(end, samples.size());
    if (begin >= end) return 0.0;
    double sum = 0.0;
    for (size_t i = begin; i < end; ++i) sum += samples[i] * samples[i];
    return std::sqrt(sum / static_cast<double>(end - begin));
}

double TonePower(const std::vector<double>& samples, size_t begin, size_t end, double frequency, int rate) {
    end = std::min(end, samples.size());
    if (begin >= end) return 0.0;
    const double w = 2.0 * std::numbers::pi * frequency / rate;
    const double coeff = 2.0 * std::cos(w);
    double s1 = 0.0, s2 = 0.0;
    for (size_t i = begin; i < end; ++i) {
        double s0 = samples[i] + coeff * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double re = s1 - s2 * std::cos(w);
    const double im = s2 * std::sin(w);
    const double n = static_cast<double>(end - begin);
    return (re * re + im * im) / (n * n);
}

std::filesystem::path MakeTempDir(const std::string& stem) {
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto dir = std::filesystem::temp_directory_path() / (stem + "-" + std::to_string(rd()));
        if (std::filesystem::create_directory(dir)) return dir;
    }
    throw std::runtime_error("cannot make a temporary folder");
}

}  // namespace dzwonex::testing
