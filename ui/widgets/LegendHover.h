#pragma once
#include <array>

#include <QRect>
#include <QWidget>

#include "Subscribers.h"

namespace dzwonex {

// Lies over the legend's rows and tells which kind the pointer is on, so
// the map can pick out that kind's points. It draws only a thin frame
// around the row under the pointer.
class TLegendHover : public QWidget {
    Q_OBJECT
public:
    // rows: each kind's row in the parent's coordinates.
    TLegendHover(const std::array<QRect, kKindCount>& rows, QWidget* parent);
    // 1..6, or 0 with the pointer on no row.
    int HotKind() const { return hot_; }
    // The row of a kind in this widget's coordinates.
    QRect Row(int kind) const { return rows_[static_cast<size_t>(kind - 1)]; }

signals:
    void HotKindChanged(int kind);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void SetHot(int kind);
    std::array<QRect, kKindCount> rows_;
    int hot_ = 0;
};

}  // namespace dzwonex
