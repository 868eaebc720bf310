#pragma once
// The fonts every picture is lettered in: DejaVu Sans, loaded from its
// own files so that no font substitution can change the output.
#include <QFont>
#include <QPainterPath>
#include <QString>

namespace dzwonex::assetgen {

// Loads the font files once; needs a QGuiApplication. Throws when a file
// cannot be loaded.
void LoadFonts();

// DejaVu Sans at `pixelSize`, bold or not, unhinted.
QFont SansFont(int pixelSize, bool bold = false);

// The outline of `text` with its baseline starting at (0, 0). Text is
// filled as paths so that no glyph cache or hinting enters the pixels.
QPainterPath TextPath(const QString& text, const QFont& font);

// Advance width of `text`.
double TextWidth(const QString& text, const QFont& font);

}  // namespace dzwonex::assetgen
