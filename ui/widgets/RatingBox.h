#pragma once
#include <QLabel>

#include "Controls.h"
#include "Rating.h"
#include "Term.h"

namespace dzwonex {

class TRatingParts;

// pnlOcena, below the statistics panel: the company's rating ("Ocena
// firmy", 0..1000) with its five parts, and how the term stands.
class TRatingBox : public TPanel {
    Q_OBJECT
public:
    static constexpr int kWidth = 377;
    static constexpr int kHeight = 66;

    explicit TRatingBox(QWidget* parent = nullptr);
    // The rating as it stands on the game's day `day`, and the term.
    void Show(const Rating& rating, const Term& term, int32_t day);
    void RetranslateUi();
    TRatingParts* Parts() const { return parts_; }

private:
    void ShowTexts();

    QLabel* lblOcenaTytul_;
    QLabel* lblOcena_;
    QLabel* lblKadencja_;
    TRatingParts* parts_;
    Rating rating_;
    Term term_;
    int32_t day_ = 0;
};

}  // namespace dzwonex
