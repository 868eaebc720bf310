#include "WavFile.h"

#include "Bytes.h"

namespace dzwonex::assetgen {

std::vector<std::uint8_t> EncodeWav16(const std::vector<std::int16_t>& samples, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    ByteWriter out;
    out.Bytes("RIFF", 4);
    out.U32(36 + dataBytes);
    out.Bytes("WAVE", 4);
    out.Bytes("fmt ", 4);
    out.U32(16);
    out.U16(1);  // PCM
    out.U16(1);  // mono
    out.U32(static_cast<std::uint32_t>(sampleRate));
    out.U32(static_cast<std::uint32_t>(sampleRate) * 2);  // bytes per second
    out.U16(2);                                           // block align
    out.U16(16);                                          // bits per sample
    out.Bytes("data", 4);
    out.U32(dataBytes);
    for (std::int16_t s : samples) out.U16(static_cast<std::uint16_t>(s));
    return out.Take();
}

}  // namespace dzwonex::assetgen
