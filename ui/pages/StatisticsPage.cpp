#include "StatisticsPage.h"

#include "KindNames.h"

#include <algorithm>

#include "Amounts.h"
#include "Changes.h"
#include "FittedAmount.h"
#include "HistoryChart.h"
#include "KindNames.h"
#include "LeavingWords.h"
#include "RatingBox.h"
#include "Translations.h"

namespace dzwonex {

namespace {

const QColor kNegative{200, 0, 0};

void SetInk(QLabel* label, bool negative) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, negative ? kNegative : QColor(Qt::black));
    label->setPalette(pal);
}

const char* const kRowDescription = QT_TRANSLATE_NOOP("dzwonex::StatisticsPage", "Podpis wiersza");

// The panel's columns. Every control has bounds of its own, so no text
// can run into another's; a figure too long for its column is shortened
// (ShowAmount). Each box holds its captions on the left and its figures on
// the right, wide enough for "Budki telefoniczne" and a figure of seven
// digits with its sign in either language.
constexpr int kRowHeight = 13;
// The company's box, across the panel: caption, figure, trend, band.
constexpr int kCaptionLeft = 16, kCaptionWidth = 50;
constexpr int kFigureLeft = 68, kFigureWidth = 124;
constexpr int kTrendLeft = 196, kTrendWidth = 14;
constexpr int kBandLeft = 214, kBandWidth = 146;
// The two boxes below it, side by side.
constexpr int kCountsBox = 8, kExpensesBox = 191, kBoxWidth = 178;
constexpr int kCountCaptionWidth = 102, kCountTrendWidth = 14;
constexpr int kExpenseCaptionWidth = 88;

}  // namespace

StatisticsPage::StatisticsPage(QWidget* parent) : TLazyPage(parent) { setObjectName(QStringLiteral("tabStat")); }

void StatisticsPage::MakeControls() {
    pnlStat_ = Panel(this, "pnlStat");
    pnlStat_->resize(377, 277);
    BuildFigures();
    BuildCounts();
    BuildExpenses();
    chartHistoria_ = new THistoryChart(this);
    chartHistoria_->setObjectName(QStringLiteral("chartHistoria"));
    pnlOcena_ = new TRatingBox(this);
    for (QWidget* part :
         {static_cast<QWidget*>(pnlStat_), static_cast<QWidget*>(chartHistoria_), static_cast<QWidget*>(pnlOcena_)})
        part->show();
}

void StatisticsPage::ShowKept() {
    RetranslateUi();
    for (const auto& figure : figures_) ShowAmountOf(figure.first);
    ShowCashBelowZero(cashBelowZero_);
    ShowDayAccount();
    if (history_) ShowHistory(*history_);
    ShowRating();
}

void StatisticsPage::BuildFigures() {
    QWidget* p = pnlStat_;
    const auto right = Qt::AlignRight;
    auto caption = [&](const char* name, const char* text, const char* description, int top) {
        captions_.push_back(
            {FixedLabel(p, name, QString(), {kCaptionLeft, top, kCaptionWidth, kRowHeight}, true), text, description});
    };
    auto figure = [&](const char* name, int top) {
        return FixedLabel(p, name, QStringLiteral("X"), {kFigureLeft, top, kFigureWidth, kRowHeight}, true, right);
    };
    Shape(p, "Shape1", {8, 8, 361, 65}, kBoxFill);
    caption("Label23", QT_TR_NOOP("Kasa"), QT_TR_NOOP("Podpis wiersza kasy"), 16);
    lblKasa_ = figure("lblKasa", 16);
    caption("Label10", QT_TR_NOOP("Opinia"), QT_TR_NOOP("Podpis wiersza opinii"), 32);
    lblOpinia_ = figure("lblOpinia", 32);
    caption("Label11", QT_TR_NOOP("Jakość"), QT_TR_NOOP("Podpis wiersza jakości"), 48);
    lblJakosc_ = figure("lblJakosc", 48);
    // Beside opinion and quality: the month's trend and the band.
    lblOpiniaSkala_ = FixedLabel(p, "lblOpiniaSkala", QString(), {kBandLeft, 32, kBandWidth, kRowHeight});
    lblOpiniaTrend_ = FixedLabel(p, "lblOpiniaTrend", QString(), {kTrendLeft, 32, kTrendWidth, kRowHeight}, true);
    lblJakoscSkala_ = FixedLabel(p, "lblJakoscSkala", QString(), {kBandLeft, 48, kBandWidth, kRowHeight});
    lblJakoscTrend_ = FixedLabel(p, "lblJakoscTrend", QString(), {kTrendLeft, 48, kTrendWidth, kRowHeight}, true);
}

void StatisticsPage::BuildCounts() {
    QWidget* p = pnlStat_;
    const int left = kCountsBox + 8, inner = kBoxWidth - 16;
    Shape(p, "Shape2", {kCountsBox, 96, kBoxWidth, 169}, kBoxFill);
    captions_.push_back({FixedLabel(p, "Label8", QString(), {left, 104, inner, kRowHeight}, true, Qt::AlignHCenter),
                         QT_TR_NOOP("Abonenci"), QT_TR_NOOP("Nagłówek liczby abonentów")});
    static const char* const rowNames[kKindCount] = {"Label9", "Label12", "Label13", "Label14", "Label15", "Label16"};
    static const char* const countNames[kKindCount] = {"lbl1", "lbl2", "lbl3", "lbl4", "lbl5", "lbl6"};
    static const char* const trendNames[kKindCount] = {"lblTrend1", "lblTrend2", "lblTrend3",
                                                       "lblTrend4", "lblTrend5", "lblTrend6"};
    static constexpr int rowTops[kKindCount] = {128, 144, 160, 176, 208, 240};
    const int figureWidth = inner - kCountCaptionWidth - kCountTrendWidth;
    for (size_t i = 0; i < kKindCount; ++i) {
        lblCountCaptions_[i] =
            FixedLabel(p, rowNames[i], QString(), {left, rowTops[i], kCountCaptionWidth, kRowHeight});
        captions_.push_back({lblCountCaptions_[i], nullptr, kRowDescription, static_cast<int>(i) + 1});
        lblCounts_[i] =
            FixedLabel(p, countNames[i], QStringLiteral("X"),
                       {left + kCountCaptionWidth, rowTops[i], figureWidth, kRowHeight}, false, Qt::AlignRight);
        lblCountTrends_[i] = FixedLabel(
            p, trendNames[i], QString(),
            {left + kCountCaptionWidth + figureWidth, rowTops[i], kCountTrendWidth, kRowHeight}, true, Qt::AlignRight);
    }
}

void StatisticsPage::BuildExpenses() {
    // The three expenses, then the day's account below them in the same box.
    QWidget* p = pnlStat_;
    const int left = kExpensesBox + 8, inner = kBoxWidth - 16;
    const int figureLeft = left + kExpenseCaptionWidth, figureWidth = inner - kExpenseCaptionWidth;
    Shape(p, "Shape3", {kExpensesBox, 96, kBoxWidth, 169}, kBoxFill);
    captions_.push_back({FixedLabel(p, "Label17", QString(), {left, 104, inner, kRowHeight}, true, Qt::AlignHCenter),
                         QT_TR_NOOP("Wydatki"), QT_TR_NOOP("Nagłówek rachunku dnia")});
    auto row = [&](const char* captionName, const char* text, const char* description, const char* figureName, int top,
                   bool bold = false) {
        captions_.push_back({FixedLabel(p, captionName, QString(), {left, top, kExpenseCaptionWidth, kRowHeight}, bold),
                             text, description});
        return FixedLabel(p, figureName, QStringLiteral("X"), {figureLeft, top, figureWidth, kRowHeight}, bold,
                          Qt::AlignRight);
    };
    lblPracownicy_ = row("Label18", QT_TR_NOOP("Pracownicy"), kRowDescription, "lblPracownicy", 128);
    lblNaprawy_ = row("Label20", QT_TR_NOOP("Naprawy"), kRowDescription, "lblNaprawy", 144);
    lblSprzet_ = row("Label22", QT_TR_NOOP("Nowy sprzęt"), kRowDescription, "lblSprzet", 160);
    lblPrzychody_ = row("Label24", QT_TR_NOOP("Przychody"), kRowDescription, "lblPrzychody", 184);
    lblWydatki_ = row("Label25", QT_TR_NOOP("Razem"), QT_TR_NOOP("Podpis wiersza: suma wydatków"), "lblWydatki", 200);
    auto* rule = new TShape(kBoxFrame, kBoxFrame, p);
    rule->setObjectName(QStringLiteral("Shape5"));
    rule->setGeometry(left, 219, inner, 1);
    lblBilans_ = row("Label26", QT_TR_NOOP("Bilans dnia"), kRowDescription, "lblBilans", 224, true);
}

void StatisticsPage::ShowFigure(Control control, const QString& text) {
    figures_[control] = text;
    if (IsBuilt()) ShowAmountOf(control);
}

void StatisticsPage::ShowAmountOf(Control control) {
    const QString& text = figures_[control];
    switch (control) {
        case Control::lblKasa:
            return ShowAmount(lblKasa_, text);
        case Control::lblOpinia:
            return ShowAmount(lblOpinia_, text);
        case Control::lblJakosc:
            return ShowAmount(lblJakosc_, text);
        case Control::lblPracownicy:
            return ShowAmount(lblPracownicy_, text);
        case Control::lblNaprawy:
            return ShowAmount(lblNaprawy_, text);
        case Control::lblSprzet:
            return ShowAmount(lblSprzet_, text);
        default: {
            const int kind = static_cast<int>(control) - static_cast<int>(Control::lbl1);
            if (kind >= 0 && kind < kKindCount) ShowAmount(lblCounts_[static_cast<size_t>(kind)], text);
            break;
        }
    }
}

void StatisticsPage::ShowCashBelowZero(bool below) {
    cashBelowZero_ = below;
    if (IsBuilt()) SetInk(lblKasa_, below);
}

void StatisticsPage::ShowDayAccount(const DayAccount& day, Language language) {
    day_ = {day, language};
    ShowDayAccount();
}

void StatisticsPage::ShowDayAccount() {
    if (!IsBuilt() || !day_) return;
    const auto& [day, language] = *day_;
    const int64_t costs = int64_t{day.staff} + day.repairs + day.equipment;
    const int64_t net = day.income - costs;
    ShowAmount(lblPrzychody_, QString::fromStdString(FormatAmount(day.income, language)));
    ShowAmount(lblWydatki_, QString::fromStdString(FormatWideAmount(costs, language)));
    ShowAmount(lblBilans_, QString::fromStdString(FormatChange(net, language)));
    SetInk(lblBilans_, net < 0);
}

void StatisticsPage::ShowRating(const Rating& rating, const Term& term, int32_t day) {
    rating_ = ShownRating{rating, term, day};
    ShowRating();
}

void StatisticsPage::ShowRating() {
    if (IsBuilt() && rating_) pnlOcena_->Show(rating_->rating, rating_->term, rating_->day);
}

void StatisticsPage::ShowStanding(const Standing& standing) {
    standing_ = standing;
    ShowScale();
}

void StatisticsPage::ShowScale() {
    if (!IsBuilt()) return;
    static const char* const opinionWords[] = {QT_TR_NOOP("zła"), QT_TR_NOOP("przeciętna"), QT_TR_NOOP("dobra"),
                                               QT_TR_NOOP("wysoka")};
    // The levels the rules lose SDI and Neostrada lines, and ISDN lines, at,
    // and how much 100 phone lines lower the ISDN level.
    static const int32_t lines = RoundToInt32(LinesLeaveBelow(0));
    static const int32_t isdn = RoundToInt32(IsdnLeavesBelow(0));
    static const int32_t isdnStep = RoundToInt32(IsdnLeavesBelow(0) - IsdnLeavesBelow(100));
    static const char* const opinionTips[] = {
        QT_TR_NOOP("Telefonów ubywa, przychodzą bluzgi i podania z kopertą"),
        QT_TR_NOOP("Telefony prawie stoją w miejscu; SDI i Neostrada odchodzą, gdy opinia + jakość < %1"),
        QT_TR_NOOP("Kilka nowych telefonów w tygodniu; ISDN odchodzi, gdy opinia − jakość < %2, o %3 mniej na "
                   "każde 100 telefonów"),
        QT_TR_NOOP("Co dzień dwa nowe telefony i więcej, a naprawy rosną z kwadratem liczby łączy")};
    static const char* const qualityWords[] = {QT_TR_NOOP("zła"), QT_TR_NOOP("niska"), QT_TR_NOOP("dobra"),
                                               QT_TR_NOOP("kosztowna")};
    static const char* const qualityTips[] = {
        QT_TR_NOOP("Abonenci SDI i Neostrady odchodzą, gdy opinia + jakość < %1"),
        QT_TR_NOOP("Tańszy sprzęt, mniej podań o Polpak-T"), QT_TR_NOOP("Sprzęt w porządku"),
        QT_TR_NOOP("Każdy punkt to 100 zł dziennie na sprzęt, a abonenci ISDN odchodzą, gdy opinia − jakość < %2, o "
                   "%3 mniej na każde 100 telefonów")};
    const auto opinion = static_cast<size_t>(standing_.opinionBand);
    const auto quality = static_cast<size_t>(standing_.qualityBand);
    ShowCaption(lblOpiniaSkala_, tr(opinionWords[opinion]));
    // Each tip names the levels it needs.
    const auto tip = [&](const char* text) {
        return tr(text)
            .replace("%1", QString::number(lines))
            .replace("%2", QString::number(isdn))
            .replace("%3", QString::number(isdnStep));
    };
    lblOpiniaSkala_->setToolTip(tip(opinionTips[opinion]));
    SetInk(lblOpiniaSkala_, standing_.opinionBand == OpinionBand::Poor);
    ShowCaption(lblJakoscSkala_, tr(qualityWords[quality]));
    lblJakoscSkala_->setToolTip(tip(qualityTips[quality]));
    SetInk(lblJakoscSkala_, standing_.qualityBand == QualityBand::Worn);
    ShowTrend(lblOpiniaTrend_, standing_.opinionChange);
    ShowTrend(lblJakoscTrend_, standing_.qualityChange);
    ShowCountsStanding();
}

void StatisticsPage::ShowCountsStanding() {
    for (size_t i = 0; i < kKindCount; ++i) {
        const auto leaving = std::find_if(standing_.leaving.begin(), standing_.leaving.end(),
                                          [&](const KindLeaving& k) { return k.kind == static_cast<int32_t>(i) + 1; });
        const bool marked = leaving != standing_.leaving.end();
        ShowTrend(lblCountTrends_[i], standing_.countChanges[i]);
        SetInk(lblCountTrends_[i], marked);
        SetInk(lblCountCaptions_[i], marked);
        const QString why = marked ? tr("Abonenci odchodzą: %1").arg(LeavingReason(*leaving)) : QString();
        lblCountCaptions_[i]->setToolTip(why);
        if (marked) lblCountTrends_[i]->setToolTip(why + "\n" + lblCountTrends_[i]->toolTip());
    }
}

void StatisticsPage::ShowTrend(QLabel* label, int64_t change) {
    static const char* const arrows[] = {"\xE2\x86\x93", "\xE2\x86\x92", "\xE2\x86\x91"};  // ↓ → ↑
    label->setText(QString::fromUtf8(arrows[static_cast<size_t>(TrendOf(change))]));
    label->setToolTip(tr("Zmiana w ciągu %1 dni: %2")
                          .arg(kTrendDays)
                          .arg(QString::fromStdString(FormatChange(change, InstalledLanguage()))));
}

void StatisticsPage::ShowHistory(const History& history) {
    history_ = &history;
    if (IsBuilt()) chartHistoria_->Show(history);
}

void StatisticsPage::tabStatResize() {
    // The panel stands in the top left corner, so the history chart gets
    // all the width and height beside it.
    pnlStat_->move(0, 0);
    pnlOcena_->move(0, pnlStat_->height());
    SetBounds(chartHistoria_,
              {pnlStat_->width(), 4, std::max(0, width() - pnlStat_->width()), std::max(0, height() - 4)});
}

void StatisticsPage::RetranslateUi() {
    Describe(this, tr("Statystyka"), tr("Stan firmy i wykres historii"));
    if (!IsBuilt()) return;
    for (const Caption& c : captions_) {
        const QString text =
            c.kind > 0 ? QString::fromUtf8(SubscriberKindName(c.kind, KindNameForm::Plural, InstalledLanguage()))
                       : tr(c.text);
        ShowCaption(c.label, text);
        Describe(c.label, text, tr(c.description));
    }
    chartHistoria_->RetranslateUi();
    pnlOcena_->RetranslateUi();
    Describe(chartHistoria_, tr("Historia"), tr("Wykres kasy, opinii, jakości i abonentów od początku gry"));
    Describe(pnlStat_, tr("Stan firmy"), tr("Kasa, opinia, jakość, abonenci i rachunek dnia"));
    Describe(lblKasa_, tr("Kasa"), tr("Pieniądze firmy w złotych; poniżej zera na czerwono"));
    Describe(lblOpinia_, tr("Opinia"), tr("Opinia publiczna o firmie"));
    Describe(lblJakosc_, tr("Jakość"), tr("Poziom sprzętu; każdy punkt to 100 zł dziennie na sprzęt"));
    Describe(lblOpiniaSkala_, tr("Ocena opinii"), tr("Zła, przeciętna, dobra albo wysoka: co opinia przynosi"));
    Describe(lblOpiniaTrend_, tr("Kierunek opinii"), tr("Strzałka: jak opinia zmieniła się w ciągu 30 dni"));
    Describe(lblJakoscSkala_, tr("Ocena jakości"), tr("Zła, niska, dobra albo kosztowna: co jakość przynosi"));
    Describe(lblJakoscTrend_, tr("Kierunek jakości"), tr("Strzałka: jak jakość zmieniła się w ciągu 30 dni"));
    ShowScale();
    const QString countNames[kKindCount] = {
        tr("Liczba abonentów telefonu lub modemu"), tr("Liczba abonentów ISDN"),     tr("Liczba abonentów SDI"),
        tr("Liczba abonentów Neostrady"),           tr("Liczba abonentów Polpak-T"), tr("Liczba budek telefonicznych")};
    for (size_t i = 0; i < kKindCount; ++i) {
        const QString kind =
            QString::fromUtf8(SubscriberKindName(static_cast<int>(i) + 1, KindNameForm::Plural, InstalledLanguage()));
        Describe(lblCounts_[i], kind, countNames[i]);
        Describe(lblCountTrends_[i], tr("Kierunek: %1").arg(kind),
                 tr("Strzałka: jak liczba zmieniła się w ciągu 30 dni; czerwona, gdy abonenci odchodzą"));
    }
    Describe(lblPracownicy_, tr("Pracownicy"), tr("Dzisiejsze płace, w złotych"));
    Describe(lblNaprawy_, tr("Naprawy"), tr("Dzisiejsze naprawy, w złotych"));
    Describe(lblSprzet_, tr("Nowy sprzęt"), tr("Dzisiejsze wydatki na sprzęt, w złotych"));
    Describe(lblPrzychody_, tr("Przychody"), tr("Dzisiejsze wpływy od abonentów, w złotych"));
    Describe(lblWydatki_, tr("Wydatki razem"), tr("Suma dzisiejszych wydatków, w złotych"));
    Describe(lblBilans_, tr("Bilans dnia"), tr("Przychody minus wydatki; strata na czerwono"));
}

}  // namespace dzwonex
