#pragma once
// 16-bit mono PCM WAV files.
#include <cstdint>
#include <vector>

namespace dzwonex::assetgen {

// The bytes of a RIFF WAVE file: one channel, 16-bit signed samples.
std::vector<std::uint8_t> EncodeWav16(const std::vector<std::int16_t>& samples, int sampleRate);

}  // namespace dzwonex::assetgen
