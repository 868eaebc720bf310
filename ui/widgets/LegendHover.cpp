#include "LegendHover.h"

#include <QMouseEvent>
#include <QPainter>

#include "Controls.h"

namespace dzwonex {

TLegendHover::TLegendHover(const std::array<QRect, kKindCount>& rows, QWidget* parent) : QWidget(parent) {
    QRect all;
    for (const QRect& r : rows) all |= r;
    setGeometry(all);
    for (size_t i = 0; i < rows.size(); ++i) rows_[i] = rows[i].translated(-all.topLeft());
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
}

void TLegendHover::SetHot(int kind) {
    if (kind == hot_) return;
    hot_ = kind;
    update();
    emit HotKindChanged(kind);
}

void TLegendHover::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    int kind = 0;
    for (int k = 1; k <= kKindCount && kind == 0; ++k)
        if (Row(k).contains(at)) kind = k;
    SetHot(kind);
    QWidget::mouseMoveEvent(event);
}

void TLegendHover::leaveEvent(QEvent* event) {
    SetHot(0);
    QWidget::leaveEvent(event);
}

void TLegendHover::paintEvent(QPaintEvent*) {
    if (hot_ == 0) return;
    QPainter painter(this);
    painter.setPen(kBoxFrame.darker(140));
    painter.drawRect(Row(hot_).adjusted(0, 0, -1, -1));
}

}  // namespace dzwonex
