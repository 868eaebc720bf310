#include "TermDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "GameOptions.h"

namespace dzwonex {

QString TermLengthText(int32_t years) {
    switch (years) {
        case 1:
            return TTermDialog::tr("1 rok");
        case 2:
            return TTermDialog::tr("2 lata");
        case 5:
            return TTermDialog::tr("5 lat");
        case 10:
            return TTermDialog::tr("10 lat");
        default:
            return TTermDialog::tr("bez kadencji");
    }
}

TTermDialog::TTermDialog(const QString& question, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmNowaGra"));
    setWindowTitle(tr("Nowa gra"));
    setAccessibleName(tr("Nowa gra"));
    setAccessibleDescription(tr("Nowa gra i długość kadencji"));
    question_ = new QLabel(question, this);
    question_->setObjectName(QStringLiteral("lblPytanie"));
    question_->setWordWrap(true);
    question_->setAccessibleName(tr("Pytanie"));
    question_->setAccessibleDescription(question);
    auto* lengthCaption = new QLabel(tr("Kadencja dyrektora:"), this);
    lengthCaption->setObjectName(QStringLiteral("lblDlugosc"));
    lengthCaption->setAccessibleName(tr("Kadencja dyrektora"));
    lengthCaption->setAccessibleDescription(tr("Podpis wyboru długości kadencji"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question_);
    layout->addSpacing(6);
    layout->addWidget(lengthCaption);
    auto* group = new QButtonGroup(this);
    for (size_t i = 0; i < choices_.size(); ++i) {
        const int32_t years = i < Term::kChoices.size() ? Term::kChoices[i] : 0;
        auto* choice = new QRadioButton(years ? TermLengthText(years) : tr("Bez kadencji"), this);
        choice->setObjectName(QStringLiteral("rbKadencja%1").arg(years));
        choice->setAccessibleName(choice->text());
        choice->setAccessibleDescription(years ? tr("Kadencja tylu lat gry; na końcu raport i tabela najlepszych")
                                               : tr("Gra bez końca, bez raportu"));
        group->addButton(choice, years);
        layout->addWidget(choice);
        choices_[i] = choice;
    }
    Pick(Term::kDefaultYears);
    auto* buttons = new QDialogButtonBox(this);
    start_ = buttons->addButton(tr("Nowa gra"), QDialogButtonBox::AcceptRole);
    start_->setObjectName(QStringLiteral("btnZacznij"));
    start_->setAccessibleName(tr("Nowa gra"));
    start_->setAccessibleDescription(tr("Zaczyna nową grę z wybraną kadencją"));
    start_->setDefault(true);
    cancel_ = buttons->addButton(tr("Anuluj"), QDialogButtonBox::RejectRole);
    cancel_->setObjectName(QStringLiteral("btnAnuluj"));
    cancel_->setAccessibleName(tr("Anuluj"));
    cancel_->setAccessibleDescription(tr("Gra toczy się dalej jak dotąd"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

int32_t TTermDialog::Years() const {
    for (size_t i = 0; i < choices_.size(); ++i)
        if (choices_[i]->isChecked()) return i < Term::kChoices.size() ? Term::kChoices[i] : 0;
    return 0;
}

void TTermDialog::Pick(int32_t years) {
    for (size_t i = 0; i < choices_.size(); ++i)
        choices_[i]->setChecked((i < Term::kChoices.size() ? Term::kChoices[i] : 0) == years);
}

std::optional<int32_t> AskTerm(QWidget* parent, const QString& question) {
    TTermDialog dialog(question, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Years();
}

}  // namespace dzwonex
