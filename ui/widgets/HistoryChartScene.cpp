#include "HistoryChartScene.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QFontMetricsF>
#include <QLocale>

namespace dzwonex {

namespace {

constexpr double kMargin = 2;
constexpr double kLabelGap = 4;  // between an axis and its labels
constexpr double kTickLength = 3;
constexpr double kXLabelSpacing = 8;  // at least this between two x labels
constexpr double kYTickSpacing = 30;  // about a y tick every this many pixels
constexpr double kSwatchWidth = 14;
constexpr double kLegendGap = 12;
constexpr int64_t kMonthsAtMost = 36;  // longer spans count years

// A value a line can draw: a broken one (from a damaged save) lies on zero.
double Drawable(double value) { return std::isfinite(value) ? value : 0; }

QString Number(double value, Language language, int decimals = 0) {
    const QLocale locale(language == Language::Polish ? QLocale::Polish : QLocale::English);
    if (decimals > 0) return locale.toString(value, 'f', decimals);
    return locale.toString(static_cast<qlonglong>(std::llround(value)));
}

// A value axis: its ends and the step between its ticks.
struct ValueAxis {
    double low = 0, high = 1, step = 1;
    int Ticks() const { return static_cast<int>(std::lround((high - low) / step)) + 1; }
    double Tick(int i) const {
        const double v = low + i * step;
        return std::abs(v) < step / 1e6 ? 0 : v;  // never "-0"
    }
    // A tick's value as its label shows it: as many decimals as the step has.
    QString Label(int i, Language language) const {
        return Number(Tick(i), language, std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9))));
    }
};

// The least step of 1, 2 or 5 times a power of ten not below `rough` (and
// not below a tenth), and the next one.
double RoundStep(double rough) {
    const double power = std::pow(10.0, std::floor(std::log10(std::max(0.1, rough))));
    for (double m : {1.0, 2.0, 5.0})
        if (m * power >= rough) return m * power;
    return 10 * power;
}
double NextStep(double step) { return RoundStep(step * 1.5); }

// An axis from `low` to `high` widened to whole steps of 1, 2 or 5 times a
// power of ten, zero always on it, in about `intervals` steps.
ValueAxis RoundAxis(double low, double high, int intervals) {
    low = std::min(low, 0.0);
    high = std::max(high, 0.0);
    high = std::max(high, low + 1);  // a flat line gets some room
    const double step = RoundStep((high - low) / std::max(1, intervals));
    ValueAxis axis{std::floor(low / step) * step, std::ceil(high / step) * step, step};
    if (axis.high <= axis.low) axis.high = axis.low + step;
    return axis;
}

// A second axis whose ticks fall on the first one's grid lines: as many
// steps, each a round one.
ValueAxis MatchingAxis(double low, double high, const ValueAxis& other) {
    low = std::min(low, 0.0);
    high = std::max(high, 0.0);
    high = std::max(high, low + 1);
    const double intervals = std::round((other.high - other.low) / other.step);
    for (double step = RoundStep((high - low) / intervals);; step = NextStep(step)) {
        const double first = std::floor(low / step) * step;
        if (first + intervals * step >= high || !std::isfinite(step)) return {first, first + intervals * step, step};
    }
}

// The lowest and highest value of the lines on one side, over every sample.
void Range(const History& history, const std::vector<ChartLineSpec>& lines, ChartSide side, double scale, double& low,
           double& high) {
    for (const ChartLineSpec& line : lines) {
        if (line.side != side) continue;
        history.ForEach([&](const HistorySample& s) {
            const double v = Drawable(line.value(s)) / scale;
            low = std::min(low, v);
            high = std::max(high, v);
        });
    }
}

// The x axis's ticks: months early in a game, whole years once they fit.
struct TimeAxis {
    int64_t stepMonths = 1;
    std::vector<int64_t> months;  // the ticks, in months since the game's start
};

QString TimeLabel(const ChartRequest& r, int64_t month, int64_t stepMonths) {
    const QString year = Number(static_cast<double>(month / 12 + 1), r.language);
    if (stepMonths >= 12) return year;
    return month % 12 == 0 ? r.yearTick.arg(year) : Number(static_cast<double>(month % 12 + 1), r.language);
}

TimeAxis PickTimeAxis(const ChartRequest& r, const QFontMetricsF& fm, double first, double last, double pixels) {
    const int64_t firstMonth = std::llround((first - 1) * 12);
    const int64_t lastMonth = static_cast<int64_t>(std::floor((last - 1) * 12));
    const double pixelsPerMonth = pixels / ((last - first) * 12);
    const double widestMonth = std::max(fm.horizontalAdvance(r.yearTick.arg(Number(lastMonth / 12 + 1, r.language))),
                                        fm.horizontalAdvance(QStringLiteral("12")));
    const double widestYear = fm.horizontalAdvance(Number(lastMonth / 12 + 1, r.language));
    TimeAxis axis{0, {}};
    // Months by 1, 2, 3 and 6 in the first three years of a span, then
    // years by 1, 2 and 5 times a power of ten.
    for (int64_t step : {1, 2, 3, 6}) {
        if (lastMonth - firstMonth >= kMonthsAtMost) break;
        if (step * pixelsPerMonth >= widestMonth + kXLabelSpacing) {
            axis.stepMonths = step;
            break;
        }
    }
    for (int64_t years = 1; axis.stepMonths == 0; years *= 10)
        for (int64_t m : {1, 2, 5}) {
            const int64_t step = 12 * m * years;
            if (step * pixelsPerMonth >= widestYear + kXLabelSpacing || step > lastMonth - firstMonth) {
                axis.stepMonths = step;
                break;
            }
        }
    const auto step = static_cast<double>(axis.stepMonths);
    for (auto m = static_cast<int64_t>(std::ceil(static_cast<double>(firstMonth) / step) * step); m <= lastMonth;
         m += axis.stepMonths)
        axis.months.push_back(m);
    return axis;
}

// A text's box with its left, right or centre at `x` and its top at `top`.
ChartText Text(const QFontMetricsF& fm, const QString& text, double x, double top, Qt::Alignment align) {
    const double width = fm.horizontalAdvance(text);
    const double left = align & Qt::AlignRight ? x - width : align & Qt::AlignHCenter ? x - width / 2 : x;
    return {QRectF(left, top, width, fm.height()), text, align | Qt::AlignVCenter};
}

// The legend's entries in rows as wide as the chart, each row centred.
std::vector<ChartLegendEntry> LayOutLegend(const std::vector<std::pair<QString, QColor>>& entries,
                                           const QFontMetricsF& fm, double width, double& height) {
    std::vector<ChartLegendEntry> out;
    std::vector<std::vector<ChartLegendEntry>> rows(1);
    double x = 0;
    for (const auto& [name, colour] : entries) {
        const double textWidth = fm.horizontalAdvance(name);
        const double entry = kSwatchWidth + 3 + textWidth;
        if (x > 0 && x + entry > width) {
            rows.emplace_back();
            x = 0;
        }
        ChartLegendEntry e;
        e.swatch = QRectF(x, fm.height() / 2 - 1.5, kSwatchWidth, 3);
        e.colour = colour;
        e.name = {QRectF(x + kSwatchWidth + 3, 0, textWidth, fm.height()), name, Qt::AlignLeft | Qt::AlignVCenter};
        rows.back().push_back(e);
        x += entry + kLegendGap;
    }
    height = static_cast<double>(rows.size()) * (fm.height() + 1);
    for (size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].empty()) continue;
        const double used = rows[r].back().name.box.right();
        const QPointF shift(std::max(0.0, (width - used) / 2), static_cast<double>(r) * (fm.height() + 1));
        for (ChartLegendEntry& e : rows[r]) {
            e.swatch.translate(shift);
            e.name.box.translate(shift);
            out.push_back(e);
        }
    }
    return out;
}

// Splits a line at its crossings of zero: its runs at or above zero and
// its runs below.
void SplitAtZero(ChartDrawnLine& line) {
    int current = -1;
    auto put = [&](bool below, QPointF from, QPointF to) {
        std::vector<QPolygonF>& runs = below ? line.below : line.above;
        if (current != static_cast<int>(below)) {
            runs.push_back(QPolygonF{from});
            current = below;
        }
        runs.back() << to;
    };
    const QPolygonF& d = line.data;
    const QPolygonF& p = line.pixels;
    if (d.size() == 1) put(d[0].y() < 0, p[0], p[0]);
    for (qsizetype i = 1; i < d.size(); ++i) {
        const double a = d[i - 1].y(), b = d[i].y();
        if ((a < 0 && b > 0) || (a > 0 && b < 0)) {
            const QPointF zero = p[i - 1] + (p[i] - p[i - 1]) * (a / (a - b));
            put(a < 0, p[i - 1], zero);
            put(b < 0, zero, p[i]);
        } else {
            put(a < 0 || b < 0, p[i - 1], p[i]);
        }
    }
}

}  // namespace

std::vector<ChartText> ChartScene::Texts() const {
    std::vector<ChartText> all;
    for (const auto* labels : {&xLabels, &leftLabels, &rightLabels})
        all.insert(all.end(), labels->begin(), labels->end());
    for (const ChartText* title : {&xTitle, &leftTitle, &rightTitle})
        if (!title->text.isEmpty()) all.push_back(*title);
    for (const ChartLegendEntry& e : legend) all.push_back(e.name);
    return all;
}

QPolygonF ThinToColumns(const History& history, const std::function<double(const HistorySample&)>& value, double scale,
                        double first, double last, double left, double width) {
    QPolygonF out;
    if (history.Empty()) return out;
    const double span = last - first;
    int64_t column = std::numeric_limits<int64_t>::min();
    QPointF low, high, earliest, latest;
    size_t lowAt = 0, highAt = 0, index = 0;
    auto flush = [&] {
        if (column == std::numeric_limits<int64_t>::min()) return;
        if (lowAt == highAt) {
            out << low;
        } else if (lowAt < highAt) {
            out << low << high;
        } else {
            out << high << low;
        }
    };
    history.ForEach([&](const HistorySample& s) {
        const QPointF p(ChartYear(s.day), Drawable(value(s)) / scale);
        const auto at = static_cast<int64_t>(std::floor(left + (span > 0 ? (p.x() - first) / span * width : 0)));
        if (at != column) {
            flush();
            column = at;
            low = high = p;
            lowAt = highAt = index;
        } else if (p.y() < low.y()) {
            low = p;
            lowAt = index;
        } else if (p.y() > high.y()) {
            high = p;
            highAt = index;
        }
        if (index == 0) earliest = p;
        latest = p;
        ++index;
    });
    flush();
    // The line spans the whole game.
    if (out.front().x() != earliest.x()) out.prepend(earliest);
    if (out.back().x() != latest.x()) out.append(latest);
    return out;
}

ChartScene LayOutChart(const ChartRequest& r, const History* history) {
    ChartScene scene;
    const QFontMetricsF label(r.labelFont), title(r.titleFont), legend(r.legendFont);
    const double lh = label.height(), th = title.height();
    const bool hasRight = !r.rightTitle.isEmpty();

    // The x range: from the start of the first sample's month to the last
    // sample, at least a month.
    int32_t firstDay = 0, lastDay = 0;
    if (history && !history->Empty()) {
        history->ForEach([&, seen = false](const HistorySample& s) mutable {
            if (!seen) firstDay = s.day;
            seen = true;
        });
        lastDay = history->Latest().day;
    }
    const double firstMonth = std::floor(firstDay / kChartDaysPerMonth);
    scene.xFirst = 1 + firstMonth / 12;
    scene.xLast = std::max(ChartYear(lastDay), scene.xFirst + 1.0 / 12);

    // The value ranges, and the unit of money.
    double scale = 1;
    double leftLow = 0, leftHigh = 0, rightLow = 0, rightHigh = 0;
    if (history && !history->Empty()) {
        if (r.leftIsMoney) {
            double most = 0;
            for (const ChartLineSpec& line : r.lines)
                if (line.side == ChartSide::left)
                    history->ForEach([&](const HistorySample& s) { most = std::max(most, std::abs(line.value(s))); });
            scene.millions = most >= static_cast<double>(kChartMillionsFrom);
            scale = scene.millions ? 1e6 : 1e3;
        }
        Range(*history, r.lines, ChartSide::left, scale, leftLow, leftHigh);
        Range(*history, r.lines, ChartSide::right, 1, rightLow, rightHigh);
    } else if (r.leftIsMoney) {
        scale = 1e3;
    }

    // Top to bottom: the y titles, the plot, the x labels, the x title, the legend.
    std::vector<std::pair<QString, QColor>> entries;
    for (const ChartLineSpec& line : r.lines) {
        entries.emplace_back(line.name, line.colour);
        if (line.redBelowZero) entries.emplace_back(r.belowZero, r.belowZeroColour);
    }
    double legendHeight = 0;
    scene.legend = LayOutLegend(entries, legend, r.width - 2 * kMargin, legendHeight);
    const double legendTop = r.height - kMargin - legendHeight;
    for (ChartLegendEntry& e : scene.legend) {
        e.swatch.translate(kMargin, legendTop);
        e.name.box.translate(kMargin, legendTop);
    }
    const double xTitleTop = legendTop - 3 - th;
    const double xLabelTop = xTitleTop - 1 - lh;
    const double plotTop = kMargin + th + 3 + lh / 2;
    const double plotBottom = std::max(plotTop + 1, xLabelTop - std::max(kTickLength + 1, lh / 2 + 2));

    const int intervals = std::clamp(static_cast<int>((plotBottom - plotTop) / kYTickSpacing), 1, 10);
    const ValueAxis left = RoundAxis(leftLow, leftHigh, intervals);
    const ValueAxis right = MatchingAxis(rightLow, rightHigh, left);
    scene.leftLow = left.low;
    scene.leftHigh = left.high;
    scene.rightLow = right.low;
    scene.rightHigh = right.high;
    auto widest = [&](const ValueAxis& axis) {
        double w = 0;
        for (int i = 0; i < axis.Ticks(); ++i) w = std::max(w, label.horizontalAdvance(axis.Label(i, r.language)));
        return w;
    };
    const double leftWidth = widest(left) + kLabelGap;
    const double rightWidth = hasRight ? widest(right) + kLabelGap : 0;
    // Room for half the first x label left of the plot, too.
    const double firstLabel =
        label.horizontalAdvance(r.yearTick.arg(Number(std::floor(firstMonth / 12) + 1, r.language)));
    const double plotLeft = kMargin + std::max(leftWidth, firstLabel / 2);
    const double plotRight = std::max(plotLeft + 1, r.width - kMargin - std::max(rightWidth, 6.0));
    // On whole pixels, so the axes are crisp and a column is a pixel.
    scene.plot = QRectF(QPointF(std::round(plotLeft), std::round(plotTop)),
                        QPointF(std::round(plotRight), std::round(plotBottom)));
    const QRectF& plot = scene.plot;

    auto xPixel = [&](double year) {
        return plot.left() + (year - scene.xFirst) / (scene.xLast - scene.xFirst) * plot.width();
    };
    auto yPixel = [&](const ValueAxis& axis, double v) {
        return plot.bottom() - (v - axis.low) / (axis.high - axis.low) * plot.height();
    };
    scene.zeroY = yPixel(left, 0);

    // The y axes' ticks and labels.
    auto valueTicks = [&](const ValueAxis& axis, std::vector<double>& ticks, std::vector<ChartText>& labels,
                          bool onLeft) {
        for (int i = 0; i < axis.Ticks(); ++i) {
            const double y = yPixel(axis, axis.Tick(i));
            ticks.push_back(y);
            labels.push_back(
                onLeft ? Text(label, axis.Label(i, r.language), plot.left() - kLabelGap, y - lh / 2, Qt::AlignRight)
                       : Text(label, axis.Label(i, r.language), plot.right() + kLabelGap, y - lh / 2, Qt::AlignLeft));
        }
    };
    valueTicks(left, scene.leftTicks, scene.leftLabels, true);
    if (hasRight) valueTicks(right, scene.rightTicks, scene.rightLabels, false);

    // The x axis's ticks and labels; a label that would leave the chart
    // or touch the one before is left out.
    const TimeAxis time = PickTimeAxis(r, label, scene.xFirst, scene.xLast, plot.width());
    for (int64_t month : time.months) {
        const double x = xPixel(1 + static_cast<double>(month) / 12);
        scene.xTicks.push_back(x);
        ChartText text = Text(label, TimeLabel(r, month, time.stepMonths), x, xLabelTop, Qt::AlignHCenter);
        const bool fits = text.box.left() >= 0 && text.box.right() <= r.width;
        const bool clear = scene.xLabels.empty() || scene.xLabels.back().box.right() + 2 < text.box.left();
        if (fits && clear) scene.xLabels.push_back(text);
    }

    // The titles: the units above their axes, the time under its own.
    const double titleRoom = hasRight ? (r.width - 2 * kMargin - 8) / 2 : r.width - 2 * kMargin;
    auto titleText = [&](const QString& text, double x, Qt::Alignment align) {
        return Text(title, title.elidedText(text, Qt::ElideRight, titleRoom), x, kMargin, align);
    };
    scene.leftTitle =
        titleText(r.leftIsMoney ? (scene.millions ? r.millions : r.thousands) : r.leftTitle, kMargin, Qt::AlignLeft);
    if (hasRight) scene.rightTitle = titleText(r.rightTitle, r.width - kMargin, Qt::AlignRight);
    scene.xTitle =
        Text(title, time.stepMonths >= 12 ? r.years : r.months, plot.center().x(), xTitleTop, Qt::AlignHCenter);

    // The lines, at most the lowest and highest sample of a pixel column.
    if (history && !history->Empty()) {
        for (const ChartLineSpec& spec : r.lines) {
            ChartDrawnLine line;
            line.name = spec.name;
            line.colour = spec.colour;
            line.side = spec.side;
            const bool onLeft = spec.side == ChartSide::left;
            line.data = ThinToColumns(*history, spec.value, onLeft ? scale : 1, scene.xFirst, scene.xLast, plot.left(),
                                      plot.width());
            line.pixels.reserve(line.data.size());
            for (const QPointF& d : line.data)
                line.pixels << QPointF(xPixel(d.x()), yPixel(onLeft ? left : right, d.y()));
            if (spec.redBelowZero) SplitAtZero(line);
            scene.lines.push_back(std::move(line));
        }
    }
    return scene;
}

}  // namespace dzwonex
