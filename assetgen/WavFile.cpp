#include "WavFile.h"

#include "Bytes.h"

#include <cstdio>
#include <fstream>

namespace assets {

std::vector<std::uint8_t> encodeWav16(const std::vector<std::int16_t>& samples, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    ByteWriter out;
    out.bytes("RIFF", 4);
    out.u32(36 + dataBytes);
    out.bytes("WAVE", 4);
    out.bytes("fmt ", 4);
    out.u32(16);
    out.u16(1);  // PCM
    out.u16(1);  // mono
    out.u32(static_cast<std::uint32_t>(sampleRate));
    out.u32(static_cast<std::uint32_t>(sampleRate) * 2);  // bytes per second
    out.u16(2);                                           // block align
    out.u16(16);                                          // bits per sample
    out.bytes("data", 4);
    out.u32(dataBytes);
    for (std::int16_t s : samples) out.u16(static_cast<std::uint16_t>(s));
    return out.take();
}

void saveFile(const std::string& path, const std::vector<std::uint8_t>& data) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) throw std::runtime_error("cannot write " + path);
    file.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    if (!file) throw std::runtime_error("cannot write " + path);
}

}  // namespace assets
