#pragma once
// Reading the generated files back for the tests.
#include <SDL.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace assettest {

// The names of every file the generator writes.
const std::vector<std::string>& assetNames();

// Full path of a generated file in the build's asset folder.
std::string assetPath(const std::string& name);

// The file's bytes; an empty vector when it cannot be read.
std::vector<std::uint8_t> readBytes(const std::string& path);

std::uint16_t le16(const std::vector<std::uint8_t>& b, std::size_t at);
std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at);

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

// A picture as plain RGB rows, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
    const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// Loads a BMP with SDL's reader; width 0 when SDL refuses it.
Picture loadBmpWithSdl(const std::string& path);

// The fields of a BMP's headers, read straight from the bytes.
struct BmpHeader {
    bool signature = false;  // "BM"
    std::uint32_t fileSize = 0;
    std::uint32_t pixelOffset = 0;
    std::uint32_t infoSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
};
BmpHeader readBmpHeader(const std::vector<std::uint8_t>& bytes);

}  // namespace assettest
