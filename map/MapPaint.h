#pragma once
#include <array>
#include <functional>

#include <QImage>
#include <QWidget>

#include "Company.h"

namespace dzwonex {

// The pictures the map is drawn from: the decoded city map and one 16 x 16
// icon per subscriber kind, already with white turned transparent.
struct MapPictures {
    QImage map;
    std::array<QImage, kKindCount> icons;
};

// Turns every pure white pixel of an icon transparent; the rest is kept
// opaque. The result is premultiplied ARGB, the fastest format to draw.
QImage WhiteTransparent(const QImage& icon);

// Icons are drawn with their top-left 8 px left of and above their point.
inline constexpr int kIconOffset = 8;
inline constexpr int kIconSize = 16;

// Draws the part of the map inside `exposed`: the picture first, then the
// icons of kinds 1 to 6, each kind in list order, so booths lie on top of
// everything and a later point covers an earlier one.
void PaintMap(QPainter& painter, const QRect& exposed, const MapPictures& pictures, const Company& game);

// paintboxMapa: as large as the map picture, inside the scroll box. It only
// draws and reports presses; what a press means is the game's business.
class TMapPaintBox : public QWidget {
    Q_OBJECT
public:
    TMapPaintBox(const MapPictures& pictures, const Company& game, QWidget* parent = nullptr);

    // Runs before each paint; the window decodes the picture here when it
    // has not yet done so.
    std::function<void()> BeforePaint;

    // Paints counted since construction; lets tests see merged repaints.
    long PaintCount() const { return paintCount_; }

    // Rings the points of one kind 1..6 (the legend entry under the
    // pointer); 0 rings none.
    void SetHighlightKind(int kind);
    int HighlightKind() const { return highlightKind_; }

signals:
    // Any mouse button, in map picture pixels.
    void MouseDown(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const MapPictures& pictures_;
    const Company& game_;
    long paintCount_ = 0;
    int highlightKind_ = 0;
};

// The ring around a picked-out point: a square this much larger than an
// icon on each side, in this colour.
inline constexpr int kHighlightMargin = 3;
inline const QColor kHighlightColour{230, 0, 120};

// Rings every point of the kind that touches `exposed`.
void PaintHighlight(QPainter& painter, const QRect& exposed, const Company& game, int kind);

// paintboxLegenda: the column of the six kind icons beside their names.
class TLegendPaintBox : public QWidget {
    Q_OBJECT
public:
    TLegendPaintBox(const MapPictures& pictures, QWidget* parent = nullptr);

    // Top of each kind's icon in the column. The last two stand two pixels
    // above their labels, as they always have.
    static constexpr std::array<int, kKindCount> kIconTops = {0, 16, 32, 48, 78, 110};

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const MapPictures& pictures_;
};

}  // namespace dzwonex
