// The program's icon for the desktop: the logo without the dialog's white
// background, drawn at each size of the icon theme and as an SVG.
#include "Assets.h"
#include "SaveFile.h"

#include <QBuffer>
#include <QSvgGenerator>
#include <filesystem>
#include <stdexcept>

namespace dzwonex::assetgen {

namespace {

// The logo's drawing runs from y = 2 to 81; this centres it on the square.
constexpr double kCentring = 3.5;

}  // namespace

QImage DrawAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(static_cast<double>(size) / kLogoSize, static_cast<double>(size) / kLogoSize);
    p.translate(0, kCentring);
    PaintLogo(p);
    p.end();
    return image;
}

void GenerateAppIcons(const std::string& folder, const std::string& name) {
    namespace fs = std::filesystem;
    for (const int size : kIconSizes) {
        const fs::path dir = fs::path(folder) / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
        fs::create_directories(dir);
        const std::string path = (dir / (name + ".png")).string();
        SaveImage(path, DrawAppIcon(size), "PNG");
    }

    const fs::path dir = fs::path(folder) / "scalable" / "apps";
    fs::create_directories(dir);
    const std::string path = (dir / (name + ".svg")).string();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(kLogoSize, kLogoSize));
    svg.setViewBox(QRectF(0, 0, kLogoSize, kLogoSize));
    svg.setTitle(QStringLiteral("Dzwonex"));
    svg.setDescription(QStringLiteral("The Dzwonex logo: a golden bell in a blue disc above a red ribbon"));
    QPainter p;
    if (!p.begin(&svg)) throw std::runtime_error("cannot draw " + path);
    p.translate(0, kCentring);
    PaintLogo(p);
    if (!p.end()) throw std::runtime_error("cannot draw " + path);
    SaveFile(path, bytes);
}

}  // namespace dzwonex::assetgen
