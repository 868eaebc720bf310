#include "BmpFile.h"

#include "Bytes.h"

namespace assets {

std::vector<std::uint8_t> encodeBmp24(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3u + 3u) & ~3u;
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(height);
    const std::uint32_t offset = 14 + 40;

    ByteWriter out;
    // BITMAPFILEHEADER
    out.bytes("BM", 2);
    out.u32(offset + pixelBytes);
    out.u16(0);
    out.u16(0);
    out.u32(offset);
    // BITMAPINFOHEADER
    out.u32(40);
    out.u32(static_cast<std::uint32_t>(width));
    out.u32(static_cast<std::uint32_t>(height));  // positive: rows bottom-up
    out.u16(1);                                   // planes
    out.u16(24);                                  // bits per pixel
    out.u32(0);                                   // BI_RGB
    out.u32(pixelBytes);
    out.u32(2835);  // 72 dots per inch, in pixels per metre
    out.u32(2835);
    out.u32(0);  // no palette
    out.u32(0);

    for (int y = height - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::uint32_t written = 0;
        for (int x = 0; x < width; ++x) {
            out.u8(static_cast<std::uint8_t>(qBlue(row[x])));
            out.u8(static_cast<std::uint8_t>(qGreen(row[x])));
            out.u8(static_cast<std::uint8_t>(qRed(row[x])));
            written += 3;
        }
        for (; written < stride; ++written) out.u8(0);
    }
    return out.take();
}

}  // namespace assets
