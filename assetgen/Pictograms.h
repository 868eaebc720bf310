#pragma once
// Vector pictograms shared by the banners and the logo. Each draws into
// a square of side `size` with its top-left corner at the painter's
// origin, in the given colour.
#include <QColor>
#include <QPainter>

namespace dzwonex::assetgen::pictogram {

void Bell(QPainter& p, double size, const QColor& body, const QColor& edge);
void SoundWaves(QPainter& p, double size, const QColor& colour);
void Telephone(QPainter& p, double size, const QColor& colour);
void Globe(QPainter& p, double size, const QColor& colour);
void Lightning(QPainter& p, double size, const QColor& colour);
void Briefcase(QPainter& p, double size, const QColor& colour);
void Booth(QPainter& p, double size, const QColor& colour, const QColor& glass);

}  // namespace dzwonex::assetgen::pictogram
