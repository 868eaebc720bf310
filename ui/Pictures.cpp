#include "Pictures.h"

#include <new>

namespace dzwonex {

namespace {

QImage ToImage(const RgbImage& rgb, const std::string& path) {
    const QImage view(rgb.rgb.data(), rgb.width, rgb.height, rgb.width * 3, QImage::Format_RGB888);
    // RGB32 is what the screen takes without conversion; this also copies
    // the pixels out of the decoder's buffer. Qt answers a failed
    // allocation with a null image.
    QImage image = view.convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) throw FileReadError(path, {FileFault::OutOfMemory});
    return image;
}

}  // namespace

QImage LoadBitmap(const std::string& path) {
    const std::vector<unsigned char> bytes = ReadRegularFile(path, kBitmapFileLimit);
    CheckBmp(bytes, path);
    QImage image;
    try {
        if (image.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "BMP")) return image;
    } catch (const std::bad_alloc&) {
        throw FileReadError(path, {FileFault::OutOfMemory});
    }
    throw FileError("Bitmap image is not valid: " + path, path);
}

JpegSize MapPictureFile::Check(const std::string& path) {
    path_ = path;
    bytes_ = ReadRegularFile(path, kMapFileLimit);
    return CheckJpeg(bytes_, path);
}

QImage MapPictureFile::Decode() {
    const std::vector<unsigned char> bytes = std::move(bytes_);
    bytes_ = {};
    try {
        return ToImage(DecodeJpeg(bytes, path_), path_);
    } catch (const std::bad_alloc&) {
        throw FileReadError(path_, {FileFault::OutOfMemory});
    }
}

}  // namespace dzwonex
