#include "AchievementsDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "Controls.h"
#include "RecordsTable.h"
#include "TermDialog.h"

namespace dzwonex {

namespace {

// "rok 2, miesiąc 3, dzień 14" of a game's day, as the date line counts.
QString GameDate(int32_t day) {
    return TAchievementsDialog::tr("rok %1, miesiąc %2, dzień %3")
        .arg(day / Term::kYearDays + 1)
        .arg(day % Term::kYearDays / Term::kMonthDays + 1)
        .arg(day % Term::kMonthDays + 1);
}

}  // namespace

TAchievementsDialog::TAchievementsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmOsiagniecia"));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabsOsiagniecia"));

    auto* milestones = new QWidget;
    milestones->setObjectName(QStringLiteral("tabOsiagniecia"));
    lblLiczba_ = new QLabel(milestones);
    lblLiczba_->setObjectName(QStringLiteral("lblLiczba"));
    tblOsiagniecia_ = new QTableWidget(kMilestoneCount, 3, milestones);
    tblOsiagniecia_->setObjectName(QStringLiteral("tblOsiagniecia"));
    tblOsiagniecia_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblOsiagniecia_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblOsiagniecia_->setWordWrap(false);
    tblOsiagniecia_->verticalHeader()->hide();
    tblOsiagniecia_->verticalHeader()->setDefaultSectionSize(18);
    tblOsiagniecia_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tblOsiagniecia_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    tblOsiagniecia_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    // Every milestone in sight, without scrolling.
    tblOsiagniecia_->setMinimumHeight(kMilestoneCount * 18 + tblOsiagniecia_->horizontalHeader()->sizeHint().height() +
                                      2 * tblOsiagniecia_->frameWidth());
    auto* milestonesLayout = new QVBoxLayout(milestones);
    milestonesLayout->addWidget(lblLiczba_);
    milestonesLayout->addWidget(tblOsiagniecia_);

    auto* records = new QWidget;
    records->setObjectName(QStringLiteral("tabNajlepsi"));
    lblDlugosc_ = new QLabel(records);
    lblDlugosc_->setObjectName(QStringLiteral("lblDlugoscKadencji"));
    cbDlugosc_ = new QComboBox(records);
    cbDlugosc_->setObjectName(QStringLiteral("cbDlugosc"));
    lblDlugosc_->setBuddy(cbDlugosc_);
    for (int32_t years : Term::kChoices) cbDlugosc_->addItem(QString(), years);
    cbDlugosc_->setCurrentIndex(cbDlugosc_->findData(Term::kDefaultYears));
    connect(cbDlugosc_, &QComboBox::currentIndexChanged, this, &TAchievementsDialog::ShowRecords);
    tblRekordy_ = new TRecordsTable(records);
    tblRekordy_->setObjectName(QStringLiteral("tblRekordy"));
    tblRekordy_->setMinimumHeight(TRecordsTable::kFullHeight);
    auto* lengthRow = new QHBoxLayout;
    lengthRow->addWidget(lblDlugosc_);
    lengthRow->addWidget(cbDlugosc_);
    lengthRow->addStretch(1);
    auto* recordsLayout = new QVBoxLayout(records);
    recordsLayout->addLayout(lengthRow);
    recordsLayout->addWidget(tblRekordy_);
    recordsLayout->addStretch(1);

    tabs_->addTab(milestones, QString());
    tabs_->addTab(records, QString());
    btnZamknij_ = new QPushButton(this);
    btnZamknij_->setObjectName(QStringLiteral("btnZamknijOsiagniecia"));
    btnZamknij_->setAutoDefault(false);
    connect(btnZamknij_, &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnZamknij_);
    layout->addLayout(buttons);
    resize(680, 460);
    RetranslateUi();
}

void TAchievementsDialog::ShowBook(const MilestoneBook& book, const Records& records, Language language,
                                   int32_t years) {
    book_ = book;
    records_ = records;
    language_ = language;
    const bool chosenEmpty = records_.Table(cbDlugosc_->currentData().toInt()).empty();
    if (years != suggested_ || chosenEmpty) {
        suggested_ = years;
        int32_t shown = years > 0 ? years : Term::kDefaultYears;
        // Never an empty table while another length has a record.
        if (records_.Table(shown).empty())
            for (int32_t length : Term::kChoices)
                if (!records_.Table(length).empty()) {
                    shown = length;
                    break;
                }
        cbDlugosc_->setCurrentIndex(cbDlugosc_->findData(shown));
    }
    RetranslateUi();
}

void TAchievementsDialog::RetranslateUi() {
    setWindowTitle(tr("Osiągnięcia"));
    Describe(this, tr("Osiągnięcia"), tr("Osiągnięcia i najlepsi dyrektorzy"));
    Describe(tabs_, tr("Osiągnięcia i rekordy"), tr("Dwie karty: osiągnięcia i najlepsi dyrektorzy"));
    tabs_->setTabText(0, tr("Osiągnięcia"));
    tabs_->setTabText(1, tr("Najlepsi dyrektorzy"));
    Describe(tabs_->widget(0), tr("Osiągnięcia"), tr("Lista osiągnięć z datą zdobycia"));
    Describe(tabs_->widget(1), tr("Najlepsi dyrektorzy"), tr("Dziesięć najlepszych kadencji każdej długości"));
    lblLiczba_->setText(tr("Zdobyte: %1 z %2").arg(book_.Count()).arg(kMilestoneCount));
    Describe(lblLiczba_, tr("Liczba osiągnięć"), lblLiczba_->text());
    tblOsiagniecia_->setHorizontalHeaderLabels({tr("Osiągnięcie"), tr("Jak je zdobyć"), tr("Zdobyte")});
    Describe(tblOsiagniecia_, tr("Osiągnięcia"),
             tr("Każde osiągnięcie, jak je zdobyć i dzień gry, w którym zdobyto je pierwszy raz; niezdobyte bez "
                "daty"));
    QFont bold = font();
    bold.setBold(true);
    for (int i = 0; i < kMilestoneCount; ++i) {
        const auto id = static_cast<MilestoneId>(i);
        const auto& reached = book_.reached[static_cast<size_t>(i)];
        const QString texts[3] = {QString::fromUtf8(MilestoneName(id, language_)),
                                  QString::fromUtf8(MilestoneHow(id, language_)),
                                  reached ? GameDate(reached->day) : QStringLiteral("—")};
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            // The game's day it was reached; the calendar's in the tooltip.
            item->setToolTip(c == 2 && reached
                                 ? tr("%1 (zapisane %2)").arg(texts[c], QString::fromStdString(reached->date))
                                 : PlainToolTip(texts[c]));
            if (reached && c == 0) item->setFont(bold);
            if (!reached) item->setForeground(QColor(128, 128, 128));
            tblOsiagniecia_->setItem(i, c, item);
        }
    }
    lblDlugosc_->setText(tr("Kadencja:"));
    Describe(lblDlugosc_, tr("Kadencja"), tr("Podpis listy długości kadencji"));
    for (int i = 0; i < cbDlugosc_->count(); ++i)
        cbDlugosc_->setItemText(i, TermLengthText(cbDlugosc_->itemData(i).toInt()));
    Describe(cbDlugosc_, tr("Długość kadencji"), tr("Tabela której długości kadencji"));
    btnZamknij_->setText(tr("Zamknij"));
    Describe(btnZamknij_, tr("Zamknij"), tr("Zamyka okno osiągnięć"));
    tblRekordy_->RetranslateUi();
    ShowRecords();
}

void TAchievementsDialog::ShowRecords() { tblRekordy_->ShowRows(records_.Table(cbDlugosc_->currentData().toInt())); }

}  // namespace dzwonex
