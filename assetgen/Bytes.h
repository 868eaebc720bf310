#pragma once
// Little-endian byte output for the file writers, and saving to disk.
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace assets {

class ByteWriter {
public:
    void u8(std::uint8_t v) { data_.push_back(v); }
    void u16(std::uint16_t v) {
        u8(static_cast<std::uint8_t>(v));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void bytes(const void* p, std::size_t n) {
        const auto* b = static_cast<const std::uint8_t*>(p);
        data_.insert(data_.end(), b, b + n);
    }
    // `text` cut or padded with `pad` to exactly `n` bytes.
    void fixed(const std::string& text, std::size_t n, char pad = '\0') {
        for (std::size_t i = 0; i < n; ++i) u8(static_cast<std::uint8_t>(i < text.size() ? text[i] : pad));
    }
    std::size_t size() const { return data_.size(); }
    void patchU16(std::size_t at, std::uint16_t v) {
        data_.at(at) = static_cast<std::uint8_t>(v);
        data_.at(at + 1) = static_cast<std::uint8_t>(v >> 8);
    }
    void patchU32(std::size_t at, std::uint32_t v) {
        patchU16(at, static_cast<std::uint16_t>(v));
        patchU16(at + 2, static_cast<std::uint16_t>(v >> 16));
    }
    std::vector<std::uint8_t> take() { return std::move(data_); }

private:
    std::vector<std::uint8_t> data_;
};

// Writes `data` to `path`, replacing the file; throws on failure.
void saveFile(const std::string& path, const std::vector<std::uint8_t>& data);

}  // namespace assets
