// The Statystyka page beyond its first panel: the caption on the cash
// line, cash below zero in red, the day's income, expenses and net, and the
// history chart beside the panel.
#include <algorithm>
#include <limits>

#include "Amounts.h"
#include "Changes.h"
#include "HistoryChart.h"
#include "Main.h"

namespace dzwonex {

namespace {

const QColor kNegative{200, 0, 0};

QLabel* StatLabel(QWidget* parent, const char* name, const QString& text, const QRect& bounds, bool bold,
                  Qt::Alignment align) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    if (bold) label->setFont(WindowFont(true));
    label->setAlignment(align | Qt::AlignTop);
    label->setGeometry(bounds);
    SetPlannedWidth(label, bounds.width());
    return label;
}

void SetInk(QLabel* label, bool negative) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, negative ? kNegative : QColor(Qt::black));
    label->setPalette(pal);
}

// Sums of the day can leave 32 bits; the labels show them held at the ends.
int32_t Held(int64_t value) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace

void TfrmMain::BuildStatExtras() {
    QWidget* p = pnlStat;
    const auto left = Qt::AlignLeft;
    const auto right = Qt::AlignRight;
    // "Kasa" at the left of the cash line, like Opinia and Jakość below it;
    // the amount keeps its place on the right.
    lblKasaOpis = StatLabel(p, "Label23", QString(), {112, 16, 65, 13}, true, left);
    lblKasaOpis->stackUnder(lblKasa);

    // The day's account below the three expenses, in the same box.
    StatLabel(p, "Label24", QString(), {208, 184, 97, 13}, false, left);
    lblPrzychody = StatLabel(p, "lblPrzychody", QString(), {240, 184, 121, 13}, false, right);
    StatLabel(p, "Label25", QString(), {208, 200, 97, 13}, false, left);
    lblWydatki = StatLabel(p, "lblWydatki", QString(), {240, 200, 121, 13}, false, right);
    auto* rule = new TShape(kBoxFrame, kBoxFrame, p);
    rule->setObjectName(QStringLiteral("Shape5"));
    rule->setGeometry(208, 219, 153, 1);
    StatLabel(p, "Label26", QString(), {208, 224, 97, 13}, true, left);
    lblBilans = StatLabel(p, "lblBilans", QString(), {240, 224, 121, 13}, true, right);
    ShowDayAccount();
    ShowCashColour();

    chartHistoria = new THistoryChart(tabStat);
    chartHistoria->setObjectName(QStringLiteral("chartHistoria"));
    tabStatResize();
}

void TfrmMain::ShowDayAccount() {
    if (!lblBilans) return;
    const DayAccount& day = game_->LastDay();
    const int64_t costs = int64_t{day.staff} + day.repairs + day.equipment;
    const int64_t net = day.income - costs;
    lblPrzychody->setText(QString::fromStdString(FormatAmount(day.income, language_)));
    lblWydatki->setText(QString::fromStdString(FormatAmount(Held(costs), language_)));
    lblBilans->setText(QString::fromStdString(FormatChange(net, language_)));
    SetInk(lblBilans, net < 0);
}

void TfrmMain::ShowCashColour() {
    if (lblKasa) SetInk(lblKasa, game_->Cash().Value() < 0);
}

void TfrmMain::RecordHistory() {
    history_.Record(*game_);
    chartHistoria->Show(history_);
}

}  // namespace dzwonex
