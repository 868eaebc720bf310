// The Statystyka page: the history chart, the day's account and the cash
// line.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <optional>

#include <QRegularExpression>
#include <QTest>

#include "Amounts.h"
#include "Changes.h"
#include "CompanyBuilder.h"
#include "Drift.h"
#include "FittedAmount.h"
#include "HelpDialog.h"
#include "HistoryChart.h"
#include "Standing.h"
#include "StatisticsPage.h"
#include "Support.h"
#include "Translations.h"

namespace dzwonex::uitest {
namespace {

using dzwonex::testing::CompanyBuilder;

double Year(int day) { return 1 + day / 360.0; }

// The pixel column a point of the chart falls in.
int Column(const QPointF& pixel) { return static_cast<int>(std::floor(pixel.x())); }

class StatisticsTest : public ::testing::Test {
protected:
    TestAssets assets;
    WindowUnderTest w{assets.Dir()};

    void SetUp() override {
        w.Show();
        w->Controller().Clock().StopMainTimer();
    }

    const ChartDrawnLine& Line(const ChartScene& scene, int index) {
        return scene.lines.at(static_cast<size_t>(index));
    }
};

TEST_F(StatisticsTest, TheChartHoldsOneSamplePerDayOfAShortGame) {
    // Days pass while another page is shown; the chart catches up when the
    // page is opened.
    w.PageControl->SetActivePage(kPageCases);
    for (int i = 0; i < 40; ++i) w->Controller().Clock().MainTimerTimer();
    w.PageControl->SetActivePage(kPageStat);
    QCoreApplication::processEvents();

    ChartScene scene = w.chartHistoria->Scene();
    ASSERT_EQ(scene.lines.size(), 1u);
    const QPolygonF& cash = Line(scene, 0).data;
    ASSERT_EQ(cash.size(), 41);  // the first day and forty more
    for (int i = 0; i < cash.size(); ++i) EXPECT_DOUBLE_EQ(cash[i].x(), Year(1 + i)) << i;
    EXPECT_DOUBLE_EQ(cash.back().y(), w->Game().Cash().Value() / 1000.0);
    // Six weeks in, the axis counts months from the first year's start.
    EXPECT_EQ(scene.xTitle.text, "Miesiąc");
    ASSERT_GE(scene.xLabels.size(), 2u);
    EXPECT_EQ(scene.xLabels[0].text, "rok 1");
    EXPECT_EQ(scene.xLabels[1].text, "2");
    EXPECT_DOUBLE_EQ(scene.xTicks[0], scene.plot.left());

    // Shown, it follows each day at once.
    w->Controller().Clock().MainTimerTimer();
    EXPECT_EQ(Line(w.chartHistoria->Scene(), 0).data.size(), 42);

    // The other groups draw the same days.
    QTest::mouseClick(w.chartHistoria->GroupButton(THistoryChart::gSubscribers), Qt::LeftButton);
    EXPECT_EQ(w.chartHistoria->CurrentGroup(), THistoryChart::gSubscribers);
    scene = w.chartHistoria->Scene();
    ASSERT_EQ(scene.lines.size(), static_cast<size_t>(kKindCount));
    for (int k = 1; k <= kKindCount; ++k) {
        const QPolygonF& count = Line(scene, k - 1).data;
        ASSERT_EQ(count.size(), 42) << k;
        EXPECT_EQ(count.back().y(), w->Game().Count(k)) << k;
    }
}

TEST_F(StatisticsTest, AHundredYearsStayWithinTheBoundsOfHistoryAndChart) {
    ToldWindow view(w);
    w.PageControl->SetActivePage(kPageCases);
    CompanyBuilder build(w->Game());
    const int lastDay = 100 * 360;
    for (int day = 2; day <= lastDay; ++day) {
        build.SetDay(day);
        view.RecordDay();
    }
    w.PageControl->SetActivePage(kPageStat);
    QCoreApplication::processEvents();

    const History& history = w->Controller().Session().CompanyHistory();
    // A day a year, a week for nine, a month (or more) before: far fewer
    // than 36 000 samples, about 40 bytes each.
    EXPECT_LE(history.Size(), 360 + 3240 / 7 + 1 + History::kMaxOld);
    // The whole game, at most two points a pixel column (three at the ends,
    // which keep the first and the last day).
    const ChartScene scene = w.chartHistoria->Scene();
    const ChartDrawnLine& cash = Line(scene, 0);
    EXPECT_GT(scene.plot.width(), 100);
    std::map<int, int> perColumn;
    for (const QPointF& p : cash.pixels) ++perColumn[Column(p)];
    for (const auto& [column, count] : perColumn)
        EXPECT_LE(count, column == perColumn.begin()->first || column == perColumn.rbegin()->first ? 3 : 2) << column;
    EXPECT_DOUBLE_EQ(cash.data.front().x(), Year(1));  // the game's start is kept
    EXPECT_DOUBLE_EQ(cash.data.back().x(), Year(lastDay));
    for (qsizetype i = 1; i < cash.data.size(); ++i) ASSERT_GT(cash.data[i].x(), cash.data[i - 1].x()) << i;
    // Whole years on the axis, in order.
    EXPECT_EQ(scene.xTitle.text, "Rok");
    ASSERT_GE(scene.xLabels.size(), 3u);
    EXPECT_EQ(scene.xLabels[0].text, "1");
    for (size_t i = 1; i < scene.xLabels.size(); ++i)
        EXPECT_GT(scene.xLabels[i].text.toInt(), scene.xLabels[i - 1].text.toInt()) << i;
}

TEST_F(StatisticsTest, TheDayAccountIsTheDaysChangeOfCash) {
    for (int i = 0; i < 5; ++i) {
        const int64_t before = w->Game().Cash().Value();
        w->Controller().Clock().MainTimerTimer();
        const int64_t after = w->Game().Cash().Value();
        const DayAccount& day = w->Game().LastDay();
        EXPECT_EQ(w.lblPrzychody->text().toStdString(), FormatAmount(day.income));
        EXPECT_EQ(w.lblWydatki->text().toStdString(), FormatAmount(day.staff + day.repairs + day.equipment));
        EXPECT_EQ(w.lblBilans->text().toStdString(), FormatChange(after - before));
        EXPECT_EQ(w.lblBilans->palette().color(QPalette::WindowText) == QColor(200, 0, 0), after < before);
    }
}

TEST_F(StatisticsTest, CashBelowZeroIsRedAndHasItsCaption) {
    w.PageControl->SetActivePage(kPageStat);
    EXPECT_EQ(w.lblKasaOpis->text(), "Kasa");
    EXPECT_TRUE(w.lblKasaOpis->font().bold());
    const QColor above = w.lblKasa->palette().color(QPalette::WindowText);
    CompanyBuilder(w->Game()).AddMoney(-int64_t{w->Game().Cash().Value()} - 1);
    EXPECT_EQ(w.lblKasa->text().toStdString(), "-1 zł");
    EXPECT_EQ(w.lblKasa->palette().color(QPalette::WindowText), QColor(200, 0, 0));
    CompanyBuilder(w->Game()).AddMoney(1);
    EXPECT_EQ(w.lblKasa->palette().color(QPalette::WindowText), above);
    EXPECT_NE(above, QColor(200, 0, 0));
}

// The number a figure's text stands for: its digits, with the sign before
// them ('-' or U+2212).
std::optional<int64_t> Number(const QString& text) {
    const qsizetype first = text.indexOf(QRegularExpression(QStringLiteral("\\d")));
    if (first < 0) return std::nullopt;
    QString digits;
    for (qsizetype i = first; i < text.size() && (text[i].isDigit() || text[i] == ' ' || text[i] == ','); ++i)
        if (text[i].isDigit()) digits += text[i];
    const QString before = text.left(first);
    const bool negative = before.contains('-') || before.contains(QChar(0x2212));
    return (negative ? -1 : 1) * digits.toLongLong();
}

TEST_F(StatisticsTest, EveryFigureAtBothEndsOf32BitsIsWholeFitsAndOverlapsNoOtherLabel) {
    ToldWindow view(w);
    constexpr int32_t kLeast = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMost = std::numeric_limits<int32_t>::max();
    const std::vector<dzwonex::Control> figures = {
        dzwonex::Control::lblOpinia,  dzwonex::Control::lblJakosc, dzwonex::Control::lbl1,
        dzwonex::Control::lbl2,       dzwonex::Control::lbl3,      dzwonex::Control::lbl4,
        dzwonex::Control::lbl5,       dzwonex::Control::lbl6,      dzwonex::Control::lblPracownicy,
        dzwonex::Control::lblNaprawy, dzwonex::Control::lblSprzet};
    w.PageControl->SetActivePage(kPageStat);
    for (const Language language : {Language::Polish, Language::English}) {
        w->Controller().Languages().Pick(language);
        for (const int32_t value : {kLeast, kMost}) {
            SCOPED_TRACE(::testing::Message() << LanguageCode(language) << " " << value);
            // As the company writes them: the cash through its own
            // arithmetic, the other figures as their texts.
            CompanyBuilder(w->Game()).Cash(value).AddMoney(0);
            for (const dzwonex::Control control : figures) view->SetText(control, FormatAmount(value, language));
            // The day's account: its income and costs at the ends, its
            // balance beyond them.
            DayAccount day;
            day.income = value;
            day.staff = value == kLeast ? kMost : 0;
            view->DayBooked(day);
            QCoreApplication::processEvents();

            std::map<QLabel*, int64_t> expected = {
                {w.lblKasa, value},       {w.lblOpinia, value},      {w.lblJakosc, value},
                {w.lblPracownicy, value}, {w.lblNaprawy, value},     {w.lblSprzet, value},
                {w.lblPrzychody, value},  {w.lblWydatki, day.staff}, {w.lblBilans, int64_t{value} - day.staff}};
            for (QLabel* count : w.lblCounts) expected[count] = value;
            for (const auto& [label, number] : expected) {
                SCOPED_TRACE(label->objectName().toStdString() + ": " + label->text().toStdString());
                // Whole, or shortened with the whole amount in the tooltip.
                if (label->toolTip().isEmpty()) {
                    EXPECT_EQ(Number(label->text()), number);
                } else {
                    EXPECT_EQ(Number(label->toolTip()), number);
                    EXPECT_EQ(label->text(), ShortenedAmount(label->toolTip()));
                }
            }
            // Every label of the panel fits its control and keeps off the others.
            const QList<QLabel*> labels = w.pnlStat->findChildren<QLabel*>();
            for (QLabel* label : labels) {
                if (!label->isVisible() || label->text().isEmpty()) continue;
                SCOPED_TRACE(label->objectName().toStdString() + ": " + label->text().toStdString());
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width());
                for (QLabel* other : labels) {
                    if (other == label || !other->isVisible() || other->text().isEmpty()) continue;
                    EXPECT_FALSE(label->geometry().intersects(other->geometry())) << other->objectName().toStdString();
                }
            }
        }
    }
    w->Controller().Languages().Pick(Language::Polish);
}

// The page's controls are made when it is first shown: whatever it was told
// before shows then as on a page made at the start.
TEST(StatisticsPageTest, MadeWhenFirstShownItShowsWhatItWasToldBefore) {
    StatisticsPage early;
    StatisticsPage late;
    early.Build();
    Rating rating;
    rating.total = 420;
    rating.points = {100, 90, 80, 70, 80};
    Term term;
    term.years = 5;
    for (StatisticsPage* page : {&early, &late}) {
        page->resize(640, 360);
        page->ShowFigure(Control::lblKasa, QString::fromUtf8("-2147 483 648 zł"));
        page->ShowCashBelowZero(true);
        page->ShowFigure(Control::lbl3, "12");
        page->ShowFigure(Control::lbl3, "13");
        page->ShowDayAccount({5000, 100, 2000000000, 300}, Language::Polish);
        page->ShowStanding({OpinionBand::Poor, QualityBand::Costly, -50, 20, {}, {}});
        page->ShowRating(rating, term, 400);
    }
    EXPECT_FALSE(late.IsBuilt());
    EXPECT_EQ(late.findChild<QLabel*>(QStringLiteral("lblKasa")), nullptr);
    late.show();
    ASSERT_TRUE(late.IsBuilt());
    const QList<QLabel*> labels = early.findChildren<QLabel*>();
    ASSERT_GT(labels.size(), 20);
    for (const QLabel* label : labels) {
        if (label->objectName().isEmpty()) continue;
        SCOPED_TRACE(label->objectName().toStdString());
        const QLabel* twin = late.findChild<QLabel*>(label->objectName());
        ASSERT_NE(twin, nullptr);
        EXPECT_EQ(twin->text(), label->text());
        EXPECT_EQ(twin->toolTip(), label->toolTip());
        EXPECT_EQ(twin->palette().color(QPalette::WindowText), label->palette().color(QPalette::WindowText));
        EXPECT_TRUE(twin->isVisibleTo(&late));
    }
}

TEST(FittedAmount, ShortensToTheLargestUnitThatLeavesAWholeOne) {
    const std::pair<const char*, const char*> rows[] = {
        {"-2147 483 648 zł", "-2,1 mld zł"},
        {"PLN 2,147,483,647", "PLN 2.1 bn"},
        {"\xE2\x88\x92"
         "12 345 678",
         "\xE2\x88\x92"
         "12,3 mln"},
        {"+PLN 12,345,678", "+PLN 12.3 m"},
        {"999 999", "1,0 mln"},
        {"949,949", "949.9 k"},
        {"1 000", "1,0 tys."},
        {"999", "999"},
    };
    for (const auto& [exact, shortened] : rows)
        EXPECT_EQ(ShortenedAmount(QString::fromUtf8(exact)), QString::fromUtf8(shortened)) << exact;
}

// Each form, whole or shortened, is shown in a label exactly as wide as
// it: the shortest only when nothing longer fits.
TEST(FittedAmount, ALabelShowsTheLongestFormThatFits) {
    const QString exact = QString::fromUtf8("12 345 678 zł");
    for (const char* fits : {"12 345 678 zł", "12,3 mln zł", "12 mln zł"}) {
        const QString form = QString::fromUtf8(fits);
        QLabel label;
        label.resize(label.fontMetrics().horizontalAdvance(form), 20);
        ShowAmount(&label, exact);
        EXPECT_EQ(label.text(), form);
        EXPECT_EQ(label.toolTip(), form == exact ? QString() : exact);
    }
}

TEST_F(StatisticsTest, OpinionAndQualityShowTheirBandAndTheMonthsTrend) {
    ToldWindow view(w);
    QLabel* opinionBand = Control<QLabel>(w.pnlStat, "lblOpiniaSkala");
    QLabel* opinionTrend = Control<QLabel>(w.pnlStat, "lblOpiniaTrend");
    QLabel* qualityBand = Control<QLabel>(w.pnlStat, "lblJakoscSkala");
    QLabel* qualityTrend = Control<QLabel>(w.pnlStat, "lblJakoscTrend");
    CompanyBuilder build(w->Game());
    // A month from opinion 10 and quality 0 to -3 and 60, a day at a time.
    build.Opinion(10).Quality(0);
    build.SetDay(w->Game().Day() + 1);
    view.RecordDay();
    for (int day = 1; day <= kTrendDays; ++day) {
        build.SetDay(w->Game().Day() + 1);
        build.AddOpinion(-13.0 / kTrendDays);
        build.AddQuality(2);
        view.RecordDay();
    }
    EXPECT_EQ(w.lblOpinia->text(), "-3");
    EXPECT_EQ(opinionBand->text(), QString::fromUtf8("zła"));
    EXPECT_EQ(opinionTrend->text(), QString::fromUtf8("↓"));
    EXPECT_EQ(opinionTrend->toolTip(), QString::fromUtf8("Zmiana w ciągu 30 dni: −13"));
    EXPECT_EQ(qualityBand->text(), "kosztowna");
    EXPECT_EQ(qualityTrend->text(), QString::fromUtf8("↑"));
    // An answer moves the band at once; the trend counts from a month ago.
    build.AddOpinion(10);
    EXPECT_EQ(opinionBand->text(), "dobra");
    EXPECT_EQ(opinionTrend->text(), QString::fromUtf8("↓"));
    build.AddOpinion(5);
    EXPECT_EQ(opinionBand->text(), "dobra");
    EXPECT_EQ(opinionTrend->text(), QString::fromUtf8("↑"));
    build.AddOpinion(-2);
    EXPECT_EQ(opinionTrend->text(), QString::fromUtf8("→"));
    w->Controller().Languages().Pick(Language::English);
    EXPECT_EQ(opinionBand->text(), "good");
    EXPECT_EQ(qualityBand->text(), "costly");
    w->Controller().Languages().Pick(Language::Polish);
}

// The mean of a day's drift over the draws, spread evenly.
double MeanDrift(const std::function<int32_t(double)>& drift) {
    constexpr int kDraws = 1000;
    double sum = 0;
    for (int i = 0; i < kDraws; ++i) sum += drift((i + 0.5) / kDraws);
    return sum / kDraws;
}

// The help says where the daily rules start to lose subscribers, and the
// rules themselves agree: read off the help's own text in each language.
TEST_F(StatisticsTest, TheHelpNamesTheLevelsTheDailyRulesLoseSubscribersAt) {
    struct Words {
        Language language;
        const char* bands;
        const char* isdn;
        const char* lines;
    };
    const Words words[] = {
        {Language::Polish, "zła poniżej (-?\\d+), przeciętna od (-?\\d+) do (-?\\d+), dobra od (-?\\d+) do (-?\\d+),",
         "opinia minus jakość jest poniżej (-?\\d+), o (\\d+) mniej na każde 100 telefonów",
         "razem są poniżej (-?\\d+): im niżej, tym częściej, a poniżej (-?\\d+) codziennie"},
        {Language::English, "poor below (-?\\d+), average (-?\\d+) to (-?\\d+), good (-?\\d+) to (-?\\d+),",
         "opinion minus quality is below (-?\\d+), (\\d+) less for each 100 phone lines",
         "together are below (-?\\d+): the lower, the more often, and below (-?\\d+) every day"},
    };
    constexpr double kLargestDraw = 1 - 1.0 / 4294967296.0;
    for (const Words& language : words) {
        SCOPED_TRACE(LanguageCode(language.language));
        w->Controller().Languages().Pick(language.language);
        w->ShowHelp();
        const QString help = w.frmPomoc()->Text()->toPlainText().simplified();
        w.frmPomoc()->CloseButton()->click();
        const auto read = [&](const char* pattern) {
            const QRegularExpressionMatch match = QRegularExpression(QString::fromUtf8(pattern)).match(help);
            EXPECT_TRUE(match.hasMatch()) << pattern;
            std::vector<int> levels;
            for (int i = 1; i <= match.lastCapturedIndex(); ++i) levels.push_back(match.captured(i).toInt());
            return levels;
        };
        const std::vector<int> bands = read(language.bands), isdn = read(language.isdn), lines = read(language.lines);
        ASSERT_EQ(bands.size(), 5u);
        ASSERT_EQ(isdn.size(), 2u);
        ASSERT_EQ(lines.size(), 2u);

        // Phone lines leave on average below the poor band's edge, and not at it.
        const int poor = bands[0];
        EXPECT_EQ(bands[1], poor);
        EXPECT_LT(MeanDrift([&](double r) { return drift::Phones(poor - 1, r); }), 0);
        EXPECT_GE(MeanDrift([&](double r) { return drift::Phones(poor, r); }), 0);
        // SDI and Neostrada lines: some day below the level, never at it;
        // every day below the second level, not every day at it.
        const int sum = lines[0], everyDay = lines[1];
        EXPECT_EQ(bands[2] + 1, sum);
        EXPECT_EQ(bands[3], sum);
        EXPECT_LT(drift::Lines(sum - 0.01, 0, kLargestDraw, 0), 0);
        EXPECT_EQ(drift::Lines(sum, 0, kLargestDraw, 0), 0);
        EXPECT_LT(drift::Lines(everyDay - 0.01, 0, 0, 0), 0);
        EXPECT_EQ(drift::Lines(everyDay, 0, 0, 0), 0);
        // ISDN on average, its level lower by the named step for 100 phone lines.
        const int level = isdn[0], step = isdn[1];
        EXPECT_EQ(bands[4], level);
        EXPECT_LT(MeanDrift([&](double r) { return drift::Isdn(level - 0.5, 0, r, 0); }), 0);
        EXPECT_GT(MeanDrift([&](double r) { return drift::Isdn(level + 0.5, 0, r, 0); }), 0);
        EXPECT_LT(MeanDrift([&](double r) { return drift::Isdn(level - step - 0.5, 0, r, 100); }), 0);
        EXPECT_GT(MeanDrift([&](double r) { return drift::Isdn(level - step + 0.5, 0, r, 100); }), 0);

        // Statystyka's bands stop where the help's do, and say the same.
        CompanyBuilder(w->Game()).Opinion(sum - 1).Quality(0).AddOpinion(0);
        w.PageControl->SetActivePage(kPageStat);
        QLabel* band = Control<QLabel>(w.pnlStat, "lblOpiniaSkala");
        const QString average = band->text();
        EXPECT_TRUE(band->toolTip().contains(QStringLiteral("< %1").arg(sum))) << band->toolTip().toStdString();
        CompanyBuilder(w->Game()).AddOpinion(1);
        EXPECT_NE(band->text(), average);
        EXPECT_TRUE(band->toolTip().contains(QStringLiteral("< %1").arg(level))) << band->toolTip().toStdString();
    }
    w->Controller().Languages().Pick(Language::Polish);
}

// A kind the rules start to drive away is told in the line at the bottom
// once, with why, and marked on the page while it lasts; told again only a
// month after.
TEST_F(StatisticsTest, AKindStartingToLeaveIsToldOnceAndMarkedWhileItLeaves) {
    TFeedbackLine* line = w.lblZmiany;
    w.PageControl->SetActivePage(kPageStat);
    QLabel* caption = Control<QLabel>(w.pnlStat, "Label13");  // SDI's row
    QLabel* trend = Control<QLabel>(w.pnlStat, "lblTrend3");
    const QColor ink(Qt::black), red(200, 0, 0);
    CompanyBuilder build(w->Game());
    build.Counts({100, 0, 40, 0, 0, 0}).Opinion(10).Quality(0);
    const auto day = [&] {
        // What the line said before is gone.
        line->Hold()->setCurrentTime(TFeedbackLine::kHoldMs);
        line->Tell(QString());
        w->Controller().Clock().MainTimerTimer();
    };
    const QString warning = QString::fromUtf8("Odchodzą: SDI (opinia + jakość < 5)");
    const auto told = [&] { return line->FullText().contains(warning) || line->Waiting().contains(warning); };
    day();
    EXPECT_FALSE(told());
    EXPECT_EQ(caption->palette().color(QPalette::WindowText), ink);

    build.Opinion(1);
    // While the line holds what the player did, the warning waits for a free day.
    line->TellAndHold(QStringLiteral("Nie: Opinia -1"));
    w->Controller().Clock().MainTimerTimer();
    EXPECT_FALSE(told());
    day();
    EXPECT_TRUE(told()) << line->FullText().toStdString();
    EXPECT_EQ(caption->palette().color(QPalette::WindowText), red);
    EXPECT_EQ(trend->palette().color(QPalette::WindowText), red);
    EXPECT_EQ(caption->toolTip(), QString::fromUtf8("Abonenci odchodzą: opinia + jakość < 5"));
    EXPECT_TRUE(trend->toolTip().contains(QString::fromUtf8("Zmiana w ciągu 30 dni")))
        << trend->toolTip().toStdString();
    // Not every day it goes on, nor when it starts again within the month.
    const int toldOn = w->Game().Day();
    day();
    EXPECT_FALSE(told());
    build.Opinion(10);
    day();
    EXPECT_EQ(caption->palette().color(QPalette::WindowText), ink);
    build.Opinion(1);
    day();
    EXPECT_FALSE(told());
    build.Opinion(10);
    while (w->Game().Day() < toldOn + kTrendDays) day();
    // The arrow reads the history of 30 days: fewer SDI lines now.
    build.Opinion(1).Counts({100, 0, 30, 0, 0, 0});
    day();
    EXPECT_TRUE(told());
    EXPECT_EQ(trend->text(), QString::fromUtf8("↓"));

    w->Controller().Languages().Pick(Language::English);
    EXPECT_EQ(caption->toolTip(), "Subscribers leaving: opinion + quality < 5");
    w->Controller().Languages().Pick(Language::Polish);
}

// The chart alone, on a history made for the case.
class HistoryChartTest : public ::testing::Test {
protected:
    void SetUp() override { InstallLanguage(Language::Polish); }
    void TearDown() override { InstallLanguage(Language::Polish); }

    // Days 1..`days`, every value flat, then `change` for the days it sets.
    static History Make(int days, const std::function<void(HistorySample&)>& change = {}) {
        History history;
        for (int day = 1; day <= days; ++day) {
            HistorySample s;
            s.day = day;
            s.cash = 50000;
            s.opinion = 10;
            s.quality = 5;
            s.counts = {1000, 100, 10, 10, 10, 10};
            if (change) change(s);
            history.Record(s);
        }
        return history;
    }

    // A chart of the history shown at the given size.
    std::unique_ptr<THistoryChart> Chart(const History& history, QSize size = {300, 260},
                                         int group = THistoryChart::gCash) {
        auto chart = std::make_unique<THistoryChart>();
        chart->resize(size);
        chart->SetGroup(group);
        chart->Show(history);
        chart->show();
        QCoreApplication::processEvents();
        return chart;
    }

    static QImage PlotImage(THistoryChart& chart) { return chart.findChild<QWidget*>("chartWykres")->grab().toImage(); }
};

TEST_F(HistoryChartTest, ADipAndAPeakWithinOnePixelColumnKeepTheirDayOrder) {
    // Ten years on a narrow chart: a pixel column holds about two weeks of
    // the last year's daily samples. The dip and the peak are drawn, in the
    // order of their days, and nothing else of their column.
    struct Row {
        const char* name;
        int32_t first, second;
    };
    for (const Row& row : {Row{"dip then peak", -30000, 120000}, Row{"peak then dip", 120000, -30000}}) {
        SCOPED_TRACE(row.name);
        int sharedColumns = 0;
        for (int day = 3300; day < 3320; ++day) {
            const History history = Make(3600, [&](HistorySample& s) {
                if (s.day == day) s.cash = row.first;
                if (s.day == day + 1) s.cash = row.second;
            });
            const auto chart = Chart(history);
            const ChartDrawnLine line = chart->Scene().lines.at(0);
            qsizetype at = 0;
            while (at < line.data.size() && line.data[at].x() != Year(day)) ++at;
            ASSERT_LT(at + 1, line.data.size()) << day;
            EXPECT_DOUBLE_EQ(line.data[at].y(), row.first / 1000.0) << day;
            EXPECT_DOUBLE_EQ(line.data[at + 1].x(), Year(day + 1)) << day;
            EXPECT_DOUBLE_EQ(line.data[at + 1].y(), row.second / 1000.0) << day;
            const int column = Column(line.pixels[at]);
            if (Column(line.pixels[at + 1]) != column) continue;
            ++sharedColumns;
            int inColumn = 0;
            for (const QPointF& p : line.pixels) inColumn += Column(p) == column;
            EXPECT_EQ(inColumn, 2) << day;
        }
        EXPECT_GT(sharedColumns, 0);
    }
}

TEST_F(HistoryChartTest, TheLineStartsOnTheGamesFirstDayAndEndsOnItsLast) {
    // A year, day by day, over ten pixels: 36 days a column. Day 1 is
    // neither the lowest nor the highest of its column, yet the line starts
    // there, as it ends on the last day.
    const History history = Make(360, [](HistorySample& s) {
        if (s.day == 2) s.cash = -10000;
        if (s.day == 3) s.cash = 200000;
        if (s.day == 359) s.cash = 300000;
    });
    const QPolygonF cash = ThinToColumns(
        history, [](const HistorySample& s) { return static_cast<double>(s.cash); }, 1000, 1, Year(360), 0, 10);
    ASSERT_GE(cash.size(), 5);
    EXPECT_EQ(cash[0], QPointF(Year(1), 50));
    EXPECT_EQ(cash[1], QPointF(Year(2), -10));
    EXPECT_EQ(cash[2], QPointF(Year(3), 200));
    EXPECT_EQ(cash[cash.size() - 2], QPointF(Year(359), 300));
    EXPECT_EQ(cash.back(), QPointF(Year(360), 50));

    // In the window, the axis starts with the game's first month.
    const auto chart = Chart(history);
    EXPECT_DOUBLE_EQ(chart->Scene().xFirst, 1);
}

TEST_F(HistoryChartTest, TheCashAxisCountsMillionsFromTenMillionZlotyOfEitherSign) {
    struct Row {
        int32_t most;
        const char* polish;
        const char* english;
        double scale;
    };
    for (const Row& row :
         {Row{9'999'999, "tys. zł", "PLN thousand", 1e3}, Row{10'000'000, "mln zł", "PLN million", 1e6},
          Row{-9'999'999, "tys. zł", "PLN thousand", 1e3}, Row{-10'000'000, "mln zł", "PLN million", 1e6},
          Row{std::numeric_limits<int32_t>::min(), "mln zł", "PLN million", 1e6}}) {
        SCOPED_TRACE(row.most);
        const History history = Make(100, [&](HistorySample& s) {
            if (s.day == 50) s.cash = row.most;
        });
        const auto chart = Chart(history);
        ChartScene scene = chart->Scene();
        EXPECT_EQ(scene.leftTitle.text, row.polish);
        const QPolygonF& cash = scene.lines.at(0).data;
        EXPECT_DOUBLE_EQ(cash[49].y(), row.most / row.scale);
        EXPECT_DOUBLE_EQ(cash[0].y(), 50000 / row.scale);
        // The axis reaches the amount, in round steps.
        EXPECT_LE(scene.leftLow, std::min(0.0, row.most / row.scale));
        EXPECT_GE(scene.leftHigh, std::max(0.0, row.most / row.scale));
        InstallLanguage(Language::English);
        chart->RetranslateUi();
        EXPECT_EQ(chart->Scene().leftTitle.text, row.english);
        InstallLanguage(Language::Polish);
    }
}

TEST_F(HistoryChartTest, CashIsRedOnlyWhereItIsBelowZero) {
    // Half a year above zero, half below, twice.
    const History history = Make(720, [](HistorySample& s) {
        s.cash = static_cast<int32_t>(std::lround(100000 * std::sin(s.day * 2 * M_PI / 360)));
    });
    const auto chart = Chart(history, {400, 300});
    const ChartScene scene = chart->Scene();
    const QImage image = PlotImage(*chart);
    auto reddish = [](QColor c) { return c.red() > c.green() + 50 && c.red() > c.blue() + 50; };
    auto greenish = [](QColor c) { return c.green() > c.red() + 40 && c.green() > c.blue() + 30; };
    int red = 0;
    std::map<int, int> redColumns;
    const QRect plot = scene.plot.toAlignedRect();
    for (int y = plot.top(); y <= plot.bottom(); ++y)
        for (int x = plot.left(); x <= plot.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (reddish(c)) {
                ++red;
                ++redColumns[x];
                ASSERT_GE(y, scene.zeroY - 1) << x;
            }
            if (greenish(c)) {
                ASSERT_LE(y, scene.zeroY + 1) << x;
            }
        }
    EXPECT_GT(red, 0);
    // Red stands under every day of debt, and under none of credit.
    const ChartDrawnLine& cash = scene.lines.at(0);
    for (qsizetype i = 0; i < cash.data.size(); ++i) {
        const int x = static_cast<int>(std::lround(cash.pixels[i].x()));
        if (cash.data[i].y() < -10) {
            EXPECT_GT(redColumns[x], 0) << cash.data[i].x();
        } else if (cash.data[i].y() > 10) {
            EXPECT_EQ(redColumns[x], 0) << cash.data[i].x();
        }
    }
}

TEST_F(HistoryChartTest, AResizedChartLooksLikeOneMadeAtItsNewSize) {
    const History history = Make(800, [](HistorySample& s) {
        s.cash = static_cast<int32_t>(std::lround(80000 * std::sin(s.day / 40.0)));
        s.counts[0] = 1000 + s.day;
    });
    for (int group = 0; group < THistoryChart::kGroupCount; ++group) {
        SCOPED_TRACE(group);
        const auto resized = Chart(history, {700, 500}, group);
        resized->resize(330, 280);
        QCoreApplication::processEvents();
        const auto fresh = Chart(history, {330, 280}, group);
        EXPECT_EQ(resized->grab().toImage(), fresh->grab().toImage());
    }
}

TEST_F(HistoryChartTest, NoTextTouchesAnotherOrLeavesTheChart) {
    const int32_t most = std::numeric_limits<int32_t>::max();
    const History extremes = Make(720, [&](HistorySample& s) {
        s.cash = s.day % 2 ? std::numeric_limits<int32_t>::min() : most;
        s.opinion = s.day % 2 ? -1e6f : 1e6f;
        s.quality = s.day % 2 ? -1e6f : 1e6f;
        s.counts.fill(most);
    });
    const History month = Make(31);
    const History century = Make(36000);
    for (Language language : {Language::Polish, Language::English}) {
        InstallLanguage(language);
        for (const History* history : {&month, &century, &extremes})
            for (QSize size : {QSize(285, 330), QSize(895, 680), QSize(200, 200)})
                for (int group = 0; group < THistoryChart::kGroupCount; ++group) {
                    SCOPED_TRACE(::testing::Message() << LanguageCode(language) << " " << history->Size() << " "
                                                      << size.width() << "x" << size.height() << " " << group);
                    const auto chart = Chart(*history, size, group);
                    const ChartScene scene = chart->Scene();
                    const QRectF inside(QPointF(0, 0), chart->findChild<QWidget*>("chartWykres")->size());
                    // The titles beside the axes: the units above, the time below.
                    EXPECT_LE(scene.leftTitle.box.bottom(), scene.plot.top());
                    EXPECT_GE(scene.xTitle.box.top(), scene.plot.bottom());
                    EXPECT_FALSE(scene.xLabels.empty());
                    const std::vector<ChartText> texts = scene.Texts();
                    for (size_t i = 0; i < texts.size(); ++i) {
                        EXPECT_TRUE(inside.contains(texts[i].box)) << texts[i].text.toStdString();
                        for (size_t j = i + 1; j < texts.size(); ++j)
                            EXPECT_FALSE(texts[i].box.adjusted(-1, -1, 1, 1).intersects(texts[j].box))
                                << texts[i].text.toStdString() << " / " << texts[j].text.toStdString();
                    }
                }
    }
}

}  // namespace
}  // namespace dzwonex::uitest
