#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "ReadFile.h"

namespace dzwonex {

// A file's bytes as read into memory.
using FileBytes = std::span<const unsigned char>;

// The largest pictures the game takes, checked before anything is
// allocated for their pixels: the map, and any bitmap (icons, banners,
// logo).
inline constexpr int kMaxMapSide = 8192;
inline constexpr int kMaxBitmapSide = 4096;

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // rows top to bottom, 3 bytes a pixel
};

// Decodes a whole JPEG picture. A truncated or corrupt picture is an error
// (never a grey part), so is one wider or taller than kMaxMapSide, and so
// is running out of memory; none ends the process. path names the file in
// the messages. Throws FileError.
RgbImage DecodeJpeg(FileBytes bytes, const std::string& path);
RgbImage DecodeJpeg(const std::string& path);

struct JpegSize {
    int width = 0;
    int height = 0;
};
// Reads the size and checks that the whole picture decodes (at 1/8 scale),
// with the same rules as DecodeJpeg. Throws FileError.
JpegSize CheckJpeg(FileBytes bytes, const std::string& path);
JpegSize CheckJpeg(const std::string& path);
// Reads only the header: the size, with the same rules as DecodeJpeg for
// what a header shows. Cheap, for a start-up that decodes the picture
// later. Throws FileError.
JpegSize ReadJpegSize(FileBytes bytes, const std::string& path);

struct BmpInfo {
    int width = 0;
    int height = 0;  // always positive; topDown tells the row order
    int bitsPerPixel = 0;
    bool topDown = false;
};
// Checks a whole Windows bitmap: its headers, palette and colour masks,
// and its pixel data against the file's length (for a run-length encoded
// one, every run). The window decodes with Qt what passes here and the
// text front end only reads the size, so this check alone decides which
// files both accept. Throws FileError: "Bitmap image is not valid: <path>",
// or that the picture is larger than kMaxBitmapSide.
BmpInfo CheckBmp(FileBytes bytes, const std::string& path);
// Reads the file and checks it.
BmpInfo ReadBmpInfo(const std::string& path);

}  // namespace dzwonex
