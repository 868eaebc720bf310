#include "StatisticsPage.h"

#include <algorithm>
#include <limits>

#include "Amounts.h"
#include "Changes.h"
#include "HistoryChart.h"
#include "RatingBox.h"

namespace dzwonex {

namespace {

const QColor kNegative{200, 0, 0};

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

const char* const kRowDescription = QT_TRANSLATE_NOOP("dzwonex::StatisticsPage", "Podpis wiersza");

}  // namespace

StatisticsPage::StatisticsPage(QWidget* parent) : TPanel(parent) {
    setObjectName(QStringLiteral("tabStat"));
    pnlStat_ = Panel(this, "pnlStat");
    pnlStat_->resize(377, 277);
    BuildFigures();
    BuildDayAccount();
    chartHistoria_ = new THistoryChart(this);
    chartHistoria_->setObjectName(QStringLiteral("chartHistoria"));
    pnlOcena_ = new TRatingBox(this);
    OnResize = [this] { tabStatResize(); };
    tabStatResize();
}

void StatisticsPage::BuildFigures() {
    QWidget* p = pnlStat_;
    const auto right = Qt::AlignRight;
    const auto centre = Qt::AlignHCenter;
    auto caption = [&](const char* name, const char* text, const char* description, const QRect& bounds,
                       bool bold = false, Qt::Alignment align = Qt::AlignLeft) {
        QLabel* label = FixedLabel(p, name, QString(), bounds, bold, align);
        captions_.push_back({label, text, description});
        return label;
    };

    Shape(p, "Shape1", {104, 8, 169, 65}, kBoxFill);
    lblKasa_ = FixedLabel(p, "lblKasa", QStringLiteral("X"), {112, 16, 153, 13}, true, right);
    caption("Label10", QT_TR_NOOP("Opinia"), QT_TR_NOOP("Podpis wiersza opinii"), {112, 32, 65, 13}, true);
    lblOpinia_ = FixedLabel(p, "lblOpinia", QStringLiteral("X"), {184, 32, 81, 13}, true, right);
    caption("Label11", QT_TR_NOOP("Jakość"), QT_TR_NOOP("Podpis wiersza jakości"), {112, 48, 65, 13}, true);
    lblJakosc_ = FixedLabel(p, "lblJakosc", QStringLiteral("X"), {184, 48, 81, 13}, true, right);

    Shape(p, "Shape2", {8, 96, 169, 169}, kBoxFill);
    caption("Label8", QT_TR_NOOP("Abonenci"), QT_TR_NOOP("Nagłówek liczby abonentów"), {16, 104, 153, 13}, true,
            centre);
    static const char* const rowNames[kKindCount] = {"Label9", "Label12", "Label13", "Label14", "Label15", "Label16"};
    // The product names are the same in every language.
    static const char* const products[kKindCount] = {"", "ISDN", "SDI", "Neostrada", "Polpak-T", ""};
    static const char* const countNames[kKindCount] = {"lbl1", "lbl2", "lbl3", "lbl4", "lbl5", "lbl6"};
    static constexpr int rowTops[kKindCount] = {128, 144, 160, 176, 208, 240};
    for (size_t i = 0; i < kKindCount; ++i) {
        const QRect bounds{16, rowTops[i], 97, 13};
        if (i == 0)
            caption(rowNames[i], QT_TR_NOOP("Telefon/modem"), kRowDescription, bounds);
        else if (i == kKindCount - 1)
            caption(rowNames[i], QT_TR_NOOP("Budki telefoniczne"), kRowDescription, bounds);
        else
            captions_.push_back({FixedLabel(p, rowNames[i], QString(), bounds), products[i], kRowDescription});
        lblCounts_[i] = FixedLabel(p, countNames[i], QStringLiteral("X"), {120, rowTops[i], 49, 13}, false, right);
    }

    Shape(p, "Shape3", {200, 96, 169, 169}, kBoxFill);
    caption("Label17", QT_TR_NOOP("Wydatki"), QT_TR_NOOP("Nagłówek rachunku dnia"), {208, 104, 153, 13}, true, centre);
    caption("Label18", QT_TR_NOOP("Pracownicy"), kRowDescription, {208, 128, 97, 13});
    lblPracownicy_ = FixedLabel(p, "lblPracownicy", QStringLiteral("X"), {312, 128, 49, 13}, false, right);
    caption("Label20", QT_TR_NOOP("Naprawy"), kRowDescription, {208, 144, 97, 13});
    lblNaprawy_ = FixedLabel(p, "lblNaprawy", QStringLiteral("X"), {312, 144, 49, 13}, false, right);
    caption("Label22", QT_TR_NOOP("Nowy sprzęt"), kRowDescription, {208, 160, 97, 13});
    lblSprzet_ = FixedLabel(p, "lblSprzet", QStringLiteral("X"), {312, 160, 49, 13}, false, right);

    // "Kasa" at the left of the cash line, like Opinia and Jakość below it;
    // the amount keeps its place on the right.
    caption("Label23", QT_TR_NOOP("Kasa"), QT_TR_NOOP("Podpis wiersza kasy"), {112, 16, 65, 13}, true)
        ->stackUnder(lblKasa_);
}

void StatisticsPage::BuildDayAccount() {
    // The day's account below the three expenses, in the same box.
    QWidget* p = pnlStat_;
    const auto right = Qt::AlignRight;
    auto caption = [&](const char* name, const char* text, const char* description, const QRect& bounds, bool bold) {
        captions_.push_back({FixedLabel(p, name, QString(), bounds, bold), text, description});
    };
    caption("Label24", QT_TR_NOOP("Przychody"), kRowDescription, {208, 184, 97, 13}, false);
    lblPrzychody_ = FixedLabel(p, "lblPrzychody", QString(), {240, 184, 121, 13}, false, right);
    caption("Label25", QT_TR_NOOP("Razem"), QT_TR_NOOP("Podpis wiersza: suma wydatków"), {208, 200, 97, 13}, false);
    lblWydatki_ = FixedLabel(p, "lblWydatki", QString(), {240, 200, 121, 13}, false, right);
    auto* rule = new TShape(kBoxFrame, kBoxFrame, p);
    rule->setObjectName(QStringLiteral("Shape5"));
    rule->setGeometry(208, 219, 153, 1);
    caption("Label26", QT_TR_NOOP("Bilans dnia"), kRowDescription, {208, 224, 97, 13}, true);
    lblBilans_ = FixedLabel(p, "lblBilans", QString(), {240, 224, 121, 13}, true, right);
}

void StatisticsPage::ShowFigure(Control control, const QString& text) {
    switch (control) {
        case Control::lblKasa:
            lblKasa_->setText(text);
            break;
        case Control::lblOpinia:
            lblOpinia_->setText(text);
            break;
        case Control::lblJakosc:
            lblJakosc_->setText(text);
            break;
        case Control::lblPracownicy:
            lblPracownicy_->setText(text);
            break;
        case Control::lblNaprawy:
            lblNaprawy_->setText(text);
            break;
        case Control::lblSprzet:
            lblSprzet_->setText(text);
            break;
        default: {
            const int kind = static_cast<int>(control) - static_cast<int>(Control::lbl1);
            if (kind >= 0 && kind < kKindCount) lblCounts_[static_cast<size_t>(kind)]->setText(text);
            break;
        }
    }
}

void StatisticsPage::ShowCashBelowZero(bool below) { SetInk(lblKasa_, below); }

void StatisticsPage::ShowDayAccount(const DayAccount& day, Language language) {
    const int64_t costs = int64_t{day.staff} + day.repairs + day.equipment;
    const int64_t net = day.income - costs;
    lblPrzychody_->setText(QString::fromStdString(FormatAmount(day.income, language)));
    lblWydatki_->setText(QString::fromStdString(FormatAmount(Held(costs), language)));
    lblBilans_->setText(QString::fromStdString(FormatChange(net, language)));
    SetInk(lblBilans_, net < 0);
}

void StatisticsPage::ShowHistory(const History& history) { chartHistoria_->Show(history); }

void StatisticsPage::tabStatResize() {
    // The panel stands in the top left corner, so the history chart gets
    // all the width and height beside it.
    pnlStat_->move(0, 0);
    pnlOcena_->move(0, pnlStat_->height());
    SetBounds(chartHistoria_,
              {pnlStat_->width(), 4, std::max(0, width() - pnlStat_->width()), std::max(0, height() - 4)});
}

void StatisticsPage::RetranslateUi() {
    for (const Caption& c : captions_) {
        ShowCaption(c.label, tr(c.text));
        Describe(c.label, tr(c.text), tr(c.description));
    }
    chartHistoria_->RetranslateUi();
    pnlOcena_->RetranslateUi();
    Describe(chartHistoria_, tr("Historia"), tr("Wykres kasy, opinii, jakości i abonentów od początku gry"));
    Describe(this, tr("Statystyka"), tr("Stan firmy i wykres historii"));
    Describe(pnlStat_, tr("Stan firmy"), tr("Kasa, opinia, jakość, abonenci i rachunek dnia"));
    Describe(lblKasa_, tr("Kasa"), tr("Pieniądze firmy w złotych; poniżej zera na czerwono"));
    Describe(lblOpinia_, tr("Opinia"), tr("Opinia publiczna o firmie; im wyższa, tym lepiej"));
    Describe(lblJakosc_, tr("Jakość"), tr("Poziom sprzętu; wyższy kosztuje więcej"));
    const QString countNames[kKindCount] = {
        tr("Liczba abonentów telefonu lub modemu"), tr("Liczba abonentów ISDN"),     tr("Liczba abonentów SDI"),
        tr("Liczba abonentów Neostrady"),           tr("Liczba abonentów Polpak-T"), tr("Liczba budek telefonicznych")};
    const QString kindNames[kKindCount] = {tr("Telefon/modem"),        QStringLiteral("ISDN"),
                                           QStringLiteral("SDI"),      QStringLiteral("Neostrada"),
                                           QStringLiteral("Polpak-T"), tr("Budki telefoniczne")};
    for (size_t i = 0; i < kKindCount; ++i) Describe(lblCounts_[i], kindNames[i], countNames[i]);
    Describe(lblPracownicy_, tr("Pracownicy"), tr("Dzisiejsze płace, w złotych"));
    Describe(lblNaprawy_, tr("Naprawy"), tr("Dzisiejsze naprawy, w złotych"));
    Describe(lblSprzet_, tr("Nowy sprzęt"), tr("Dzisiejsze wydatki na sprzęt, w złotych"));
    Describe(lblPrzychody_, tr("Przychody"), tr("Dzisiejsze wpływy od abonentów, w złotych"));
    Describe(lblWydatki_, tr("Wydatki razem"), tr("Suma dzisiejszych wydatków, w złotych"));
    Describe(lblBilans_, tr("Bilans dnia"), tr("Przychody minus wydatki; strata na czerwono"));
}

}  // namespace dzwonex
