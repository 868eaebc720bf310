#pragma once
#include <string>
#include <vector>

#include <QImage>

#include "ImageFiles.h"

namespace dzwonex {

// Loads a Windows bitmap: the game's own check first (the one the text
// front end makes), then Qt decodes what passed. Throws FileError naming
// the file: "Cannot open file <path>." when it is not there, "cannot be
// read" with the reason, "Bitmap image is not valid: <path>".
QImage LoadBitmap(const std::string& path);

// The map picture, checked at start-up and decoded later from the same
// bytes: the file is read once.
class MapPictureFile {
public:
    // Reads and checks the file, keeping its bytes. Throws FileError.
    JpegSize Check(const std::string& path);
    // Decodes the checked picture with libjpeg into an image ready to draw,
    // and lets the bytes go. Throws FileError.
    QImage Decode();

private:
    std::string path_;
    std::vector<unsigned char> bytes_;
};

}  // namespace dzwonex
