#include "Pictures.h"

#include <new>

#include <QBuffer>
#include <QImageReader>

namespace dzwonex {

namespace {

// The decoder's pixels as they are, owned by the image: a copy in the
// screen's four bytes a pixel would hold both at once, 10 MB for the map
// instead of 4.5.
QImage ToImage(RgbImage rgb) {
    auto* pixels = new std::vector<uint8_t>(std::move(rgb.rgb));
    return QImage(
        pixels->data(), rgb.width, rgb.height, rgb.width * 3, QImage::Format_RGB888,
        [](void* owned) { delete static_cast<std::vector<uint8_t>*>(owned); }, pixels);
}

}  // namespace

QImage LoadBitmap(const std::string& path) {
    const std::vector<unsigned char> bytes = ReadRegularFile(path, kBitmapFileLimit);
    CheckBmp(bytes, path);
    QImage image;
    try {
        // Qt's own bitmap reader, straight: left to guess, Qt would load
        // every image plugin (SVG and its library too) to ask each.
        const QByteArray data =
            QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "bmp");
        reader.setAutoDetectImageFormat(false);
        if (reader.read(&image)) return image;
    } catch (const std::bad_alloc&) {
        throw FileReadError(path, {FileFault::OutOfMemory});
    }
    throw FileError("Bitmap image is not valid: " + path, path, "Nieprawidłowy obraz bitmapy: " + path);
}

JpegSize MapPictureFile::Check(const std::string& path) {
    path_ = path;
    bytes_ = ReadRegularFile(path, kMapFileLimit);
    // Only the header: decoding the whole picture to check it would cost
    // the start-up a few milliseconds of a processor for a page the first
    // frame does not show. A fault further in is told when it is decoded.
    return ReadJpegSize(bytes_, path);
}

QImage MapPictureFile::Decode() {
    const std::vector<unsigned char> bytes = std::move(bytes_);
    bytes_ = {};
    try {
        return ToImage(DecodeJpeg(bytes, path_));
    } catch (const std::bad_alloc&) {
        throw FileReadError(path_, {FileFault::OutOfMemory});
    }
}

StartupPictures ReadStartupPictures(const std::string& dir) {
    StartupPictures pictures;
    pictures.banners = LoadBitmap(dir + "Bannery.bmp").convertToFormat(QImage::Format_RGB32);
    pictures.mapSize = pictures.map.Check(dir + "Mapa.jpg");
    for (int k = 1; k <= kKindCount; ++k)
        pictures.icons[static_cast<size_t>(k - 1)] = WhiteTransparent(LoadBitmap(dir + std::to_string(k) + ".bmp"));
    return pictures;
}

}  // namespace dzwonex
