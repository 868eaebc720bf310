// Pages: only the player's change of page sounds.
#include <gtest/gtest.h>

#include <QTest>

#include "Support.h"

namespace dzwonex::uitest {
namespace {

class PageControlTest : public ::testing::Test {
protected:
    TestAssets assets;
    WindowUnderTest w{assets.Dir()};

    void SetUp() override { w.Show(); }

    void ClickTab(int index, Qt::MouseButton button = Qt::LeftButton) {
        TButtonTabBar* tabs = w.PageControl->TabBar();
        QTest::mouseClick(tabs, button, {}, tabs->ButtonRect(index).center());
    }
    int PageSounds() const { return w.sound->Count("PlayPageSound"); }
};

TEST_F(PageControlTest, TheProgramsPageChangesAreSilent) {
    for (int page : {kPageMap, kPageStat, kPageMenu, kPageCases}) {
        w.PageControl->SetActivePage(page);
        EXPECT_EQ(w.PageControl->ActivePageIndex(), page);
        EXPECT_TRUE(w.PageControl->Page(page)->isVisible());
    }
    EXPECT_EQ(PageSounds(), 0);
}

TEST_F(PageControlTest, ThePlayersChangeOfPageSoundsOnce) {
    ClickTab(kPageStat);
    EXPECT_EQ(w.PageControl->ActivePageIndex(), kPageStat);
    EXPECT_TRUE(w.tabStat->isVisible());
    EXPECT_FALSE(w.tabSprawy->isVisible());
    EXPECT_EQ(PageSounds(), 1);

    // The page already shown: no change, no sound.
    ClickTab(kPageStat);
    EXPECT_EQ(PageSounds(), 1);

    ClickTab(kPageMenu);
    EXPECT_EQ(PageSounds(), 2);
    ClickTab(kPageMap);
    EXPECT_EQ(PageSounds(), 3);
    EXPECT_TRUE(w.tabMap->isVisible());
}

TEST_F(PageControlTest, ChangingPageByKeyboardIsThePlayersChangeToo) {
    QApplication::setActiveWindow(w.window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    TButtonTabBar* tabs = w.PageControl->TabBar();
    tabs->setFocus();
    QTest::keyClick(tabs, Qt::Key_Left);
    EXPECT_EQ(w.PageControl->ActivePageIndex(), kPageStat);
    EXPECT_EQ(PageSounds(), 1);
}

TEST_F(PageControlTest, TheTabUnderThePointerIsHighlighted) {
    TButtonTabBar* tabs = w.PageControl->TabBar();
    EXPECT_EQ(tabs->HotIndex(), -1);
    QMouseEvent move(QEvent::MouseMove, QPointF(tabs->ButtonRect(1).center()),
                     QPointF(tabs->mapToGlobal(tabs->ButtonRect(1).center())), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(tabs, &move);
    EXPECT_EQ(tabs->HotIndex(), 1);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(tabs, &leave);
    EXPECT_EQ(tabs->HotIndex(), -1);
}

TEST_F(PageControlTest, VolumeSlidersReachTheSoundAndAreKeptForTheNextGame) {
    w.PageControl->SetActivePage(kPageMenu);
    w.tbMuzyka->setFocus();
    w.tbMuzyka->setValue(40);
    EXPECT_EQ(w.sound->calls.back(), "SetMusicVolume(40)");
    QTest::mouseClick(w.tbEfekty, Qt::LeftButton, {}, QPoint(2, w.tbEfekty->height() / 2));
    EXPECT_LT(w.tbEfekty->value(), 80);
    EXPECT_EQ(w.sound->calls.back(), "SetEffectsVolume(" + std::to_string(w.tbEfekty->value()) + ")");
    // A slider is written once it settles, not at every step.
    EXPECT_EQ(Settings().MusicVolume(77), 77);
    const int effects = w.tbEfekty->value();
    w->close();

    // The next game starts its sound at those levels.
    TestAssets other;
    WindowUnderTest next(other.Dir());
    EXPECT_EQ(next.tbMuzyka->value(), 40);
    EXPECT_EQ(next.tbEfekty->value(), effects);
    ASSERT_GE(next.sound->calls.size(), 3u);
    EXPECT_EQ(next.sound->calls[0], "SetMusicVolume(40)");
    EXPECT_EQ(next.sound->calls[2], "InitSound(" + other.Dir() + ")");
}

TEST_F(PageControlTest, TheMusicBoxTellsTheSoundItsNewState) {
    w.PageControl->SetActivePage(kPageMenu);
    QTest::mouseClick(w.chkMuzyka, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_FALSE(w.chkMuzyka->isChecked());
    QTest::mouseClick(w.chkMuzyka, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_TRUE(w.chkMuzyka->isChecked());
    EXPECT_EQ(w.sound->Count("SetMusicOn(false)"), 1);
    EXPECT_EQ(w.sound->Count("SetMusicOn(true)"), 1);
    // Anywhere in its 209 px, far right of its caption.
    QTest::mouseClick(w.chkMuzyka, Qt::LeftButton, {}, QPoint(200, 12));
    EXPECT_FALSE(w.chkMuzyka->isChecked());
    EXPECT_EQ(w.sound->Count("SetMusicOn(false)"), 2);
}

}  // namespace
}  // namespace dzwonex::uitest
