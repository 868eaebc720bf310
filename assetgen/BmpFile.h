#pragma once
// Windows bitmaps, 24 bits per pixel, as the game loads them.
#include <QImage>
#include <string>

namespace dzwonex::assetgen {

// Writes `image` to `path` as an uncompressed 24-bit bottom-up BMP at
// 72 dpi, through Qt's BMP writer; any alpha is dropped. Throws when the
// file cannot be written.
void SaveBmp24(const std::string& path, const QImage& image);

}  // namespace dzwonex::assetgen
