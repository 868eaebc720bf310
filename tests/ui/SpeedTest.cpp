// The speed gauge under the mouse, and the two timers.
#include <gtest/gtest.h>

#include <QTest>

#include "Support.h"

namespace dzwonex::uitest {
namespace {

class SpeedTest : public ::testing::Test {
protected:
    TestAssets assets;
    WindowUnderTest w{assets.Dir()};

    void SetUp() override { w.Show(); }

    // A press and release at x on the gauge.
    void Press(int x, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(w.progressSpeed, button, {}, QPoint(x, 8));
        QTest::mouseRelease(w.progressSpeed, button, {}, QPoint(x, 8));
    }

    // Through the window, as a real pointer: the gauge keeps the pointer
    // while the button is held.
    QPoint InWindow(int x) const { return w.progressSpeed->mapTo(w.window.get(), QPoint(x, 8)); }

    void ExpectSpeed(int speed) {
        EXPECT_EQ(w.progressSpeed->Position(), speed);
        EXPECT_EQ(w.lblSpeed1->text(), QString::fromUtf8("Szybkość gry: %1").arg(speed));
        if (speed == 0) {
            EXPECT_FALSE(w.MainTimer->isActive());
        } else {
            EXPECT_TRUE(w.MainTimer->isActive());
            EXPECT_EQ(w.MainTimer->interval(), (11 - speed) * 2000);
        }
    }
};

TEST_F(SpeedTest, TheGameStartsAtSpeedFiveWithBothTimersRunning) {
    ExpectSpeed(5);
    EXPECT_FALSE(w.pnlDown->SpeedDragging());
    EXPECT_TRUE(w.BannerTimer->isActive());
    EXPECT_EQ(w.BannerTimer->interval(), 60000);
}

TEST_F(SpeedTest, APressSetsTheSpeedOfItsTwentyPixelBand) {
    struct Case {
        int x, speed;
    };
    // 5 -> 0 -> 5: the stopped clock starts again with its old period.
    for (const Case c :
         {Case{0, 0}, Case{100, 5}, Case{19, 0}, Case{20, 1}, Case{100, 5}, Case{139, 6}, Case{199, 9}}) {
        Press(c.x);
        SCOPED_TRACE(c.x);
        ExpectSpeed(c.speed);
    }
    // Any button will do.
    Press(61, Qt::RightButton);
    ExpectSpeed(3);
    Press(181, Qt::MiddleButton);
    ExpectSpeed(9);
    EXPECT_FALSE(w.pnlDown->SpeedDragging());
}

TEST_F(SpeedTest, ADragHoldsThePointerPastBothEdges) {
    QWindow* window = w->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, InWindow(100));
    EXPECT_TRUE(w.pnlDown->SpeedDragging());
    ExpectSpeed(5);
    // Right of the gauge, over the next label: position 10.
    QTest::mouseMove(window, InWindow(230));
    ExpectSpeed(10);
    // Left of the gauge: -19 still computes 0, far left is held at 0.
    QTest::mouseMove(window, InWindow(-19));
    ExpectSpeed(0);
    QTest::mouseMove(window, InWindow(-100));
    ExpectSpeed(0);
    QTest::mouseMove(window, InWindow(150));
    ExpectSpeed(7);
    // Carried far right and released there: the gauge hears both.
    QTest::mouseRelease(window, Qt::LeftButton, {}, InWindow(400));
    EXPECT_FALSE(w.pnlDown->SpeedDragging());
    ExpectSpeed(10);
    // A move without a press changes nothing.
    QTest::mouseMove(window, InWindow(10));
    QTest::mouseMove(w.progressSpeed, QPoint(10, 8));
    ExpectSpeed(10);
}

TEST_F(SpeedTest, AnUnchangedPeriodKeepsTheCountAChangedOneRestartsIt) {
    // The margins allow for a slow machine; a restart would leave the full
    // period and a kept count at most 12000 - 600.
    QTest::qWait(600);
    // Same band as speed 5: the day already under way is not restarted.
    Press(105);
    ExpectSpeed(5);
    EXPECT_LE(w.MainTimer->remainingTime(), 12000 - 500);

    // Speed 6: a fresh 10 s count.
    Press(125);
    ExpectSpeed(6);
    EXPECT_GT(w.MainTimer->remainingTime(), 10000 - 400);

    // Stopped, then started again: a full period from the press.
    Press(5);
    ExpectSpeed(0);
    QTest::qWait(600);
    Press(100);
    ExpectSpeed(5);
    EXPECT_GT(w.MainTimer->remainingTime(), 12000 - 400);
}

TEST_F(SpeedTest, EachTickOfTheMainTimerIsOneDay) {
    // Speed 10: a day every 2 s.
    QWindow* window = w->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, InWindow(100));
    QTest::mouseMove(window, InWindow(250));
    QTest::mouseRelease(window, Qt::LeftButton, {}, InWindow(250));
    ExpectSpeed(10);
    const int day = w->Game().Day();
    EXPECT_TRUE(WaitUntil([&] { return w->Game().Day() == day + 1; }, 3000));
    EXPECT_EQ(w.lblSpeed2->text(), QString::fromUtf8("Rok: 1  Miesiąc: 1  Dzień: 3"));
}

}  // namespace
}  // namespace dzwonex::uitest
