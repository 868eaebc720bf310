#pragma once
// Vector pictograms shared by the banners and the logo. Each draws into
// a square of side `size` with its top-left corner at the painter's
// origin, in the given colour.
#include <QColor>
#include <QPainter>

namespace assets::pictogram {

void bell(QPainter& p, double size, const QColor& body, const QColor& edge);
void soundWaves(QPainter& p, double size, const QColor& colour);
void telephone(QPainter& p, double size, const QColor& colour);
void globe(QPainter& p, double size, const QColor& colour);
void lightning(QPainter& p, double size, const QColor& colour);
void briefcase(QPainter& p, double size, const QColor& colour);
void booth(QPainter& p, double size, const QColor& colour, const QColor& glass);

}  // namespace assets::pictogram
