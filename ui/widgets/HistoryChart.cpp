#include "HistoryChart.h"

#include <algorithm>
#include <vector>

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "Controls.h"
#include "History.h"
#include "KindNames.h"
#include "RatingParts.h"
#include "Translations.h"

namespace dzwonex {

namespace {

const QColor kCashColour{29, 107, 47};
const QColor kBelowZero{200, 30, 30};
const QColor kInk{64, 64, 64};
const QColor kAxis{128, 128, 128};
const QColor kGrid{228, 228, 228};
const QColor kZero{160, 160, 160};
// The icons' colours, so a line reads like the map.
const QColor kKindColours[kKindCount] = {
    {31, 95, 191}, {224, 123, 0}, {123, 47, 160}, {0, 143, 143}, {139, 26, 26}, {181, 154, 0},
};

template <size_t kind>
double Count(const HistorySample& s) {
    return s.counts[kind];
}

// The rating's total, or a part of it, in a LineRow.
constexpr int kNotRating = -1;
constexpr int kRatingTotal = kRatingPartCount;

struct LineRow {
    const char* name;  // in tr(); none for a kind's line
    QColor colour;
    ChartSide side;
    double (*value)(const HistorySample&);
    bool redBelowZero = false;
    // A line of the rating reads the history too: its total or one part.
    int rating = kNotRating;
    // A line of subscribers of this kind, named as every page names it.
    int kind = 0;
};

// One group of lines: its button and the chart the button shows. A new
// line is a row in its group; a new group, a row here (and its button's
// description in RetranslateUi).
struct GroupRow {
    const char* button;  // the button's object name
    const char* caption;
    const char* chartName;  // the plot's accessible name and description
    const char* chartDescription;
    const char* leftTitle;   // none: money, titled with its unit
    const char* rightTitle;  // none: no right axis
    std::vector<LineRow> lines;
};

const std::array<GroupRow, THistoryChart::kGroupCount>& Groups() {
    using S = HistorySample;
    static const std::array<GroupRow, THistoryChart::kGroupCount> groups = {{
        {"btnWykresKasa",
         QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Kasa"),
         QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Wykres kasy"),
         QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Kasa od początku gry, rok po roku"),
         nullptr,
         nullptr,
         {{QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Kasa"), kCashColour, ChartSide::left,
           [](const S& s) { return static_cast<double>(s.cash); }, true}}},
        {"btnWykresOpinia",
         QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Opinia i jakość"),
         QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Wykres opinii i jakości"),
         QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Opinia i jakość od początku gry, rok po roku"),
         QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Opinia"),
         QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Jakość"),
         {{QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Opinia"), kKindColours[0], ChartSide::left,
           [](const S& s) { return double{s.opinion}; }},
          {QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Jakość"), kKindColours[1], ChartSide::right,
           [](const S& s) { return double{s.quality}; }}}},
        // The many telephone lines on the left, the few others on the right.
        {"btnWykresAbonenci",
         QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Abonenci"),
         QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Wykres abonentów"),
         QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Abonenci każdego rodzaju od początku gry, rok po roku"),
         QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "telefony i ISDN"),
         QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "pozostałe"),
         {{nullptr, kKindColours[0], ChartSide::left, Count<0>, false, kNotRating, skPhone},
          {nullptr, kKindColours[1], ChartSide::left, Count<1>, false, kNotRating, skIsdn},
          {nullptr, kKindColours[2], ChartSide::right, Count<2>, false, kNotRating, skSdi},
          {nullptr, kKindColours[3], ChartSide::right, Count<3>, false, kNotRating, skNeostrada},
          {nullptr, kKindColours[4], ChartSide::right, Count<4>, false, kNotRating, skPolpak},
          {nullptr, kKindColours[5], ChartSide::right, Count<5>, false, kNotRating, skBooth}}},
        // The total on the left, its five parts, of at most 250 each, on the right.
        {"btnWykresOcena",
         QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Ocena"),
         QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Wykres oceny firmy"),
         QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Ocena firmy i jej części od początku gry, rok po roku"),
         QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Ocena"),
         QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Części"),
         {{QT_TRANSLATE_NOOP("dzwonex::THistoryChart", "Ocena"), kInk, ChartSide::left, nullptr, false, kRatingTotal},
          {nullptr, kCashColour, ChartSide::right, nullptr, false, rpMoney},
          {nullptr, kKindColours[0], ChartSide::right, nullptr, false, rpService},
          {nullptr, kKindColours[1], ChartSide::right, nullptr, false, rpReputation},
          {nullptr, kKindColours[2], ChartSide::right, nullptr, false, rpEquipment},
          {nullptr, kKindColours[3], ChartSide::right, nullptr, false, rpDiscipline}}},
    }};
    return groups;
}

QFont SmallFont(int pixels, bool bold = false) {
    QFont font = WindowFont(bold);
    font.setPixelSize(pixels);
    return font;
}

void DrawText(QPainter& painter, const ChartText& text) {
    if (!text.text.isEmpty()) painter.drawText(text.box, static_cast<int>(text.align), text.text);
}

void DrawRun(QPainter& painter, const QPolygonF& run) {
    if (run.size() > 2 || (run.size() == 2 && run[0] != run[1])) {
        painter.drawPolyline(run);
    } else if (!run.empty()) {
        // A lone point, as a dot.
        painter.setBrush(painter.pen().color());
        painter.drawEllipse(run[0], 1.5, 1.5);
        painter.setBrush(Qt::NoBrush);
    }
}

}  // namespace

THistoryChart::THistoryChart(QWidget* parent) : QWidget(parent), language_(InstalledLanguage()) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* row = buttonRow_ = new QHBoxLayout;
    row->setSpacing(3);
    auto* group = new QButtonGroup(this);
    for (int g = 0; g < kGroupCount; ++g) {
        const GroupRow& spec = Groups()[static_cast<size_t>(g)];
        auto* b = new QPushButton(tr(spec.caption), this);
        b->setObjectName(QString::fromLatin1(spec.button));
        b->setCheckable(true);
        b->setAutoDefault(false);
        b->setFixedHeight(21);
        // Each as wide as its caption asks, in the row's share (RetranslateUi).
        b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        group->addButton(b, g);
        row->addWidget(b);
        buttons_[static_cast<size_t>(g)] = b;
    }
    layout->addLayout(row);

    plot_ = new TPaintBox(this);
    plot_->setObjectName(QStringLiteral("chartWykres"));
    plot_->setFocusPolicy(Qt::NoFocus);
    plot_->setAutoFillBackground(true);
    QPalette pal = plot_->palette();
    pal.setColor(QPalette::Window, kWhite);
    plot_->setPalette(pal);
    plot_->OnPaint = [this](QPainter& painter) { Paint(painter); };
    layout->addWidget(plot_, 1);
    connect(group, &QButtonGroup::idClicked, this, &THistoryChart::SetGroup);
    buttons_[gCash]->setChecked(true);
    RetranslateUi();
}

void THistoryChart::RetranslateUi() {
    language_ = InstalledLanguage();
    static const char* const kButtonDescriptions[kGroupCount] = {
        QT_TR_NOOP("Pokazuje historię kasy"), QT_TR_NOOP("Pokazuje historię opinii i jakości"),
        QT_TR_NOOP("Pokazuje historię liczby abonentów każdego rodzaju"),
        QT_TR_NOOP("Pokazuje historię oceny firmy i jej części")};
    for (int g = 0; g < kGroupCount; ++g) {
        QPushButton* button = buttons_[static_cast<size_t>(g)];
        button->setText(tr(Groups()[static_cast<size_t>(g)].caption));
        button->setAccessibleName(tr(Groups()[static_cast<size_t>(g)].chartName));
        button->setAccessibleDescription(tr(kButtonDescriptions[g]));
        // Four captions of unlike length share the row by their widths.
        buttonRow_->setStretch(g, button->fontMetrics().horizontalAdvance(button->text()) + 16);
    }
    const GroupRow& shown = Groups()[static_cast<size_t>(current_)];
    plot_->setAccessibleName(tr(shown.chartName));
    plot_->setAccessibleDescription(tr(shown.chartDescription));
    plot_->update();
}

void THistoryChart::Show(const History& history) {
    history_ = &history;
    ratings_.clear();
    if (plot_->isVisible()) plot_->update();
}

void THistoryChart::SetGroup(int group) {
    if (group < 0 || group >= kGroupCount) return;
    current_ = group;
    buttons_[static_cast<size_t>(group)]->setChecked(true);
    RetranslateUi();
}

ChartRequest THistoryChart::Request() const {
    const GroupRow& group = Groups()[static_cast<size_t>(current_)];
    ChartRequest r;
    r.width = plot_->width();
    r.height = plot_->height();
    for (const LineRow& line : group.lines) {
        if (line.rating == kNotRating) {
            const QString name = line.kind > 0
                                     ? QString::fromUtf8(SubscriberKindName(line.kind, KindNameForm::Short, language_))
                                     : tr(line.name);
            r.lines.push_back({name, line.colour, line.side, line.value, line.redBelowZero});
            continue;
        }
        const int part = line.rating;
        const QString name = part == kRatingTotal ? tr(line.name) : TRatingParts::PartName(part);
        r.lines.push_back({name, line.colour, line.side, [this, part](const HistorySample& s) {
                               const Rating& rating = RatingOf(s);
                               return static_cast<double>(
                                   part == kRatingTotal ? rating.total : rating.points[static_cast<size_t>(part)]);
                           }});
    }
    r.leftIsMoney = group.leftTitle == nullptr;
    if (group.leftTitle) r.leftTitle = tr(group.leftTitle);
    if (group.rightTitle) r.rightTitle = tr(group.rightTitle);
    r.thousands = tr("tys. zł");
    r.millions = tr("mln zł");
    r.years = tr("Rok");
    r.months = tr("Miesiąc");
    //: A year's first month among the months of the x axis.
    r.yearTick = tr("rok %1");
    r.belowZero = tr("poniżej zera");
    r.belowZeroColour = kBelowZero;
    r.language = language_;
    r.labelFont = SmallFont(9);
    r.titleFont = SmallFont(9, true);
    r.legendFont = SmallFont(10);
    return r;
}

ChartScene THistoryChart::Scene() const { return LayOutChart(Request(), history_); }

const Rating& THistoryChart::RatingOf(const HistorySample& sample) const {
    // Each sample is rated with the history before it, as the day itself was.
    if (ratings_.empty() && history_)
        history_->ForEach([this](const HistorySample& s) { ratings_.emplace_back(s.day, RateSample(s, *history_)); });
    const auto at = std::lower_bound(ratings_.begin(), ratings_.end(), sample.day,
                                     [](const auto& entry, int32_t day) { return entry.first < day; });
    static const Rating kNone;
    return at != ratings_.end() && at->first == sample.day ? at->second : kNone;
}

void THistoryChart::Paint(QPainter& painter) const {
    const ChartRequest request = Request();
    const ChartScene scene = LayOutChart(request, history_);
    const QRectF& plot = scene.plot;

    // The grid, the zero and the axes, crisp on whole pixels.
    painter.setPen(QPen(kGrid, 1));
    for (double y : scene.leftTicks) painter.drawLine(QLineF(plot.left(), y, plot.right(), y));
    for (double x : scene.xTicks) painter.drawLine(QLineF(x, plot.top(), x, plot.bottom()));
    if (scene.zeroY > plot.top() && scene.zeroY < plot.bottom()) {
        painter.setPen(QPen(kZero, 1));
        painter.drawLine(QLineF(plot.left(), scene.zeroY, plot.right(), scene.zeroY));
    }
    painter.setPen(QPen(kAxis, 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    for (double y : scene.leftTicks) painter.drawLine(QLineF(plot.left() - 3, y, plot.left(), y));
    for (double x : scene.xTicks) painter.drawLine(QLineF(x, plot.bottom(), x, plot.bottom() + 3));
    if (!scene.rightTitle.text.isEmpty()) {
        painter.drawLine(plot.bottomRight(), plot.topRight());
        for (double y : scene.rightTicks) painter.drawLine(QLineF(plot.right(), y, plot.right() + 3, y));
    }

    painter.setPen(kInk);
    painter.setFont(request.labelFont);
    for (const auto* labels : {&scene.xLabels, &scene.leftLabels, &scene.rightLabels})
        for (const ChartText& text : *labels) DrawText(painter, text);
    painter.setFont(request.titleFont);
    for (const ChartText* title : {&scene.xTitle, &scene.leftTitle, &scene.rightTitle}) DrawText(painter, *title);
    painter.setFont(request.legendFont);
    for (const ChartLegendEntry& e : scene.legend) {
        painter.fillRect(e.swatch, e.colour);
        DrawText(painter, e.name);
    }

    // The lines, smooth, kept inside the plot.
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(plot.adjusted(-1, -1, 1, 1));
    // One-pixel lines: Qt draws those many times faster than wider ones.
    for (const ChartDrawnLine& line : scene.lines) {
        painter.setPen(QPen(line.colour, 1));
        if (line.above.empty() && line.below.empty()) {
            DrawRun(painter, line.pixels);
            continue;
        }
        for (const QPolygonF& run : line.above) DrawRun(painter, run);
        // Below zero: the area between the line and zero filled pale red,
        // the line red.
        QColor fill = request.belowZeroColour;
        fill.setAlpha(70);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.setRenderHint(QPainter::Antialiasing, false);
        for (const QPolygonF& run : line.below) {
            QPolygonF area = run;
            area << QPointF(run.back().x(), scene.zeroY) << QPointF(run.front().x(), scene.zeroY);
            painter.drawPolygon(area);
        }
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(request.belowZeroColour, 1));
        for (const QPolygonF& run : line.below) DrawRun(painter, run);
    }
}

}  // namespace dzwonex
