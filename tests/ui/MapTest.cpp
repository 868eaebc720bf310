// Drawing the map, its icons and the legend; merged repaints.
#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QPainter>
#include <QTest>
#include <QToolTip>

#include "CompanyBuilder.h"
#include "LegendHover.h"
#include "Support.h"

namespace dzwonex::uitest {
namespace {

using dzwonex::testing::CompanyBuilder;

class MapTest : public ::testing::Test {
protected:
    TestAssets assets;
    WindowUnderTest w{assets.Dir()};

    void SetUp() override {
        w.Show();
        w->Controller().Clock().StopMainTimer();
        w.PageControl->SetActivePage(kPageMap);
        QCoreApplication::processEvents();
    }

    std::shared_ptr<const MapPoint> Place(int kind, int x, int y) { return Build().PointAt(kind, x, y); }

    void ClearMap() { Build().Counts({0, 0, 0, 0, 0, 0}); }

    CompanyBuilder Build() { return CompanyBuilder(w->Game()); }

    QColor MapPixel(int x, int y) const { return w.window->Controller().Pictures().map.pixelColor(x, y); }
};

TEST_F(MapTest, IconsLieOnTheMapInKindOrderWithWhiteLeftOut) {
    ClearMap();
    // A booth on a phone line: the booth's white left half shows the phone.
    Place(skBooth, 100, 100);
    Place(skPhone, 100, 100);
    Place(skIsdn, 300, 200);
    const QImage shot = Grab(w.paintboxMapa);

    EXPECT_EQ(shot.pixelColor(100 - 8, 100 - 8), IconColour(skPhone));
    EXPECT_EQ(shot.pixelColor(100 - 1, 100), IconColour(skPhone));
    EXPECT_EQ(shot.pixelColor(100, 100), IconColour(skBooth));
    EXPECT_EQ(shot.pixelColor(100 + 7, 100 + 7), IconColour(skBooth));
    // Just outside the icon square: the map picture.
    EXPECT_EQ(shot.pixelColor(100 + 8, 100), MapPixel(100 + 8, 100));
    EXPECT_EQ(shot.pixelColor(100 - 9, 100), MapPixel(100 - 9, 100));
    EXPECT_EQ(shot.pixelColor(300 - 8, 200 - 8), IconColour(skIsdn));
    EXPECT_EQ(shot.pixelColor(300 + 7, 200 + 7), IconColour(skIsdn));
    EXPECT_EQ(shot.pixelColor(300 - 9, 200 - 9), MapPixel(300 - 9, 200 - 9));
    EXPECT_EQ(shot.pixelColor(500, 400), MapPixel(500, 400));
}

TEST_F(MapTest, AnEarlierKindNeverCoversALaterOne) {
    ClearMap();
    // Added in the opposite order: the booth is still on top.
    Place(skBooth, 200, 150);
    Place(skNeostrada, 200, 150);
    const QImage shot = Grab(w.paintboxMapa);
    EXPECT_EQ(shot.pixelColor(203, 150), IconColour(skBooth));
    EXPECT_EQ(shot.pixelColor(196, 150), IconColour(skNeostrada));
}

TEST_F(MapTest, IconsAtTheEdgeAreClipped) {
    ClearMap();
    Place(skSdi, 0, 0);
    Place(skPolpak, 639, 479);
    const QImage shot = Grab(w.paintboxMapa);
    EXPECT_EQ(shot.size(), QSize(640, 480));
    EXPECT_EQ(shot.pixelColor(0, 0), IconColour(skSdi));
    EXPECT_EQ(shot.pixelColor(7, 7), IconColour(skSdi));
    EXPECT_EQ(shot.pixelColor(8, 8), MapPixel(8, 8));
    EXPECT_EQ(shot.pixelColor(639, 479), IconColour(skPolpak));
    EXPECT_EQ(shot.pixelColor(631, 471), IconColour(skPolpak));
    EXPECT_EQ(shot.pixelColor(630, 470), MapPixel(630, 470));
}

// A partial repaint draws every icon that reaches into the exposed area,
// also one that reaches in by its first (or last) column or row only.
TEST_F(MapTest, APartialRepaintDrawsIconsThatReachInByOnePixel) {
    ClearMap();
    Place(skIsdn, 200, 150);  // covers 192..207 x 142..157
    struct Row {
        QRect exposed;
        QPoint inIcon;
    };
    const Row rows[] = {
        {QRect(180, 140, 13, 30), {192, 150}},  // ends on the icon's first column
        {QRect(207, 140, 20, 30), {207, 150}},  // starts on its last column
        {QRect(190, 130, 30, 13), {200, 142}},  // ends on its first row
        {QRect(190, 157, 30, 20), {200, 157}},  // starts on its last row
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.exposed));
        QImage canvas(640, 480, QImage::Format_RGB32);
        canvas.fill(Qt::black);
        QPainter painter(&canvas);
        painter.setClipRect(row.exposed);  // as in a paint event
        PaintMap(painter, row.exposed, w->Controller().Pictures(), w->Game());
        painter.end();
        EXPECT_EQ(canvas.pixelColor(row.inIcon), IconColour(skIsdn));
    }
}

TEST_F(MapTest, LegendIconsStandAtTheirOddHeights) {
    // The legend panel as shown: the column starts at (12, 32).
    const QImage legend = Grab(w.pnlLegenda).copy(12, 32, 16, 129);
    const int tops[kKindCount] = {0, 16, 32, 48, 78, 110};
    for (int k = 1; k <= kKindCount; ++k) {
        const int top = tops[k - 1];
        // Column 12 is inside every icon, the booth's white half excepted.
        EXPECT_EQ(legend.pixelColor(12, top), IconColour(k)) << "kind " << k;
        EXPECT_EQ(legend.pixelColor(12, top + 15), IconColour(k)) << "kind " << k;
    }
    // Between Neostrada and Polpak-T, and between Polpak-T and the booth.
    EXPECT_NE(legend.pixelColor(12, 64), IconColour(skNeostrada));
    EXPECT_NE(legend.pixelColor(12, 77), IconColour(skPolpak));
    EXPECT_NE(legend.pixelColor(12, 94), IconColour(skPolpak));
    EXPECT_NE(legend.pixelColor(12, 109), IconColour(skBooth));
    // The booth's white half lets the legend's fill through.
    EXPECT_EQ(legend.pixelColor(3, 115), kBoxFill);
}

TEST_F(MapTest, TheTooltipNamesTheKindAPressWouldHit) {
    ClearMap();
    Place(skSdi, 100, 100);
    Place(skPhone, 300, 200);
    Place(skBooth, 305, 200);
    Place(skPolpak, 500, 400);
    const uint32_t generator = w->Game().GeneratorState();
    const size_t cases = w->Game().Cases().size();
    auto tip = [&](int x, int y) {
        QHelpEvent help(QEvent::ToolTip, QPoint(x, y), w.paintboxMapa->mapToGlobal(QPoint(x, y)));
        QApplication::sendEvent(w.paintboxMapa, &help);
        // Nothing there: the event is left unanswered and the tip goes.
        return help.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    struct Row {
        int x, y;
        const char* name;
    };
    // 8 px off on both axes still hits; the booth lies over the phone.
    for (const Row row : {Row{108, 92, "SDI"}, Row{297, 200, "Budka telefoniczna"}, Row{296, 200, "Telefon/modem"},
                          Row{500, 408, "Polpak-T"}, Row{109, 100, ""}, Row{400, 300, ""}}) {
        EXPECT_EQ(tip(row.x, row.y), QString::fromUtf8(row.name)) << row.x << "," << row.y;
    }
    // Only a look: no draw, no sound, no case.
    EXPECT_EQ(w->Game().GeneratorState(), generator);
    EXPECT_EQ(w->Game().Cases().size(), cases);
    EXPECT_EQ(w.sound->Count("PlayClickSound"), 0);
}

TEST_F(MapTest, ALegendEntryUnderThePointerRingsItsKind) {
    ClearMap();
    Place(skNeostrada, 200, 150);
    Place(skIsdn, 400, 300);
    TLegendHover* hover = w.legendHover;
    auto moveTo = [&](const QPoint& at) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(hover->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(hover, &move);
    };
    const int ring = kIconOffset + kHighlightMargin;
    moveTo(hover->Row(skNeostrada).center());
    EXPECT_EQ(w.paintboxMapa->HighlightKind(), skNeostrada);
    QImage shot = Grab(w.paintboxMapa);
    EXPECT_EQ(shot.pixelColor(200 - ring, 150), kHighlightColour);
    EXPECT_NE(shot.pixelColor(400 - ring, 300), kHighlightColour);

    // The name of the booth row, two pixels below its icon, counts too.
    moveTo(hover->Row(skBooth).bottomLeft() + QPoint(30, 0));
    EXPECT_EQ(w.paintboxMapa->HighlightKind(), skBooth);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(hover, &leave);
    EXPECT_EQ(w.paintboxMapa->HighlightKind(), 0);
    shot = Grab(w.paintboxMapa);
    EXPECT_EQ(shot.pixelColor(200 - ring, 150), MapPixel(200 - ring, 150));
}

TEST_F(MapTest, ABurstOfAdditionsPaintsTheMapOnce) {
    QTest::qWait(20);
    const long before = w.paintboxMapa->PaintCount();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 1100; ++i) Build().AddSubscriber(skPhone);
    QTest::qWait(20);
    EXPECT_EQ(w.paintboxMapa->PaintCount(), before + 1);

    // Nothing changed, nothing painted.
    QTest::qWait(50);
    EXPECT_EQ(w.paintboxMapa->PaintCount(), before + 1);
}

TEST_F(MapTest, AHiddenMapIsNotPainted) {
    w.PageControl->SetActivePage(kPageStat);
    QTest::qWait(20);
    const long before = w.paintboxMapa->PaintCount();
    for (int i = 0; i < 50; ++i) Build().AddSubscriber(skIsdn);
    QTest::qWait(20);
    EXPECT_EQ(w.paintboxMapa->PaintCount(), before);
}

}  // namespace
}  // namespace dzwonex::uitest
