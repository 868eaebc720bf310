#include "HistoryChart.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QAreaSeries>
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
const char* const kKindNames[kKindCount] = {"Telefon/modem", "ISDN", "SDI", "Neostrada", "Polpak-T", "Budki"};

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
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(1);
    axis->setTickInterval(step);
    axis->setLabelFormat(step >= 1     ? QStringLiteral("%.0f")
                         : step >= 0.5 ? QStringLiteral("%.1f")
                                       : QStringLiteral("%.2f"));
    axis->setRange(first, last);
}

// A value axis over [low, high] with round ends; a flat line gets some room.
void SetValues(QValueAxis* axis, double low, double high) {
    if (!(low <= high)) low = high = 0;
    if (high - low < 1) {
        low -= 1;
        high += 1;
    }
    axis->setRange(low, high);
    axis->applyNiceNumbers();
    axis->setLabelFormat(axis->max() - axis->min() < 10 ? QStringLiteral("%.1f") : QStringLiteral("%.0f"));
}

}  // namespace

THistoryChart::THistoryChart(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    auto* group = new QButtonGroup(this);
    const char* const captions[kGroupCount] = {"Kasa", "Opinia i jakość", "Abonenci"};
    const char* const names[kGroupCount] = {"btnWykresKasa", "btnWykresOpinia", "btnWykresAbonenci"};
    for (int g = 0; g < kGroupCount; ++g) {
        auto* b = new QPushButton(QString::fromUtf8(captions[g]), this);
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
    for (int g = 0; g < kGroupCount; ++g) {
        auto* view = new QChartView(NewChart(g), stack_);
        view->setObjectName(QStringLiteral("chartWykres%1").arg(g));
        view->setFrameShape(QFrame::NoFrame);
        view->setRenderHint(QPainter::Antialiasing, true);
        view->setFocusPolicy(Qt::NoFocus);
        stack_->addWidget(view);
        views_[static_cast<size_t>(g)] = view;
    }
    layout->addWidget(stack_, 1);
    AddSeries();
    connect(group, &QButtonGroup::idClicked, this, &THistoryChart::SetGroup);
    SetGroup(gCash);
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
    auto axis = [&](Qt::Alignment where, const QString& title) {
        auto* a = new QValueAxis(chart);
        a->setLabelsFont(SmallFont(9));
        a->setTitleFont(SmallFont(9, true));
        a->setTitleText(title);
        chart->addAxis(a, where);
        return a;
    };
    axes.x = axis(Qt::AlignBottom, QStringLiteral("Rok"));
    switch (g) {
        case gCash:
            axes.y = axis(Qt::AlignLeft, QStringLiteral("tys. zł"));
            break;
        case gOpinion:
            axes.y = axis(Qt::AlignLeft, QString());
            break;
        case gSubscribers:
            axes.y = axis(Qt::AlignLeft, QString::fromUtf8(kKindNames[0]));
            axes.y->setLinePenColor(kKindColours[0]);
            axes.y2 = axis(Qt::AlignRight, QStringLiteral("pozostałe"));
            break;
    }
    return chart;
}

QLineSeries* THistoryChart::AddLine(int g, const QString& name, const QColor& colour, QValueAxis* y) {
    QChart* chart = views_[static_cast<size_t>(g)]->chart();
    auto* series = new QLineSeries;
    series->setName(name);
    QPen pen(colour);
    pen.setWidthF(1.5);
    series->setPen(pen);
    chart->addSeries(series);
    series->attachAxis(axes_[static_cast<size_t>(g)].x);
    series->attachAxis(y);
    return series;
}

int THistoryChart::PointCount() const { return cash_ ? static_cast<int>(cash_->count()) : 0; }

void THistoryChart::AddSeries() {
    zero_ = new QLineSeries(this);
    negative_ = new QLineSeries(this);
    auto* below = new QAreaSeries(zero_, negative_);
    below->setName(QString::fromUtf8("poniżej zera"));
    below->setPen(Qt::NoPen);
    below->setColor(QColor(kBelowZero.red(), kBelowZero.green(), kBelowZero.blue(), 110));
    views_[gCash]->chart()->addSeries(below);
    below->attachAxis(axes_[gCash].x);
    below->attachAxis(axes_[gCash].y);
    cash_ = AddLine(gCash, QStringLiteral("Kasa"), kCashColour, axes_[gCash].y);
    opinion_ = AddLine(gOpinion, QStringLiteral("Opinia"), kKindColours[0], axes_[gOpinion].y);
    quality_ = AddLine(gOpinion, QString::fromUtf8("Jakość"), kKindColours[1], axes_[gOpinion].y);
    for (int k = 0; k < kKindCount; ++k)
        counts_[static_cast<size_t>(k)] = AddLine(gSubscribers, QString::fromUtf8(kKindNames[k]), kKindColours[k],
                                                  k == 0 ? axes_[gSubscribers].y : axes_[gSubscribers].y2);
}

void THistoryChart::SetGroup(int group) {
    if (group < 0 || group >= kGroupCount) return;
    stack_->setCurrentIndex(group);
    buttons_[static_cast<size_t>(group)]->setChecked(true);
}

void THistoryChart::Show(const History& history) {
    history_ = &history;
    stale_ = !isVisible();
    if (!stale_) Draw(history);
}

void THistoryChart::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_ && history_) {
        stale_ = false;
        Draw(*history_);
    }
}

void THistoryChart::Draw(const History& history) {
    const size_t n = history.Size();
    QList<QPointF> cash, zero, negative, opinion, quality;
    std::array<QList<QPointF>, kKindCount> counts;
    for (QList<QPointF>* list : {&cash, &zero, &negative, &opinion, &quality}) list->reserve(static_cast<qsizetype>(n));
    for (auto& list : counts) list.reserve(static_cast<qsizetype>(n));
    constexpr double inf = std::numeric_limits<double>::infinity();
    double cashLow = inf, cashHigh = -inf, markLow = inf, markHigh = -inf, phoneHigh = 0, otherHigh = 0;
    double first = 1, last = 1;
    bool any = false;
    history.ForEach([&](const HistorySample& s) {
        const double x = 1 + s.day / kDaysPerYear;
        if (!any) first = x;
        any = true;
        last = x;
        const double c = s.cash / 1000.0;
        cash.append({x, c});
        negative.append({x, std::min(c, 0.0)});
        opinion.append({x, s.opinion});
        quality.append({x, s.quality});
        cashLow = std::min(cashLow, c);
        cashHigh = std::max(cashHigh, c);
        markLow = std::min({markLow, double{s.opinion}, double{s.quality}});
        markHigh = std::max({markHigh, double{s.opinion}, double{s.quality}});
        for (int k = 0; k < kKindCount; ++k) {
            const double v = s.counts[static_cast<size_t>(k)];
            counts[static_cast<size_t>(k)].append({x, v});
            (k == 0 ? phoneHigh : otherHigh) = std::max(k == 0 ? phoneHigh : otherHigh, v);
        }
    });
    // The area below zero has its upper edge at every point of the lower.
    for (const QPointF& p : negative) zero.append({p.x(), 0.0});

    cash_->replace(cash);
    zero_->replace(zero);
    negative_->replace(negative);
    opinion_->replace(opinion);
    quality_->replace(quality);
    for (int k = 0; k < kKindCount; ++k) counts_[static_cast<size_t>(k)]->replace(counts[static_cast<size_t>(k)]);

    for (const Axes& axes : axes_) SetYears(axes.x, first, last);
    SetValues(axes_[gCash].y, std::min(cashLow, 0.0), std::max(cashHigh, 0.0));
    SetValues(axes_[gOpinion].y, markLow, markHigh);
    SetValues(axes_[gSubscribers].y, 0, phoneHigh);
    SetValues(axes_[gSubscribers].y2, 0, otherHigh);
}

}  // namespace dzwonex
