#include "TermChart.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>

#include "Controls.h"
#include "Rating.h"
#include "Translations.h"

namespace dzwonex {

namespace {

const QColor kBar{120, 140, 170};
const QColor kBest{29, 107, 47};
const QColor kWorst{200, 30, 30};
const QColor kInk{64, 64, 64};
const QColor kGrid{228, 228, 228};
const QColor kAxis{128, 128, 128};

QFont LabelFont() {
    QFont font = WindowFont();
    font.setPixelSize(9);
    return font;
}

}  // namespace

TTermChart::TTermChart(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kWhite);
    setPalette(pal);
    RetranslateUi();
}

void TTermChart::Show(std::vector<int32_t> monthlyRatings, int32_t best, int32_t worst) {
    months_ = std::move(monthlyRatings);
    best_ = best;
    worst_ = worst;
    update();
}

void TTermChart::RetranslateUi() {
    language_ = InstalledLanguage();
    Describe(this, tr("Wykres oceny kadencji"),
             tr("Ocena na koniec każdego miesiąca kadencji; najlepszy miesiąc na zielono, najgorszy na czerwono"));
    update();
}

TermChartScene TTermChart::Scene() const {
    TermChartScene scene;
    const QFontMetricsF fm(LabelFont());
    const double lh = fm.height();
    const QLocale locale(language_ == Language::Polish ? QLocale::Polish : QLocale::English);
    const QString top = locale.toString(Rating::kTotalMaximum);
    const double labels = fm.horizontalAdvance(top) + 4;
    // The title above, the months below, 0..1000 on the left.
    scene.texts.push_back({QRectF(2, 1, width() - 4, lh), tr("Ocena na koniec miesiąca"), Qt::AlignLeft});
    scene.plot = QRectF(QPointF(2 + labels, 3 + lh + lh / 2), QPointF(width() - 4, height() - 3 - lh));
    if (scene.plot.width() < 1 || scene.plot.height() < 1) return scene;
    const QRectF& plot = scene.plot;
    for (int32_t value : {0, Rating::kTotalMaximum / 2, Rating::kTotalMaximum}) {
        const double y = plot.bottom() - plot.height() * value / Rating::kTotalMaximum;
        scene.texts.push_back(
            {QRectF(0, y - lh / 2, labels - 2, lh), locale.toString(value), Qt::AlignRight | Qt::AlignVCenter});
    }
    if (months_.empty()) {
        scene.texts.push_back({plot, tr("Brak pełnych miesięcy"), Qt::AlignCenter});
        return scene;
    }
    const double slot = plot.width() / static_cast<double>(months_.size());
    for (size_t i = 0; i < months_.size(); ++i) {
        const double h = plot.height() * std::clamp(months_[i], 0, Rating::kTotalMaximum) / Rating::kTotalMaximum;
        const double gap = slot >= 4 ? 1 : 0;
        scene.bars.emplace_back(plot.left() + i * slot + gap / 2, plot.bottom() - h, std::max(1.0, slot - gap), h);
    }
    // The months by whole years once they would crowd: "1" is the term's first.
    const QString widest = locale.toString(static_cast<int>(months_.size()));
    const int step = slot * 3 >= fm.horizontalAdvance(widest) + 6 ? 3 : 12;
    double lastRight = -1e9;
    for (int m = 0; m < static_cast<int>(months_.size()); m += step) {
        const QString text = step == 12 ? tr("rok %1").arg(m / 12 + 1) : locale.toString(m + 1);
        const double w = fm.horizontalAdvance(text);
        const double x = std::clamp(plot.left() + (m + 0.5) * slot - w / 2, 0.0, width() - w);
        if (x <= lastRight + 3) continue;
        scene.texts.push_back({QRectF(x, plot.bottom() + 2, w, lh), text, Qt::AlignCenter});
        lastRight = x + w;
    }
    return scene;
}

void TTermChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const TermChartScene scene = Scene();
    const QRectF& plot = scene.plot;
    if (plot.width() < 1 || plot.height() < 1) return;
    painter.setPen(kGrid);
    for (double share : {0.5, 1.0}) {
        const double y = plot.bottom() - plot.height() * share;
        painter.drawLine(QLineF(plot.left(), y, plot.right(), y));
    }
    for (size_t i = 0; i < scene.bars.size(); ++i) {
        const auto month = static_cast<int32_t>(i + 1);
        painter.fillRect(scene.bars[i], month == best_ ? kBest : month == worst_ ? kWorst : kBar);
    }
    painter.setPen(kAxis);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.setPen(kInk);
    painter.setFont(LabelFont());
    for (const TermChartScene::Text& text : scene.texts) painter.drawText(text.box, text.align, text.text);
}

}  // namespace dzwonex
