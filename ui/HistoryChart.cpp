#include "HistoryChart.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include "Controls.h"
#include "History.h"

namespace dzwonex {

namespace {

constexpr double kDaysPerYear = 360;
const QColor kCashColour{29, 107, 47};
const QColor kBelowZero{200, 30, 30};
// The icons' colours, so a line reads like the map.
const QColor kKindColours[kKindCount] = {
    {31, 95, 191}, {224, 123, 0}, {123, 47, 160}, {0, 143, 143}, {139, 26, 26}, {181, 154, 0},
};
// The product names are the same in every language.
const char* const kKindNames[kKindCount] = {
    QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Telefon/modem"), "ISDN", "SDI", "Neostrada", "Polpak-T",
    QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Budki")};
const char* const kCaptions[THistoryChart::kGroupCount] = {
    QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Kasa"),
    QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Opinia i jakość"),
    QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Abonenci"),
};
const char* const kViewNames[THistoryChart::kGroupCount] = {
    QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Wykres kasy"),
    QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Wykres opinii i jakości"),
    QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Wykres abonentów"),
};
const char* const kViewDescriptions[THistoryChart::kGroupCount] = {
    QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Kasa od początku gry, rok po roku"),
    QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Opinia i jakość od początku gry, rok po roku"),
    QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Abonenci każdego rodzaju od początku gry, rok po roku"),
};

QFont SmallFont(int pixels, bool bold = false) {
    QFont font = WindowFont(bold);
    font.setPixelSize(pixels);
    return font;
}

// A year axis with a round step: whole years once the game is long enough.
void SetYears(QValueAxis* axis, double first, double last) {
    last = std::max(last, first + 30 / kDaysPerYear);
    const double span = last - first;
    double step = 0.25;
    for (double s : {0.25, 0.5, 1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0, 200.0, 500.0}) {
        step = s;
        if (span / s <= 6) break;
    }
    // Every change redraws the lines, so only real changes are made.
    if (axis->tickType() != QValueAxis::TicksDynamic) {
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(1);
    }
    if (axis->tickInterval() != step) {
        axis->setTickInterval(step);
        axis->setLabelFormat(step >= 1     ? QStringLiteral("%.0f")
                             : step >= 0.5 ? QStringLiteral("%.1f")
                                           : QStringLiteral("%.2f"));
    }
    if (axis->min() != first || axis->max() != last) axis->setRange(first, last);
}

// A value axis over [low, high] widened to round ends, with a tick at each
// step of 1, 2 or 5 times a power of ten; a flat line gets some room.
void SetValues(QValueAxis* axis, double low, double high) {
    if (!(low <= high)) low = high = 0;
    if (high - low < 1) {
        low -= 1;
        high += 1;
    }
    const double rough = (high - low) / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (double m : {1.0, 2.0, 5.0})
        if (m * power >= rough) {
            step = m * power;
            break;
        }
    low = std::floor(low / step) * step;
    high = std::ceil(high / step) * step;
    const int ticks = static_cast<int>(std::lround((high - low) / step)) + 1;
    if (axis->tickCount() != ticks) axis->setTickCount(ticks);
    const QString format = step < 1 ? QStringLiteral("%.1f") : QStringLiteral("%.0f");
    if (axis->labelFormat() != format) axis->setLabelFormat(format);
    if (axis->min() != low || axis->max() != high) axis->setRange(low, high);
}

// The samples of one value, at most two a column of the plot: where a
// column holds more, its lowest and highest in their order. The first and
// the last sample always stay, so the line spans the whole game.
template <typename Value>
QList<QPointF> Thin(const History& history, double first, double span, int columns, Value value) {
    QList<QPointF> out;
    out.reserve(std::min<qsizetype>(static_cast<qsizetype>(history.Size()), 2 * columns + 2));
    int bucket = -1;
    int count = 0;
    QPointF a, b, low, high, earliest, latest;
    int lowAt = 0, highAt = 0, index = 0;
    auto flush = [&] {
        if (count <= 2) {
            if (count >= 1) out.append(a);
            if (count == 2) out.append(b);
        } else if (lowAt == highAt) {
            out.append(low);
        } else {
            out.append(lowAt < highAt ? low : high);
            out.append(lowAt < highAt ? high : low);
        }
    };
    history.ForEach([&](const HistorySample& s) {
        const QPointF p(1 + s.day / kDaysPerYear, value(s));
        const int at = span > 0 ? std::min(columns - 1, static_cast<int>((p.x() - first) / span * columns)) : 0;
        if (at != bucket) {
            flush();
            bucket = at;
            count = 0;
        }
        if (count == 0) {
            a = low = high = p;
            lowAt = highAt = index;
        } else {
            if (count == 1) b = p;
            if (p.y() < low.y()) low = p, lowAt = index;
            if (p.y() > high.y()) high = p, highAt = index;
        }
        if (index == 0) earliest = p;
        latest = p;
        ++count;
        ++index;
    });
    flush();
    if (index > 0) {
        if (out.front() != earliest) out.prepend(earliest);
        if (out.back() != latest) out.append(latest);
    }
    return out;
}

}  // namespace

THistoryChart::THistoryChart(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    auto* group = new QButtonGroup(this);
    const char* const names[kGroupCount] = {"btnWykresKasa", "btnWykresOpinia", "btnWykresAbonenci"};
    for (int g = 0; g < kGroupCount; ++g) {
        auto* b = new QPushButton(tr(kCaptions[g]), this);
        b->setObjectName(QString::fromLatin1(names[g]));
        b->setCheckable(true);
        b->setAutoDefault(false);
        b->setFixedHeight(21);
        group->addButton(b, g);
        row->addWidget(b);
        buttons_[static_cast<size_t>(g)] = b;
    }
    layout->addLayout(row);

    stack_ = new QStackedWidget(this);
    layout->addWidget(stack_, 1);
    connect(group, &QButtonGroup::idClicked, this, &THistoryChart::SetGroup);
    buttons_[gCash]->setChecked(true);
}

QChartView* THistoryChart::View(int g) {
    QChartView*& view = views_[static_cast<size_t>(g)];
    if (view) return view;
    view = new QChartView(NewChart(g), stack_);
    view->setObjectName(QStringLiteral("chartWykres%1").arg(g));
    view->setFrameShape(QFrame::NoFrame);
    view->setRenderHint(QPainter::Antialiasing, true);
    view->setFocusPolicy(Qt::NoFocus);
    stack_->addWidget(view);
    AddSeries(g);
    RetranslateView(g);
    return view;
}

void THistoryChart::RetranslateUi() {
    static const char* const kButtonNames[kGroupCount] = {
        QT_TR_NOOP("Wykres kasy"), QT_TR_NOOP("Wykres opinii i jakości"), QT_TR_NOOP("Wykres abonentów")};
    static const char* const kButtonDescriptions[kGroupCount] = {
        QT_TR_NOOP("Pokazuje historię kasy"), QT_TR_NOOP("Pokazuje historię opinii i jakości"),
        QT_TR_NOOP("Pokazuje historię liczby abonentów każdego rodzaju")};
    for (int g = 0; g < kGroupCount; ++g) {
        QPushButton* button = buttons_[static_cast<size_t>(g)];
        button->setText(tr(kCaptions[g]));
        button->setAccessibleName(tr(kButtonNames[g]));
        button->setAccessibleDescription(tr(kButtonDescriptions[g]));
        if (views_[static_cast<size_t>(g)]) RetranslateView(g);
    }
}

QString THistoryChart::CashUnit() const { return cashInMillions_ ? tr("mln zł") : tr("tys. zł"); }

void THistoryChart::RetranslateView(int g) {
    QChartView* view = views_[static_cast<size_t>(g)];
    view->setAccessibleName(tr(kViewNames[g]));
    view->setAccessibleDescription(tr(kViewDescriptions[g]));
    const Axes& axes = axes_[static_cast<size_t>(g)];
    axes.x->setTitleText(tr("Rok"));
    switch (g) {
        case gCash:
            axes.y->setTitleText(CashUnit());
            cash_->setName(tr("Kasa"));
            negative_->setName(tr("poniżej zera"));
            break;
        case gOpinion:
            axes.y->setTitleText(tr("Opinia"));
            axes.y2->setTitleText(tr("Jakość"));
            opinion_->setName(tr("Opinia"));
            quality_->setName(tr("Jakość"));
            break;
        case gSubscribers:
            // The many telephone lines on the left, the few others on the right.
            axes.y->setTitleText(tr("telefony i ISDN"));
            axes.y2->setTitleText(tr("pozostałe"));
            for (int k = 0; k < kKindCount; ++k) counts_[static_cast<size_t>(k)]->setName(tr(kKindNames[k]));
            break;
    }
}

QChart* THistoryChart::NewChart(int g) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(SmallFont(10));
    Axes& axes = axes_[static_cast<size_t>(g)];
    // Their titles come with the words (RetranslateView).
    auto axis = [&](Qt::Alignment where) {
        auto* a = new QValueAxis(chart);
        a->setLabelsFont(SmallFont(9));
        a->setTitleFont(SmallFont(9, true));
        chart->addAxis(a, where);
        return a;
    };
    axes.x = axis(Qt::AlignBottom);
    axes.y = axis(Qt::AlignLeft);
    if (g != gCash) axes.y2 = axis(Qt::AlignRight);
    // One grid, the left axis's.
    if (axes.y2) axes.y2->setGridLineVisible(false);
    return chart;
}

QLineSeries* THistoryChart::AddLine(int g, const QColor& colour, QValueAxis* y) {
    QChart* chart = views_[static_cast<size_t>(g)]->chart();
    auto* series = new QLineSeries;
    QPen pen(colour);
    pen.setWidthF(1.0);
    series->setPen(pen);
    chart->addSeries(series);
    series->attachAxis(axes_[static_cast<size_t>(g)].x);
    series->attachAxis(y);
    return series;
}

int THistoryChart::PointCount() const { return cash_ ? static_cast<int>(cash_->count()) : 0; }

void THistoryChart::AddSeries(int g) {
    const Axes& axes = axes_[static_cast<size_t>(g)];
    switch (g) {
        case gCash: {
            cash_ = AddLine(g, kCashColour, axes.y);
            // In red over the cash line: the zero level, and the cash below it.
            negative_ = AddLine(g, kBelowZero, axes.y);
            QPen red = negative_->pen();
            red.setWidthF(2);
            negative_->setPen(red);
            break;
        }
        case gOpinion:
            opinion_ = AddLine(g, kKindColours[0], axes.y);
            quality_ = AddLine(g, kKindColours[1], axes.y2);
            break;
        case gSubscribers:
            for (int k = 0; k < kKindCount; ++k)
                counts_[static_cast<size_t>(k)] = AddLine(g, kKindColours[k], k < 2 ? axes.y : axes.y2);
            break;
    }
}

void THistoryChart::Show(const History& history) {
    history_ = &history;
    stale_.fill(true);
    if (isVisible()) Fill(current_);
}

void THistoryChart::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    SetGroup(current_);
}

void THistoryChart::SetGroup(int group) {
    if (group < 0 || group >= kGroupCount) return;
    current_ = group;
    buttons_[static_cast<size_t>(group)]->setChecked(true);
    if (!isVisible()) return;
    stack_->setCurrentWidget(View(group));
    if (history_ && stale_[static_cast<size_t>(group)]) Fill(group);
}

void THistoryChart::Fill(int group) {
    const History& history = *history_;
    stale_[static_cast<size_t>(group)] = false;
    if (history.Empty()) return;
    double first = 0;
    history.ForEach([&, seen = false](const HistorySample& s) mutable {
        if (!seen) first = 1 + s.day / kDaysPerYear;
        seen = true;
    });
    const double last = 1 + history.Latest().day / kDaysPerYear;
    // About a point a pixel is all a line can show: at most two for every
    // two pixels of the plot's width.
    QChart* chart = View(group)->chart();
    const double width = chart->plotArea().width() > 0 ? chart->plotArea().width() : chart->size().width();
    const int columns = std::max(16, static_cast<int>(width / 2));
    const double span = last - first;
    auto thin = [&](auto value) { return Thin(history, first, span, columns, value); };
    auto range = [](const QList<QPointF>& points, double& low, double& high) {
        for (const QPointF& p : points) {
            low = std::min(low, p.y());
            high = std::max(high, p.y());
        }
    };
    const Axes& axes = axes_[static_cast<size_t>(group)];
    // The axes first: a change of range redraws the lines still holding
    // the last day's points, which are about as many.
    switch (group) {
        case gCash: {
            // Thousands of złoty, or millions once the amounts run that high.
            int64_t most = 0;
            history.ForEach([&](const HistorySample& s) { most = std::max(most, std::abs(int64_t{s.cash})); });
            cashInMillions_ = most >= 10000000;
            const double unit = cashInMillions_ ? 1e6 : 1e3;
            if (const QString title = CashUnit(); axes.y->titleText() != title) axes.y->setTitleText(title);
            const QList<QPointF> cash = thin([unit](const HistorySample& s) { return s.cash / unit; });
            // The red line runs along zero and follows the cash below it;
            // where cash is above zero only the ends of the stretch stay.
            QList<QPointF> negative;
            for (qsizetype i = 0; i < cash.size(); ++i) {
                const QPointF p(cash[i].x(), std::min(cash[i].y(), 0.0));
                const bool flat =
                    p.y() == 0 && i > 0 && i + 1 < cash.size() && cash[i - 1].y() >= 0 && cash[i + 1].y() >= 0;
                if (!flat) negative.append(p);
            }
            double low = 0, high = 0;
            range(cash, low, high);
            SetYears(axes.x, first, last);
            SetValues(axes.y, low, high);
            cash_->replace(cash);
            negative_->replace(negative);
            break;
        }
        case gOpinion: {
            const QList<QPointF> opinion = thin([](const HistorySample& s) { return double{s.opinion}; });
            const QList<QPointF> quality = thin([](const HistorySample& s) { return double{s.quality}; });
            double opinionLow = 0, opinionHigh = 0, qualityLow = 0, qualityHigh = 0;
            range(opinion, opinionLow, opinionHigh);
            range(quality, qualityLow, qualityHigh);
            SetYears(axes.x, first, last);
            SetValues(axes.y, opinionLow, opinionHigh);
            SetValues(axes.y2, qualityLow, qualityHigh);
            opinion_->replace(opinion);
            quality_->replace(quality);
            break;
        }
        case gSubscribers: {
            std::array<QList<QPointF>, kKindCount> counts;
            double low = 0, lines = 0, others = 0;
            for (size_t k = 0; k < kKindCount; ++k) {
                counts[k] = thin([k](const HistorySample& s) { return static_cast<double>(s.counts[k]); });
                range(counts[k], low, k < 2 ? lines : others);
            }
            SetYears(axes.x, first, last);
            SetValues(axes.y, 0, lines);
            SetValues(axes.y2, 0, others);
            for (size_t k = 0; k < kKindCount; ++k) counts_[k]->replace(counts[k]);
            break;
        }
    }
}

}  // namespace dzwonex
