#pragma once
// Windows bitmaps, 24 bits per pixel, as the game loads them.
#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

namespace assets {

// The bytes of an uncompressed 24-bit bottom-up BMP (BITMAPINFOHEADER)
// holding `image`; any alpha is dropped.
std::vector<std::uint8_t> encodeBmp24(const QImage& image);

}  // namespace assets
