#include "RecordsTable.h"

#include <algorithm>

#include <QFontMetrics>
#include <QHeaderView>

#include "Controls.h"

namespace dzwonex {

namespace {

// Place, who, date, rating: all but the name as wide as their widest text
// (in bold, as the term's own row is) or their header; the name takes what
// is left. The game's seed is a detail for the curious: in the tooltips.
constexpr int kColumns = 4;
constexpr int kNameColumn = 1;
const char* const kWidestTexts[kColumns] = {"10", "", "2026-12-31", "1000"};
constexpr int kCellMargin = 10;

}  // namespace

TRecordsTable::TRecordsTable(QWidget* parent) : QTableWidget(0, kColumns, parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::TabFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    QHeaderView* header = horizontalHeader();
    header->setFixedHeight(kHeaderHeight);
    header->setHighlightSections(false);
    header->setSectionsClickable(false);
    for (int c = 0; c < kColumns; ++c)
        header->setSectionResizeMode(c, c == kNameColumn ? QHeaderView::Stretch : QHeaderView::Fixed);
    RetranslateUi();
}

void TRecordsTable::FitColumns() {
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics cell(bold);
    const QFontMetrics head(horizontalHeader()->font());
    for (int c = 0; c < kColumns; ++c) {
        if (c == kNameColumn) continue;
        const QTableWidgetItem* title = horizontalHeaderItem(c);
        const int widest = std::max(cell.horizontalAdvance(QString::fromLatin1(kWidestTexts[c])),
                                    title ? head.horizontalAdvance(title->text()) : 0);
        setColumnWidth(c, widest + kCellMargin);
    }
}

void TRecordsTable::ShowRows(const std::vector<RecordRow>& rows, int highlight) {
    rows_ = rows;
    highlight_ = highlight;
    setRowCount(static_cast<int>(rows.size()));
    QFont bold = font();
    bold.setBold(true);
    for (int r = 0; r < rowCount(); ++r) {
        const RecordRow& row = rows[static_cast<size_t>(r)];
        const QString texts[kColumns] = {QString::number(r + 1), QString::fromStdString(row.user),
                                         QString::fromStdString(row.date), QString::number(row.rating)};
        const QString seed = tr("Ziarno gry: %1").arg(row.seed);
        for (int c = 0; c < kColumns; ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            item->setTextAlignment(c == 1 || c == 2 ? Qt::AlignLeft | Qt::AlignVCenter
                                                    : Qt::AlignRight | Qt::AlignVCenter);
            // The name whole where it is cut; the seed everywhere else.
            item->setToolTip(c == kNameColumn ? PlainToolTip(texts[c]) : seed);
            if (r + 1 == highlight) item->setFont(bold);
            setItem(r, c, item);
        }
    }
}

void TRecordsTable::RetranslateUi() {
    setHorizontalHeaderLabels({tr("Nr"), tr("Dyrektor"), tr("Data"), tr("Ocena")});
    FitColumns();
    Describe(this, tr("Najlepsi dyrektorzy"),
             tr("Dziesięć najlepszych kadencji tej długości: miejsce, dyrektor, data i ocena; ziarno gry w "
                "podpowiedzi"));
    Describe(horizontalHeader(), tr("Nagłówki kolumn"), tr("Miejsce, dyrektor, data i ocena"));
}

}  // namespace dzwonex
