#pragma once
#include <array>
#include <cstdint>
#include <optional>

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "Term.h"

namespace dzwonex {

// "5 lat", "1 rok": a term's length in the language installed.
QString TermLengthText(int32_t years);

// "Nowa gra": the question whether to give up the game in play (it is
// kept) and the length of the new game's term: 1, 2, 5 (the default) or
// 10 years, or none.
class TTermDialog : public QDialog {
    Q_OBJECT
public:
    TTermDialog(const QString& question, QWidget* parent = nullptr);
    // The years picked; 0 for no term.
    int32_t Years() const;
    void Pick(int32_t years);
    QPushButton* StartButton() const { return start_; }

private:
    QLabel* question_;
    // In the order of Term::kChoices, then "no term".
    std::array<QRadioButton*, Term::kChoices.size() + 1> choices_{};
    QPushButton* start_;
    QPushButton* cancel_;
};

}  // namespace dzwonex
