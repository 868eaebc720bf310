// Where the controls stand, at the design size and as the window is resized.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

#include "HistoryChart.h"
#include "Support.h"

namespace dzwonex::uitest {
namespace {

class LayoutTest : public ::testing::Test {
protected:
    TestAssets assets;
    WindowUnderTest w{assets.Dir()};

    void SetUp() override { w.Show(); }

    void ResizeTo(int width, int height) {
        w->resize(width, height);
        QCoreApplication::processEvents();
        ASSERT_EQ(w->size(), QSize(width, height));
    }

    // The values that follow from the page size, checked on every page,
    // shown or not.
    struct Expected {
        int bannerLeft;
        QPoint stat;
        int caseLeft, caseHeight;
        int menuTop;
    };
    void ExpectLayout(const Expected& e) {
        EXPECT_EQ(w.pbBanner->geometry(), QRect(e.bannerLeft, 5, 400, 50));
        // The statistics panel stands in the top left corner, the chart
        // takes the rest.
        EXPECT_EQ(w.pnlStat->geometry(), QRect(e.stat, QSize(377, 277)));
        const QSize page = w.tabStat->size();
        EXPECT_EQ(w.chartHistoria->geometry(), QRect(377, 4, std::max(0, page.width() - 377), page.height() - 4));
        EXPECT_EQ(w.pnlSprawa->geometry(), QRect(e.caseLeft, 4, 305, e.caseHeight));
        const int h = e.caseHeight;
        EXPECT_EQ(w.shapeSprawa->geometry(), QRect(8, 4, 289, h - 4));
        EXPECT_EQ(w.btnYes->geometry(), QRect(42, h - 33, 67, 25));
        EXPECT_EQ(w.btnOK->geometry(), QRect(108, h - 33, 91, 25));
        EXPECT_EQ(w.btnNo->geometry(), QRect(199, h - 33, 67, 25));
        // Below 96 the text box has no height left.
        EXPECT_EQ(w.memSprawa->geometry(), QRect(20, 40, 265, std::max(0, h - 96)));
        // The "Menu" box with the sound, and the "Gra" box beside it, wider
        // where its captions need it (they do in Polish): in the middle.
        const QRect menu = w.pnlMenu->geometry();
        EXPECT_EQ(menu.height(), 216);
        EXPECT_GE(menu.width(), 474);
        EXPECT_EQ(menu.topLeft(), QPoint(page.width() / 2 - menu.width() / 2, e.menuTop));
    }
};

TEST_F(LayoutTest, DesignSizeGivesTheWorkedValues) {
    EXPECT_EQ(w.pnlTop->geometry(), QRect(0, 0, 670, 60));
    EXPECT_EQ(w.pnlDown->geometry(), QRect(0, 434, 670, 25));
    EXPECT_EQ(w.PageControl->geometry(), QRect(0, 60, 670, 374));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(w.PageControl->Page(i)->size(), QSize(662, 343)) << "page " << i;
    ExpectLayout({135, {0, 0}, 179, 335, 63});
}

TEST_F(LayoutTest, TheWindowIsNeverSmallerThanItsDesign) {
    EXPECT_EQ(w->minimumSize(), QSize(TfrmMain::kDesignWidth, TfrmMain::kDesignHeight));
    // Where the rating box and the records' columns went missing.
    for (const QSize size : {QSize(500, 350), QSize(560, 400), QSize(900, 300)}) {
        w->resize(size);
        QCoreApplication::processEvents();
        EXPECT_EQ(w->size(), size.expandedTo(QSize(670, 459)));
    }
}

// A window manager may still give less than the minimum (a tiling one
// ignores it): the pages lay themselves out at any size.
TEST_F(LayoutTest, OddSizesTruncateEachHalf) {
    w->setMinimumSize(0, 0);
    // Top panel 671: 335 - 200. Pages 663 x 344: the menu at 172 - 108, ...
    ResizeTo(671, 460);
    ExpectLayout({135, {0, 0}, 179, 336, 64});
    // Pages 661 x 342: the menu at 171 - 108 = 63; case panel 330 - 152.
    ResizeTo(669, 458);
    ExpectLayout({134, {0, 0}, 178, 334, 63});
}

TEST_F(LayoutTest, TooSmallWindowPushesControlsOutNeverShrinksThem) {
    w->setMinimumSize(0, 0);
    // Top panel 300: banner at -50. Pages 292 x 84.
    ResizeTo(300, 200);
    ExpectLayout({-50, {0, 0}, -6, 76, -66});
    // Pages 192 x 40: the case panel is 32 high, its text box has none.
    ResizeTo(200, 156);
    ExpectLayout({-100, {0, 0}, -56, 32, -88});
    EXPECT_EQ(w.btnOK->y() + w.btnOK->height(), w.pnlSprawa->height() - 8);
}

TEST_F(LayoutTest, ShrinkingTheCasePageMovesTheButtonsUpTogether) {
    w->setMinimumSize(0, 0);
    for (int height : {459, 420, 333, 250}) {
        ResizeTo(670, height);
        const int panel = w.pnlSprawa->height();
        EXPECT_EQ(panel, height - 85 - 31 - 8);
        for (QPushButton* b : {w.btnYes, w.btnOK, w.btnNo}) EXPECT_EQ(b->geometry().bottom() + 1, panel - 8);
        EXPECT_EQ(w.memSprawa->height(), panel - 96);
    }
    // Widening only re-centres.
    ResizeTo(900, 459);
    EXPECT_EQ(w.pnlSprawa->geometry(), QRect((900 - 8) / 2 - 152, 4, 305, 335));
}

TEST_F(LayoutTest, BottomPanelAndLegendStandWhereTheLayoutPutsThem) {
    w.PageControl->SetActivePage(kPageMap);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.lblSpeed1->geometry(), QRect(4, 6, 101, 13));
    EXPECT_EQ(w.progressSpeed->geometry(), QRect(112, 4, 200, 17));
    EXPECT_EQ(w.lblSpeed2->pos(), QPoint(332, 6));
    // lblSpeed2 grows with its text.
    EXPECT_GE(w.lblSpeed2->width(), w.lblSpeed2->fontMetrics().horizontalAdvance(w.lblSpeed2->text()));

    EXPECT_EQ(w.pnlLegenda->geometry(), QRect(0, 0, 150, 343));
    EXPECT_EQ(w.shapeLegenda->geometry(), QRect(4, 4, 142, 165));
    EXPECT_EQ(w.paintboxLegenda->geometry(), QRect(12, 32, 16, 129));
    EXPECT_EQ(w.scrollboxMapa->geometry(), QRect(150, 0, 512, 343));
    EXPECT_EQ(w.paintboxMapa->size(), QSize(640, 480));
    // A map larger than the area scrolls.
    EXPECT_GT(w.scrollboxMapa->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(w.scrollboxMapa->verticalScrollBar()->maximum(), 0);
}

TEST_F(LayoutTest, PagesTabsAndFontsAreTheGames) {
    TButtonTabBar* tabs = w.PageControl->TabBar();
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(0), "Mapa");
    EXPECT_EQ(tabs->tabText(1), "Statystyka");
    EXPECT_EQ(tabs->tabText(2), QString("Sprawy (%1)").arg(w->Game().Cases().size()));
    EXPECT_EQ(tabs->tabText(3), "Menu");
    for (int i = 0; i < 4; ++i) EXPECT_EQ(tabs->ButtonRect(i).width(), 100);

    EXPECT_EQ(w->windowTitle(), "Dzwonex");
    EXPECT_EQ(w->font().pixelSize(), 11);
    EXPECT_EQ(w.memSprawa->font().pixelSize(), 12);
    EXPECT_TRUE(QFontInfo(w.memSprawa->font()).fixedPitch());
    EXPECT_TRUE(w.lblKasa->font().bold());
    EXPECT_FALSE(w.lblCounts[0]->font().bold());
    EXPECT_TRUE(w.chkMuzyka->isChecked());
    EXPECT_EQ(w.chkMuzyka->geometry(), QRect(16, 40, 209, 17));
    EXPECT_EQ(w.memSprawa->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(w.memSprawa->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(w.memSprawa->isReadOnly());

    // Box fill behind the statistics and the music box, white around them.
    const QImage stat = Grab(w.pnlStat);
    EXPECT_EQ(stat.pixelColor(106, 70), kBoxFill);
    EXPECT_EQ(stat.pixelColor(8, 8), kBoxFrame);
    EXPECT_EQ(stat.pixelColor(2, 2), kWhite);
    const QImage menu = Grab(w.pnlMenu);
    EXPECT_EQ(menu.pixelColor(200, 48), kBoxFill);
}

TEST_F(LayoutTest, FocusMovesFromOkToTakToNieToTheText) {
    for (QPushButton* b : {w.btnOK, w.btnYes, w.btnNo}) b->setEnabled(true);
    QApplication::setActiveWindow(w.window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    w.btnOK->setFocus();
    ASSERT_TRUE(w.btnOK->hasFocus());
    QTest::keyClick(w.btnOK, Qt::Key_Tab);
    EXPECT_TRUE(w.btnYes->hasFocus());
    QTest::keyClick(w.btnYes, Qt::Key_Tab);
    EXPECT_TRUE(w.btnNo->hasFocus());
    QTest::keyClick(w.btnNo, Qt::Key_Tab);
    EXPECT_TRUE(w.memSprawa->hasFocus());
}

}  // namespace
}  // namespace dzwonex::uitest
