#pragma once
#include <string>
#include <vector>

#include <QImage>

#include "ImageFiles.h"
#include "MapPaint.h"

namespace dzwonex {

// Loads a Windows bitmap: the game's own check first (the one the text
// front end makes), then Qt decodes what passed. Throws FileError naming
// the file: "Cannot open file <path>." when it is not there, "cannot be
// read" with the reason, "Bitmap image is not valid: <path>".
QImage LoadBitmap(const std::string& path);

// The map picture, its header checked at start-up and the whole decoded
// later from the same bytes: the file is read once.
class MapPictureFile {
public:
    // Reads the file and checks its header, keeping its bytes. Throws
    // FileError.
    JpegSize Check(const std::string& path);
    // Decodes the checked picture with libjpeg into an image ready to draw,
    // and lets the bytes go. Throws FileError.
    QImage Decode();

private:
    std::string path_;
    std::vector<unsigned char> bytes_;
};

// The pictures the window needs before it shows: the banner strip, the
// map's file and header checked (its decoding waits until the map is first shown) and
// the six icons ready to draw. Reading them is pure file work, so it runs
// on a thread of its own while the window builds its pages.
struct StartupPictures {
    QImage banners;  // in the screen's format
    MapPictureFile map;
    JpegSize mapSize;
    std::array<QImage, kKindCount> icons;
};

// Reads "Bannery.bmp", "Mapa.jpg" and "1.bmp" .. "6.bmp" from dir (which
// ends with a path separator), in that order. Throws the FileError of the
// first that fails.
StartupPictures ReadStartupPictures(const std::string& dir);

}  // namespace dzwonex
