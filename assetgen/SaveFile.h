#pragma once
// Every file the generator makes is written whole or not at all, through
// the game's atomic writer: an interrupted build leaves no half picture.
#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

namespace dzwonex::assetgen {

// Replaces the file at `path` with `data`. Throws FileWriteError.
void SaveFile(const std::string& path, const std::vector<std::uint8_t>& data);
void SaveFile(const std::string& path, const QByteArray& data);
// Encodes the image in Qt's `format` ("BMP", "PNG") and saves it; throws
// std::runtime_error when Qt cannot encode it.
void SaveImage(const std::string& path, const QImage& image, const char* format, int quality = -1);

}  // namespace dzwonex::assetgen
