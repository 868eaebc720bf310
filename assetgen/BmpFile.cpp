#include "BmpFile.h"

#include "SaveFile.h"

namespace dzwonex::assetgen {

void SaveBmp24(const std::string& path, const QImage& source) {
    // Qt writes 24 bits per pixel for any image without a palette, and
    // the resolution the image carries.
    QImage image = source.convertToFormat(QImage::Format_RGB32);
    constexpr int kDotsPerMetre72Dpi = 2835;
    image.setDotsPerMeterX(kDotsPerMetre72Dpi);
    image.setDotsPerMeterY(kDotsPerMetre72Dpi);
    SaveImage(path, image, "BMP");
}

}  // namespace dzwonex::assetgen
