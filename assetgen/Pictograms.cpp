#include "Pictograms.h"

#include <QPainterPath>

namespace dzwonex::assetgen::pictogram {

void Bell(QPainter& p, double s, const QColor& body, const QColor& edge) {
    QPainterPath path;
    // Crown, flaring sides, lip.
    path.moveTo(0.50 * s, 0.10 * s);
    path.cubicTo(0.30 * s, 0.10 * s, 0.24 * s, 0.28 * s, 0.24 * s, 0.46 * s);
    path.cubicTo(0.24 * s, 0.62 * s, 0.18 * s, 0.70 * s, 0.10 * s, 0.76 * s);
    path.lineTo(0.90 * s, 0.76 * s);
    path.cubicTo(0.82 * s, 0.70 * s, 0.76 * s, 0.62 * s, 0.76 * s, 0.46 * s);
    path.cubicTo(0.76 * s, 0.28 * s, 0.70 * s, 0.10 * s, 0.50 * s, 0.10 * s);
    path.closeSubpath();
    p.setPen(QPen(edge, s * 0.035, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(body);
    p.drawPath(path);
    // Clapper and the loop on top.
    p.drawEllipse(QPointF(0.50 * s, 0.83 * s), 0.08 * s, 0.08 * s);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0.50 * s, 0.07 * s), 0.05 * s, 0.04 * s);
    // A highlight on the left flank.
    QColor shine = body.lighter(135);
    shine.setAlpha(200);
    p.setPen(QPen(shine, s * 0.05, Qt::SolidLine, Qt::RoundCap));
    QPainterPath glint;
    glint.moveTo(0.36 * s, 0.24 * s);
    glint.cubicTo(0.32 * s, 0.34 * s, 0.32 * s, 0.48 * s, 0.32 * s, 0.58 * s);
    p.drawPath(glint);
}

void SoundWaves(QPainter& p, double s, const QColor& colour) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, s * 0.07, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 3; ++k) {
        const double r = s * (0.14 + 0.14 * k);
        p.drawArc(QRectF(-r, 0.5 * s - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    }
}

void Telephone(QPainter& p, double s, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    // Handset: a bar with ear and mouth pieces.
    QPainterPath handset;
    handset.addRoundedRect(QRectF(0.10 * s, 0.14 * s, 0.80 * s, 0.16 * s), 0.08 * s, 0.08 * s);
    handset.addRoundedRect(QRectF(0.08 * s, 0.22 * s, 0.22 * s, 0.18 * s), 0.06 * s, 0.06 * s);
    handset.addRoundedRect(QRectF(0.70 * s, 0.22 * s, 0.22 * s, 0.18 * s), 0.06 * s, 0.06 * s);
    p.drawPath(handset.simplified());
    // Body with a dial.
    QPainterPath body;
    body.moveTo(0.30 * s, 0.44 * s);
    body.lineTo(0.70 * s, 0.44 * s);
    body.lineTo(0.88 * s, 0.86 * s);
    body.lineTo(0.12 * s, 0.86 * s);
    body.closeSubpath();
    QPainterPath dial;
    dial.addEllipse(QPointF(0.50 * s, 0.66 * s), 0.13 * s, 0.13 * s);
    p.drawPath(body.subtracted(dial));
    p.drawEllipse(QPointF(0.50 * s, 0.66 * s), 0.05 * s, 0.05 * s);
}

void Globe(QPainter& p, double s, const QColor& c) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, 0.06 * s));
    const QPointF m(0.5 * s, 0.5 * s);
    p.drawEllipse(m, 0.38 * s, 0.38 * s);
    p.drawEllipse(m, 0.16 * s, 0.38 * s);
    p.drawLine(QPointF(0.12 * s, 0.5 * s), QPointF(0.88 * s, 0.5 * s));
    p.drawLine(QPointF(0.5 * s, 0.12 * s), QPointF(0.5 * s, 0.88 * s));
    p.drawArc(QRectF(0.18 * s, 0.26 * s, 0.64 * s, 0.16 * s), 0, 180 * 16);
    p.drawArc(QRectF(0.18 * s, 0.58 * s, 0.64 * s, 0.16 * s), 180 * 16, 180 * 16);
}

void Lightning(QPainter& p, double s, const QColor& c) {
    QPolygonF bolt;
    bolt << QPointF(0.58 * s, 0.04 * s) << QPointF(0.20 * s, 0.56 * s) << QPointF(0.46 * s, 0.56 * s)
         << QPointF(0.36 * s, 0.96 * s) << QPointF(0.80 * s, 0.40 * s) << QPointF(0.54 * s, 0.40 * s)
         << QPointF(0.66 * s, 0.04 * s);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(bolt);
}

void Briefcase(QPainter& p, double s, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPainterPath handle;
    handle.addRoundedRect(QRectF(0.34 * s, 0.14 * s, 0.32 * s, 0.20 * s), 0.06 * s, 0.06 * s);
    QPainterPath hole;
    hole.addRect(QRectF(0.41 * s, 0.21 * s, 0.18 * s, 0.14 * s));
    p.drawPath(handle.subtracted(hole));
    QPainterPath body;
    body.addRoundedRect(QRectF(0.08 * s, 0.30 * s, 0.84 * s, 0.56 * s), 0.08 * s, 0.08 * s);
    QPainterPath seam;
    seam.addRect(QRectF(0.08 * s, 0.52 * s, 0.84 * s, 0.04 * s));
    p.drawPath(body.subtracted(seam));
    p.drawRect(QRectF(0.44 * s, 0.48 * s, 0.12 * s, 0.12 * s));
}

void Booth(QPainter& p, double s, const QColor& c, const QColor& glass) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(0.26 * s, 0.04 * s, 0.48 * s, 0.12 * s), 0.05 * s, 0.05 * s);
    p.drawRect(QRectF(0.24 * s, 0.14 * s, 0.52 * s, 0.82 * s));
    p.setBrush(glass);
    p.drawRect(QRectF(0.32 * s, 0.24 * s, 0.36 * s, 0.50 * s));
    p.setBrush(c);
    p.drawRoundedRect(QRectF(0.44 * s, 0.32 * s, 0.10 * s, 0.26 * s), 0.03 * s, 0.03 * s);
}

}  // namespace dzwonex::assetgen::pictogram
