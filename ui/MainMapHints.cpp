// Hints on the map: a tooltip naming the kind under the pointer, and the
// legend entry under the pointer picking out its kind's points.
#include <algorithm>

#include "LegendHover.h"
#include "Main.h"
#include "MapHints.h"

namespace dzwonex {

namespace {
// Where the legend's names stand (the icons are in TLegendPaintBox).
constexpr std::array<int, kKindCount> kLegendLabelTops = {32, 48, 64, 80, 112, 144};
constexpr int kLegendIconsTop = 32;
}  // namespace

void TfrmMain::BuildMapHints() {
    new TMapHints(paintboxMapa, *game_);

    std::array<QRect, kKindCount> rows;
    for (int k = 0; k < kKindCount; ++k) {
        const int icon = kLegendIconsTop + TLegendPaintBox::kIconTops[static_cast<size_t>(k)];
        const int label = kLegendLabelTops[static_cast<size_t>(k)];
        const int top = std::min(icon, label);
        rows[static_cast<size_t>(k)] = QRect(8, top, 136, 16 + std::abs(icon - label));
    }
    legendHover = new TLegendHover(rows, pnlLegenda);
    legendHover->setObjectName(QStringLiteral("legendHover"));
    legendHover->raise();
    connect(legendHover, &TLegendHover::HotKindChanged, paintboxMapa, &TMapPaintBox::SetHighlightKind);
}

}  // namespace dzwonex
