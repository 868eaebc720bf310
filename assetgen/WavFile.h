#pragma once
// 16-bit mono PCM WAV files.
#include <cstdint>
#include <vector>

namespace assets {

// The bytes of a RIFF WAVE file: one channel, 16-bit signed samples.
std::vector<std::uint8_t> encodeWav16(const std::vector<std::int16_t>& samples, int sampleRate);

}  // namespace assets
