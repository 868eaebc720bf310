#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace dzwonex {

// A picture file that cannot be used. what() is the text the player sees.
class AssetError : public std::runtime_error {
public:
    AssetError(const std::string& message, std::string file) : std::runtime_error(message), file_(std::move(file)) {}
    const std::string& File() const { return file_; }

private:
    std::string file_;
};

// "Cannot open file <path>."
AssetError CannotOpen(const std::string& path);

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // rows top to bottom, 3 bytes a pixel
};

// Decodes a whole JPEG file. A truncated or corrupt file is an error, never
// a grey half picture, and never ends the process.
RgbImage DecodeJpeg(const std::string& path);

struct JpegSize {
    int width = 0;
    int height = 0;
};
// Reads the size and checks that the whole file decodes (at 1/8 scale).
JpegSize CheckJpeg(const std::string& path);

struct BmpInfo {
    int width = 0;
    int height = 0;  // always positive; topDown tells the row order
    int bitsPerPixel = 0;
    bool topDown = false;
};
// Reads and checks a Windows bitmap's headers against the file's length.
BmpInfo ReadBmpInfo(const std::string& path);

}  // namespace dzwonex
