#pragma once
#include <vector>

#include <QTableWidget>

#include "Records.h"

namespace dzwonex {

// "Najlepsi dyrektorzy": the best terms of one length, a row each (place,
// who, when, the rating; the game's seed in the tooltips), ten rows at most
// so that it never scrolls. A name too long for its column ends in "…",
// whole in its tooltip.
class TRecordsTable : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 16;
    static constexpr int kHeaderHeight = 18;
    // The height that shows every row of a full table.
    static constexpr int kFullHeight = kHeaderHeight + static_cast<int>(Records::kRows) * kRowHeight + 2;

    explicit TRecordsTable(QWidget* parent = nullptr);
    // The rows, best first; `highlight` (1..10, 0: none) is shown in bold.
    void ShowRows(const std::vector<RecordRow>& rows, int highlight = 0);
    void RetranslateUi();

private:
    void FitColumns();

    std::vector<RecordRow> rows_;
    int highlight_ = 0;
};

}  // namespace dzwonex
