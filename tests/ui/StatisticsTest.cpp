// The Statystyka page: the history chart, the day's account and the cash
// line.
#include <gtest/gtest.h>

#include <QChartView>
#include <QLineSeries>
#include <QTest>

#include "Amounts.h"
#include "Changes.h"
#include "CompanyBuilder.h"
#include "HistoryChart.h"
#include "Support.h"

namespace dzwonex::uitest {
namespace {

using dzwonex::testing::CompanyBuilder;

class StatisticsTest : public ::testing::Test {
protected:
    TestAssets assets;
    WindowUnderTest w{assets.Dir()};

    void SetUp() override {
        w.Show();
        w->Controller().StopMainTimer();
    }

    // The points of the cash line as the chart holds them.
    QList<QPointF> CashPoints() const {
        auto* view = w.chartHistoria->View(THistoryChart::gCash);
        for (QAbstractSeries* s : view->chart()->series())
            if (s->name() == "Kasa") return static_cast<QLineSeries*>(s)->points();
        return {};
    }
    static double Year(int day) { return 1 + day / 360.0; }
};

TEST_F(StatisticsTest, TheChartHoldsOneSamplePerDayOfAShortGame) {
    // Days pass while another page is shown; the chart catches up when the
    // page is opened.
    w->Controller().SetActivePage(kPageCases);
    for (int i = 0; i < 40; ++i) w->Controller().MainTimerTimer();
    w->Controller().SetActivePage(kPageStat);
    QCoreApplication::processEvents();

    const QList<QPointF> points = CashPoints();
    ASSERT_EQ(points.size(), 41);  // the first day and forty more
    for (int i = 0; i < points.size(); ++i) EXPECT_DOUBLE_EQ(points[i].x(), Year(1 + i)) << i;
    EXPECT_DOUBLE_EQ(points.back().y(), w->Game().Cash().Value() / 1000.0);

    // Shown, it follows each day at once.
    w->Controller().MainTimerTimer();
    EXPECT_EQ(CashPoints().size(), 42);
    EXPECT_EQ(w.chartHistoria->PointCount(), 42);

    // The other groups catch up when picked.
    QTest::mouseClick(w.chartHistoria->GroupButton(THistoryChart::gSubscribers), Qt::LeftButton);
    EXPECT_EQ(w.chartHistoria->CurrentGroup(), THistoryChart::gSubscribers);
    const auto series = w.chartHistoria->View(THistoryChart::gSubscribers)->chart()->series();
    ASSERT_EQ(series.size(), kKindCount);
    for (int k = 1; k <= kKindCount; ++k) {
        const auto* line = static_cast<QLineSeries*>(series[k - 1]);
        ASSERT_EQ(line->count(), 42) << k;
        EXPECT_EQ(line->points().back().y(), w->Game().Count(k)) << k;
    }
}

TEST_F(StatisticsTest, AHundredYearsStayWithinTheBoundsOfHistoryAndChart) {
    w->Controller().SetActivePage(kPageCases);
    CompanyBuilder build(w->Game());
    const int lastDay = 100 * 360;
    for (int day = 2; day <= lastDay; ++day) {
        build.SetDay(day);
        w->Controller().RecordHistory();
    }
    w->Controller().SetActivePage(kPageStat);
    QCoreApplication::processEvents();

    const History& history = w->Controller().GameHistory();
    // A day a year, a week for nine, a month (or more) before: far fewer
    // than 36 000 samples, about 40 bytes each.
    EXPECT_LE(history.Size(), 360 + 3240 / 7 + 1 + History::kMaxOld);
    // The chart draws the whole game, at most a point a pixel of its plot.
    const QList<QPointF> points = CashPoints();
    const double plot = w.chartHistoria->View(THistoryChart::gCash)->chart()->plotArea().width();
    EXPECT_GT(plot, 100);
    EXPECT_LE(points.size(), plot + 2);
    EXPECT_GE(points.size(), plot / 4);
    EXPECT_DOUBLE_EQ(points.front().x(), Year(1));  // the game's start is kept
    EXPECT_DOUBLE_EQ(points.back().x(), Year(lastDay));
    for (qsizetype i = 1; i < points.size(); ++i) ASSERT_GT(points[i].x(), points[i - 1].x()) << i;
}

TEST_F(StatisticsTest, TheDayAccountIsTheDaysChangeOfCash) {
    for (int i = 0; i < 5; ++i) {
        const int64_t before = w->Game().Cash().Value();
        w->Controller().MainTimerTimer();
        const int64_t after = w->Game().Cash().Value();
        const DayAccount& day = w->Game().LastDay();
        EXPECT_EQ(w.lblPrzychody->text().toStdString(), FormatAmount(day.income));
        EXPECT_EQ(w.lblWydatki->text().toStdString(), FormatAmount(day.staff + day.repairs + day.equipment));
        EXPECT_EQ(w.lblBilans->text().toStdString(), FormatChange(after - before));
        EXPECT_EQ(w.lblBilans->palette().color(QPalette::WindowText) == QColor(200, 0, 0), after < before);
    }
}

TEST_F(StatisticsTest, CashBelowZeroIsRedAndHasItsCaption) {
    w->Controller().SetActivePage(kPageStat);
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

}  // namespace
}  // namespace dzwonex::uitest
