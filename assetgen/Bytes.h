#pragma once
// Little-endian byte output for the file writers, and saving to disk.
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace dzwonex::assetgen {

class ByteWriter {
public:
    void U8(std::uint8_t v) { data_.push_back(v); }
    void U16(std::uint16_t v) {
        U8(static_cast<std::uint8_t>(v));
        U8(static_cast<std::uint8_t>(v >> 8));
    }
    void U32(std::uint32_t v) {
        U16(static_cast<std::uint16_t>(v));
        U16(static_cast<std::uint16_t>(v >> 16));
    }
    void Bytes(const void* p, std::size_t n) {
        const auto* b = static_cast<const std::uint8_t*>(p);
        data_.insert(data_.end(), b, b + n);
    }
    // `text` cut or padded with `pad` to exactly `n` bytes.
    void Fixed(const std::string& text, std::size_t n, char pad = '\0') {
        for (std::size_t i = 0; i < n; ++i) U8(static_cast<std::uint8_t>(i < text.size() ? text[i] : pad));
    }
    std::size_t Size() const { return data_.size(); }
    void PatchU16(std::size_t at, std::uint16_t v) {
        data_.at(at) = static_cast<std::uint8_t>(v);
        data_.at(at + 1) = static_cast<std::uint8_t>(v >> 8);
    }
    void PatchU32(std::size_t at, std::uint32_t v) {
        PatchU16(at, static_cast<std::uint16_t>(v));
        PatchU16(at + 2, static_cast<std::uint16_t>(v >> 16));
    }
    std::vector<std::uint8_t> Take() { return std::move(data_); }

private:
    std::vector<std::uint8_t> data_;
};

}  // namespace dzwonex::assetgen
