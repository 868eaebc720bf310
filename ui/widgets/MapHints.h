#pragma once
#include <QObject>
#include <QString>

#include "Company.h"

namespace dzwonex {

// The legend's name of a subscriber kind 1..6, in the language installed.
QString KindName(int kind);

// Tooltips on the map naming the kind of the point under the pointer. The
// point is found by the same rule as a press, without its sound or case.
class TMapHints : public QObject {
    Q_OBJECT
public:
    TMapHints(QWidget* map, const Company& game);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Company& game_;
};

}  // namespace dzwonex
