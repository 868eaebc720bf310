#pragma once
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include "Language.h"
#include "Milestones.h"
#include "Records.h"

namespace dzwonex {

class TRecordsTable;

// "Osiągnięcia": every milestone, how it is reached and the game's date it
// was first reached (the calendar's in its tooltip), and "Najlepsi
// dyrektorzy" of each term length. A window of its own beside the game;
// like the help, the clock stands while it is open.
class TAchievementsDialog : public QDialog {
    Q_OBJECT
public:
    explicit TAchievementsDialog(QWidget* parent = nullptr);
    // What it lists; the milestones' words in `language`, the rest in the
    // language installed. The records open on the term length `years` (the
    // term just served or in play; 0: none), or on a length that has
    // records when that one has none; a length the player picked stays
    // until another term is suggested.
    void ShowBook(const MilestoneBook& book, const Records& records, Language language, int32_t years = 0);
    QTableWidget* MilestoneTable() const { return tblOsiagniecia_; }
    TRecordsTable* RecordsTable() const { return tblRekordy_; }
    QComboBox* LengthBox() const { return cbDlugosc_; }
    QTabWidget* Tabs() const { return tabs_; }

private:
    void ShowRecords();
    void RetranslateUi();

    QTabWidget* tabs_;
    QLabel* lblLiczba_;
    QTableWidget* tblOsiagniecia_;
    QLabel* lblDlugosc_;
    QComboBox* cbDlugosc_;
    TRecordsTable* tblRekordy_;
    QPushButton* btnZamknij_;
    MilestoneBook book_;
    Records records_;
    Language language_ = Language::Polish;
    int32_t suggested_ = -1;  // the term length last suggested
};

}  // namespace dzwonex
