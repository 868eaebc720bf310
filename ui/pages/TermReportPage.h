#pragma once
#include <vector>

#include <QLabel>
#include <QPushButton>

#include "Controls.h"
#include "Records.h"
#include "Term.h"

namespace dzwonex {

class TRatingParts;
class TRecordsTable;
class TTermChart;

// pnlRaport: the report at a term's end, shown over the pages until the
// player goes on. On the left the final rating with the board's verdict in
// a line, its parts, the rating month by month and the best and worst
// months; on the right "Najlepsi dyrektorzy" of the term's length with the
// place the term took.
class TermReportPage : public TPanel {
    Q_OBJECT
public:
    explicit TermReportPage(QWidget* parent = nullptr);

    // The report, the table of its term's length and the place the term
    // took in it (1..10; 0: none). The page's controls are made then.
    void ShowReport(const TermReport& report, const std::vector<RecordRow>& table, int32_t place);
    // After ShowReport.
    QPushButton* PlayOnButton() const { return btnGrajDalej_; }
    void RetranslateUi();

signals:
    // The player goes on playing, with no term.
    void PlayOn();

private:
    void Build();
    void ShowTexts();
    void LayOut();

    TShape* shapeRaport_ = nullptr;
    TShape* shapeRekordy_ = nullptr;
    QLabel* lblRaportTytul_ = nullptr;
    QLabel* lblRaportOkres_ = nullptr;
    QLabel* lblRaportOcena_ = nullptr;
    QLabel* lblWerdykt_ = nullptr;
    TRatingParts* parts_ = nullptr;
    TTermChart* chartKadencja_ = nullptr;
    QLabel* lblNajlepszy_ = nullptr;
    QLabel* lblNajgorszy_ = nullptr;
    QLabel* lblRekordyTytul_ = nullptr;
    QLabel* lblMiejsce_ = nullptr;
    TRecordsTable* tblNajlepsi_ = nullptr;
    QPushButton* btnGrajDalej_ = nullptr;  // the last made: none until the first report
    TermReport report_;
    std::vector<RecordRow> table_;
    int32_t place_ = 0;
};

}  // namespace dzwonex
