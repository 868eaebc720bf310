#pragma once
#include <string>

#include <QImage>

namespace dzwonex {

// Loads a Windows bitmap. Throws AssetError: "Cannot open file <path>." for
// a missing or unreadable file, "Bitmap image is not valid" for a bad one.
QImage LoadBitmap(const std::string& path);

// Decodes a JPEG picture with libjpeg into an image ready to draw.
// Throws AssetError.
QImage LoadJpeg(const std::string& path);

}  // namespace dzwonex
