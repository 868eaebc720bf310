#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace dzwonex::testing {

// Small sound files the tests make for themselves.

// A 16-bit signed mono PCM WAV of a sine tone with 5 ms fades at both
// ends (no clicks), at the given peak amplitude (0..32767).
void WriteToneWav(const std::filesystem::path& path, double frequency, int milliseconds, int amplitude,
                  int rate = 44100);

// A 16-bit mono WAV holding a constant level with 5 ms linear ramps at both
// ends: any cut in the middle shows as a jump of the whole level.
void WritePlateauWav(const std::filesystem::path& path, int level, int milliseconds, int rate = 44100);

// A tiny XM module: two channels, one looping sine instrument, a pattern
// of 16 rows playing a slow arpeggio, repeated for ever.
void WriteTinyXm(const std::filesystem::path& path);

// The samples of a 16-bit PCM WAV, first channel only, as reals in -1..1;
// empty when the file is not one.
std::vector<double> ReadWav16(const std::filesystem::path& path);

// Whether any pattern of an XM module holds a note.
bool XmHasNotes(const std::filesystem::path& path);

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

// Interleaved 16-bit little-endian samples of a raw stream, as SDL's disk
// output writes it.
std::vector<int16_t> ReadRawS16(const std::filesystem::path& path);

// One channel out of interleaved frames, as reals in -1..1.
std::vector<double> Channel(const std::vector<int16_t>& interleaved, int channels, int which);

// Root mean square of samples [begin, end).
double Rms(const std::vector<double>& samples, size_t begin, size_t end);

// Power of one frequency in samples [begin, end) (Goertzel), normalised so a
// full-scale sine of that frequency gives about 0.25.
double TonePower(const std::vector<double>& samples, size_t begin, size_t end, double frequency, int rate);

// A fresh empty folder under the system's temporary folder.
std::filesystem::path MakeTempDir(const std::string& stem);

}  // namespace dzwonex::testing
