#include "Fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <stdexcept>

namespace dzwonex::assetgen {
namespace {

QString g_regular;
QString g_bold;

QString Load(const char* path) {
    const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(path));
    if (id < 0) throw std::runtime_error(std::string("cannot load font ") + path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) throw std::runtime_error(std::string("font without a family: ") + path);
    return families.front();
}

}  // namespace

void LoadFonts() {
    if (!g_regular.isEmpty()) return;
    g_regular = Load(DZWONEX_FONT_SANS);
    g_bold = Load(DZWONEX_FONT_SANS_BOLD);
}

QFont SansFont(int pixelSize, bool bold) {
    QFont font(bold ? g_bold : g_regular);
    font.setPixelSize(pixelSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferOutline | QFont::NoFontMerging));
    font.setKerning(true);
    return font;
}

QPainterPath TextPath(const QString& text, const QFont& font) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

double TextWidth(const QString& text, const QFont& font) { return QFontMetricsF(font).horizontalAdvance(text); }

}  // namespace dzwonex::assetgen
