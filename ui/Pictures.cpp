#include "Pictures.h"

#include "ImageFiles.h"

namespace dzwonex {

QImage LoadBitmap(const std::string& path) {
    // The headers are checked first, so the message matches what is wrong.
    ReadBmpInfo(path);
    QImage image;
    if (!image.load(QString::fromStdString(path), "BMP")) throw AssetError("Bitmap image is not valid", path);
    return image;
}

QImage LoadJpeg(const std::string& path) {
    const RgbImage rgb = DecodeJpeg(path);
    const QImage view(rgb.rgb.data(), rgb.width, rgb.height, rgb.width * 3, QImage::Format_RGB888);
    // RGB32 is what the screen takes without conversion; this also copies
    // the pixels out of the decoder's buffer.
    return view.convertToFormat(QImage::Format_RGB32);
}

}  // namespace dzwonex
