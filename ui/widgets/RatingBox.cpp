#include "RatingBox.h"

#include <algorithm>

#include "RatingParts.h"

namespace dzwonex {

TRatingBox::TRatingBox(QWidget* parent) : TPanel(parent) {
    setObjectName(QStringLiteral("pnlOcena"));
    resize(kWidth, kHeight);
    Shape(this, "shapeOcena", {8, 2, 361, 63}, kBoxFill);
    lblOcenaTytul_ = FixedLabel(this, "lblOcenaTytul", QString(), {16, 8, 110, 13}, true);
    lblOcena_ = FixedLabel(this, "lblOcena", QString(), {130, 8, 70, 13}, true);
    lblKadencja_ = FixedLabel(this, "lblKadencja", QString(), {206, 8, 155, 13}, false, Qt::AlignRight);
    parts_ = new TRatingParts(QStringLiteral("Ocena"), 3, this);
    parts_->setGeometry(16, 26, 345, parts_->RowsHeight());
}

void TRatingBox::Show(const Rating& rating, const Term& term, int32_t day) {
    rating_ = rating;
    term_ = term;
    day_ = day;
    ShowTexts();
}

void TRatingBox::ShowTexts() {
    lblOcena_->setText(tr("%1 / %2").arg(rating_.total).arg(Rating::kTotalMaximum));
    Describe(lblOcena_, tr("Ocena firmy"), tr("%1 z %2 punktów").arg(rating_.total).arg(Rating::kTotalMaximum));
    QString term;
    if (term_.Running())
        term = tr("Kadencja: rok %1 z %2")
                   .arg(std::min(term_.DaysServed(day_) / Term::kYearDays + 1, term_.years))
                   .arg(term_.years);
    else if (term_.Chosen())
        term = tr("Kadencja zakończona");
    else
        term = tr("Bez kadencji");
    lblKadencja_->setText(term);
    Describe(lblKadencja_, tr("Kadencja"), term);
    parts_->Show(rating_);
}

void TRatingBox::RetranslateUi() {
    ShowCaption(lblOcenaTytul_, tr("Ocena firmy"));
    Describe(lblOcenaTytul_, tr("Ocena firmy"), tr("Podpis oceny firmy"));
    Describe(this, tr("Ocena firmy"), tr("Ocena firmy od 0 do 1000, jej części i kadencja"));
    parts_->RetranslateUi();
    ShowTexts();
}

}  // namespace dzwonex
