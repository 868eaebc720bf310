#pragma once
#include <QCheckBox>

namespace dzwonex {

// A check box that toggles on a press anywhere in its bounds, not only on
// its box and caption.
class TWideCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace dzwonex
