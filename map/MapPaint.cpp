#include "MapPaint.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QtMath>

namespace dzwonex {

QImage WhiteTransparent(const QImage& icon) {
    QImage out = icon.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            // Only pure white is left out; every other colour is opaque,
            // whatever alpha the file may have carried.
            row[x] = (row[x] & 0x00FFFFFFu) == 0x00FFFFFFu ? 0u : (row[x] | 0xFF000000u);
        }
    }
    return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void PaintMap(QPainter& painter, const QRect& exposed, const MapPictures& pictures, const Company& game) {
    if (!pictures.map.isNull()) painter.drawImage(exposed.topLeft(), pictures.map, exposed);

    // An icon can touch the exposed area only if its point lies within this
    // band around it.
    const int left = exposed.left() - kIconSize + kIconOffset;
    const int top = exposed.top() - kIconSize + kIconOffset;
    const int right = exposed.right() + kIconOffset;
    const int bottom = exposed.bottom() + kIconOffset;
    for (int k = 1; k <= kKindCount; ++k) {
        const QImage& icon = pictures.icons[k - 1];
        if (icon.isNull()) continue;
        for (const auto& point : game.Subscribers(k)) {
            const int x = point->X();
            const int y = point->Y();
            if (x <= left || x > right || y <= top || y > bottom) continue;
            painter.drawImage(QPoint(x - kIconOffset, y - kIconOffset), icon);
        }
    }
}

void PaintHighlight(QPainter& painter, const QRect& exposed, const Company& game, int kind) {
    if (kind < 1 || kind > kKindCount) return;
    const int reach = kIconOffset + kHighlightMargin;
    // The pen is two pixels wide, half of it outside the square.
    const QRect band = exposed.adjusted(-reach - 2, -reach - 2, reach + 2, reach + 2);
    painter.setPen(QPen(kHighlightColour, 2));
    painter.setBrush(Qt::NoBrush);
    for (const auto& point : game.Subscribers(kind)) {
        if (!band.contains(point->X(), point->Y())) continue;
        painter.drawRect(point->X() - reach, point->Y() - reach, 2 * reach, 2 * reach);
    }
}

TMapPaintBox::TMapPaintBox(const MapPictures& pictures, const Company& game, QWidget* parent)
    : QWidget(parent), pictures_(pictures), game_(game) {
    // The picture covers every pixel, so nothing needs clearing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TMapPaintBox::paintEvent(QPaintEvent* event) {
    ++paintCount_;
    if (BeforePaint) BeforePaint();
    QPainter painter(this);
    if (pictures_.map.isNull()) painter.fillRect(event->rect(), Qt::white);
    PaintMap(painter, event->rect(), pictures_, game_);
    PaintHighlight(painter, event->rect(), game_, highlightKind_);
}

void TMapPaintBox::SetHighlightKind(int kind) {
    if (kind == highlightKind_) return;
    highlightKind_ = kind;
    update();
}

void TMapPaintBox::mousePressEvent(QMouseEvent* event) {
    // Which button went down does not matter.
    const QPointF pos = event->position();
    emit MouseDown(qFloor(pos.x()), qFloor(pos.y()));
    event->accept();
}

TLegendPaintBox::TLegendPaintBox(const MapPictures& pictures, QWidget* parent) : QWidget(parent), pictures_(pictures) {}

void TLegendPaintBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int k = 1; k <= kKindCount; ++k) {
        const QImage& icon = pictures_.icons[k - 1];
        if (!icon.isNull()) painter.drawImage(QPoint(0, kIconTops[k - 1]), icon);
    }
}

}  // namespace dzwonex
