#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include <QColor>
#include <QFont>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include "History.h"
#include "Language.h"

namespace dzwonex {

// The x axis counts game years: 1 + day / 360, so a whole number is the
// first day of that year, as the date line counts them.
constexpr double kChartDaysPerYear = 360;
constexpr double kChartDaysPerMonth = 30;
inline double ChartYear(int32_t day) { return 1 + day / kChartDaysPerYear; }

// The cash axis counts millions of złoty from this much cash (either sign)
// on, thousands below it.
constexpr int64_t kChartMillionsFrom = 10'000'000;

enum class ChartSide { left, right };

// One line of a chart: what it reads from a sample, its colour and axis.
struct ChartLineSpec {
    QString name;
    QColor colour;
    ChartSide side = ChartSide::left;
    std::function<double(const HistorySample&)> value;
    bool redBelowZero = false;  // its stretches below zero in red
};

// Everything a group's chart needs besides the history, its words already
// in the language shown.
struct ChartRequest {
    double width = 0;
    double height = 0;
    std::vector<ChartLineSpec> lines;
    QString leftTitle;   // empty on a money axis: its unit is the title
    QString rightTitle;  // empty: no right axis
    bool leftIsMoney = false;
    QString thousands, millions;  // the money axis's units
    QString years, months;        // the x axis's titles
    QString yearTick;             // "rok %1": a year's start among months
    QString belowZero;            // the legend's name for the red stretches
    QColor belowZeroColour;
    Language language = Language::Polish;
    QFont labelFont, titleFont, legendFont;
};

// A text and the box it is drawn in.
struct ChartText {
    QRectF box;
    QString text;
    Qt::Alignment align = Qt::AlignCenter;
};

struct ChartDrawnLine {
    QString name;
    QColor colour;
    ChartSide side = ChartSide::left;
    QPolygonF data;    // x in years, y in the axis's unit, oldest first
    QPolygonF pixels;  // the same points on the widget
    // Where the line is drawn in its own colour and where in red: runs of
    // pixels split where the line crosses zero (a red line only).
    std::vector<QPolygonF> above, below;
};

struct ChartLegendEntry {
    QRectF swatch;
    QColor colour;
    ChartText name;
};

// What the chart draws at one size, worked out from the history alone:
// the widget paints it, the tests read it.
struct ChartScene {
    QRectF plot;
    double xFirst = 1, xLast = 1;  // years at the plot's left and right
    double leftLow = 0, leftHigh = 1, rightLow = 0, rightHigh = 1;
    std::vector<double> xTicks, leftTicks, rightTicks;  // pixel positions
    std::vector<ChartText> xLabels, leftLabels, rightLabels;
    ChartText xTitle, leftTitle, rightTitle;
    std::vector<ChartDrawnLine> lines;
    std::vector<ChartLegendEntry> legend;
    bool millions = false;  // the money axis counts millions
    double zeroY = 0;       // the left axis's zero, in pixels

    // Every text drawn, for checks that none touches another.
    std::vector<ChartText> Texts() const;
};

ChartScene LayOutChart(const ChartRequest& request, const History* history);

// The samples of one value as points (year, value / scale), with `first`
// to `last` years spread over `width` pixels from `left`: of each pixel
// column only its lowest and highest sample, in the order of their days.
// The game's first and last sample always stay.
QPolygonF ThinToColumns(const History& history, const std::function<double(const HistorySample&)>& value, double scale,
                        double first, double last, double left, double width);

}  // namespace dzwonex
