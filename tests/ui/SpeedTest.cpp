// The speed gauge under the mouse, and the two timers.
#include <gtest/gtest.h>

#include <QElapsedTimer>
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

    // Whether the press at x gave the main timer a fresh count: the whole
    // period less the time since the press, give or take Qt's 5%.
    bool RestartedBy(int x) {
        QElapsedTimer sincePress;
        sincePress.start();
        Press(x);
        const qint64 left = w.MainTimer->remainingTime();
        const qint64 period = w.MainTimer->interval();
        return left <= period * 105 / 100 && left + sincePress.elapsed() >= period * 95 / 100;
    }

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

// No result depends on how long anything takes: a kept count only goes
// down, and a fresh one is the whole period from the press, which Qt's
// coarse timers may round by up to 5% either way.
TEST_F(SpeedTest, AnUnchangedPeriodKeepsTheCountAChangedOneRestartsIt) {
    // Long enough that a restart would leave more than a kept count, even
    // rounded the other way.
    QTest::qWait(1500);
    const int before = w.MainTimer->remainingTime();
    // Same band as speed 5: the day already under way is not restarted.
    Press(105);
    ExpectSpeed(5);
    EXPECT_LE(w.MainTimer->remainingTime(), before);

    // Speed 6: a fresh 10 s count.
    EXPECT_TRUE(RestartedBy(125));
    ExpectSpeed(6);

    // Stopped, then started again: a full period from the press.
    Press(5);
    ExpectSpeed(0);
    EXPECT_TRUE(RestartedBy(100));
    ExpectSpeed(5);
}

TEST_F(SpeedTest, EachTickOfTheMainTimerIsOneDay) {
    // Speed 10: a day every 2 s.
    QWindow* window = w->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, InWindow(100));
    QTest::mouseMove(window, InWindow(250));
    QTest::mouseRelease(window, Qt::LeftButton, {}, InWindow(250));
    ExpectSpeed(10);
    // The tick itself, without waiting for it.
    const int day = w->Game().Day();
    ASSERT_TRUE(QMetaObject::invokeMethod(w.MainTimer, "timeout"));
    EXPECT_EQ(w->Game().Day(), day + 1);
    EXPECT_EQ(w.lblSpeed2->text(), QString::fromUtf8("Rok: 1  Miesiąc: 1  Dzień: 3"));
}

}  // namespace
}  // namespace dzwonex::uitest
