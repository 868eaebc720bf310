// dzwonex-contactsheet ASSET_FOLDER OUTPUT.png
//
// One picture of the generated assets for the README: the whole map at
// half size and a part of it at full size, both with subscriber icons
// scattered the way a new game scatters them, the six icons enlarged
// with their names, the logo and every banner.
#include "Assets.h"
#include "Fonts.h"
#include "JpegFile.h"
#include "SaveFile.h"

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <map>
#include <string>
#include <vector>

namespace assetgen = dzwonex::assetgen;

namespace {

// The game's own generator, with a fixed seed.
class Lcg {
public:
    explicit Lcg(std::uint32_t seed) : state_(seed) {}
    int Random(int n) {
        state_ = state_ * 134775813u + 1u;
        return static_cast<int>((static_cast<std::uint64_t>(state_) * static_cast<std::uint64_t>(n)) >> 32);
    }

private:
    std::uint32_t state_;
};

QImage LoadBmp(const std::string& path) {
    QImage image(QString::fromStdString(path), "BMP");
    if (image.isNull()) throw std::runtime_error("cannot read " + path);
    return image.convertToFormat(QImage::Format_RGB32);
}

// White pixels see-through, as the game draws the icons.
QImage TransparentWhite(const QImage& icon) {
    QImage out = icon.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if ((out.pixel(x, y) & 0xFFFFFFu) == 0xFFFFFFu) out.setPixel(x, y, 0);
    return out;
}

// Reduces `image` to at most 256 colours by median cut (no dithering):
// the sheet is mostly pale map tones, which a palette holds well, and
// the PNG shrinks to a size worth keeping in the repository.
QImage Quantise(const QImage& image) {
    struct Box {
        std::vector<QRgb> pixels;
    };
    std::vector<QRgb> all;
    all.reserve(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) all.push_back(image.pixel(x, y) | 0xFF000000u);
    std::vector<Box> boxes(1);
    boxes[0].pixels = std::move(all);
    auto channel = [](QRgb c, int k) { return k == 0 ? qRed(c) : k == 1 ? qGreen(c) : qBlue(c); };
    while (boxes.size() < 256) {
        // Split the box with the widest channel range.
        std::size_t best = 0;
        int bestRange = -1;
        int bestChannel = 0;
        for (std::size_t b = 0; b < boxes.size(); ++b) {
            if (boxes[b].pixels.size() < 2) continue;
            for (int k = 0; k < 3; ++k) {
                int lo = 255, hi = 0;
                for (QRgb c : boxes[b].pixels) {
                    lo = std::min(lo, channel(c, k));
                    hi = std::max(hi, channel(c, k));
                }
                if (hi - lo > bestRange) {
                    bestRange = hi - lo;
                    best = b;
                    bestChannel = k;
                }
            }
        }
        if (bestRange <= 0) break;
        std::vector<QRgb>& px = boxes[best].pixels;
        const auto mid = px.begin() + static_cast<std::ptrdiff_t>(px.size() / 2);
        std::nth_element(px.begin(), mid, px.end(),
                         [&](QRgb a, QRgb b) { return channel(a, bestChannel) < channel(b, bestChannel); });
        Box upper;
        upper.pixels.assign(mid, px.end());
        px.erase(mid, px.end());
        boxes.push_back(std::move(upper));
    }
    QList<QRgb> palette;
    for (const Box& b : boxes) {
        long long r = 0, g = 0, bl = 0;
        for (QRgb c : b.pixels) {
            r += qRed(c);
            g += qGreen(c);
            bl += qBlue(c);
        }
        const long long n = std::max<long long>(1, static_cast<long long>(b.pixels.size()));
        palette.push_back(qRgb(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(bl / n)));
    }
    QImage out(image.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    std::map<QRgb, int> nearest;
    for (int y = 0; y < image.height(); ++y) {
        uchar* row = out.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            auto it = nearest.find(c);
            if (it == nearest.end()) {
                int bestIndex = 0;
                int bestDistance = 1 << 30;
                for (int i = 0; i < palette.size(); ++i) {
                    const int dr = qRed(c) - qRed(palette[i]);
                    const int dg = qGreen(c) - qGreen(palette[i]);
                    const int db = qBlue(c) - qBlue(palette[i]);
                    const int d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
                    if (d < bestDistance) {
                        bestDistance = d;
                        bestIndex = i;
                    }
                }
                it = nearest.emplace(c, bestIndex).first;
            }
            row[x] = static_cast<uchar>(it->second);
        }
    }
    return out;
}

void DrawText(QPainter& p, const QString& text, QPointF at, int size, bool bold, QColor colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(assetgen::TextPath(text, assetgen::SansFont(size, bold)).translated(at));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ASSET_FOLDER OUTPUT.png\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    try {
        assetgen::LoadFonts();
        const std::string dir = std::string(argv[1]) + "/";
        QImage map = assetgen::DecodeJpegFile(dir + "Mapa.jpg").convertToFormat(QImage::Format_RGB32);
        std::array<QImage, 6> icons;
        for (int k = 0; k < 6; ++k)
            icons[static_cast<std::size_t>(k)] = TransparentWhite(LoadBmp(dir + std::to_string(k + 1) + ".bmp"));
        const QImage banners = LoadBmp(dir + "Bannery.bmp");
        const QImage logo = LoadBmp(dir + "Logo.bmp");

        // Subscribers as a new game places them: a thousand phone lines,
        // a few dozen ISDN lines and booths, a handful of the rest.
        {
            const int counts[6] = {1000, 33, 16, 4, 2, 24};
            Lcg lcg(20240601u);
            QPainter p(&map);
            for (int k = 0; k < 6; ++k)
                for (int n = 0; n < counts[k]; ++n) {
                    const int x = lcg.Random(map.width());
                    const int y = lcg.Random(map.height());
                    p.drawImage(x - 8, y - 8, icons[static_cast<std::size_t>(k)]);
                }
        }

        const int width = 1040;
        const QImage half =
            map.scaled(map.width() / 2, map.height() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QRect cropArea(440, 300, width - 20, 300);
        const int bannerRows = (banners.height() / assetgen::kBannerHeight + 1) / 2;
        const int height = 20 + half.height() + 40 + cropArea.height() + 40 + bannerRows * 60 + 20;
        QImage sheet(width, height, QImage::Format_RGB32);
        sheet.fill(QColor(250, 249, 245));
        QPainter p(&sheet);
        p.setRenderHint(QPainter::Antialiasing, true);

        p.drawImage(10, 20, half);
        DrawText(p, QStringLiteral("Mapa.jpg (1:2)"), QPointF(10, 15), 11, true, QColor(60, 60, 60));

        // Legend: the icons at four times their size with their kinds.
        const char16_t* names[6] = {u"1.bmp  Telefon/modem", u"2.bmp  ISDN",     u"3.bmp  SDI",
                                    u"4.bmp  Neostrada",     u"5.bmp  Polpak-T", u"6.bmp  Budka telefoniczna"};
        const int lx = 20 + half.width() + 10;
        for (int k = 0; k < 6; ++k) {
            const int y = 22 + k * 58;
            p.fillRect(QRect(lx, y, 52, 52), QColor(232, 226, 214));
            p.drawImage(QRect(lx + 2, y + 2, 48, 48), icons[static_cast<std::size_t>(k)]);
            p.drawImage(lx + 60, y + 18, icons[static_cast<std::size_t>(k)]);
            DrawText(p, QString::fromUtf16(names[k]), QPointF(lx + 84, y + 31), 12, false, QColor(50, 50, 50));
        }
        const int logoY = 22 + 6 * 58 + 6;
        DrawText(p, QStringLiteral("Logo.bmp"), QPointF(lx, logoY + 10), 11, true, QColor(60, 60, 60));
        p.drawImage(lx, logoY + 16, logo);

        const int cropY = 20 + half.height() + 40;
        DrawText(p, QStringLiteral("Mapa.jpg (1:1, fragment)"), QPointF(10, cropY - 6), 11, true, QColor(60, 60, 60));
        p.drawImage(QPoint(10, cropY), map, cropArea);

        const int bannerY = cropY + cropArea.height() + 40;
        DrawText(p, QStringLiteral("Bannery.bmp"), QPointF(10, bannerY - 6), 11, true, QColor(60, 60, 60));
        const int count = banners.height() / assetgen::kBannerHeight;
        for (int i = 0; i < count; ++i) {
            const QRect source(0, i * assetgen::kBannerHeight, assetgen::kBannerWidth, assetgen::kBannerHeight);
            const QPoint at(10 + (i % 2) * (assetgen::kBannerWidth + 20), bannerY + (i / 2) * 60);
            p.drawImage(at, banners, source);
        }
        p.end();

        assetgen::SaveImage(argv[2], Quantise(sheet), "PNG", 9);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "dzwonex-contactsheet: %s\n", e.what());
        return 1;
    }
    return 0;
}
