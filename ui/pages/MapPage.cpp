#include "MapPage.h"

#include <algorithm>

#include "LegendHover.h"
#include "MapHints.h"

namespace dzwonex {

namespace {
// Where the legend's names stand (the icons are in TLegendPaintBox).
constexpr std::array<int, kKindCount> kLegendLabelTops = {32, 48, 64, 80, 112, 144};
constexpr int kLegendIconsTop = 32;
constexpr int kLegendWidth = 150;
}  // namespace

MapPage::MapPage(const MapPictures& pictures, const Company& game, QWidget* parent)
    : TLazyPage(parent), pictures_(pictures), game_(game) {
    setObjectName(QStringLiteral("tabMap"));
}

void MapPage::MakeControls() {
    BuildLegend();
    paintboxLegenda_ = new TLegendPaintBox(pictures_, pnlLegenda_);
    paintboxLegenda_->setObjectName(QStringLiteral("paintboxLegenda"));
    paintboxLegenda_->setGeometry(12, 32, 16, 129);
    BuildMap();
    BuildHints();
    pnlLegenda_->show();
    scrollboxMapa_->show();
}

void MapPage::BuildLegend() {
    pnlLegenda_ = Panel(this, "pnlLegenda");
    shapeLegenda_ = Shape(pnlLegenda_, "shapeLegenda", {4, 4, 140, 165}, kBoxFill);
    legendLabels_[0] = FixedLabel(pnlLegenda_, "Label1", QString(), {8, 8, 129, 13}, true, Qt::AlignHCenter);
    // RetranslateUi names the kinds.
    static const char* const names[kKindCount] = {"Label2", "Label3", "Label4", "Label5", "Label6", "Label7"};
    for (int k = 0; k < kKindCount; ++k)
        legendLabels_[static_cast<size_t>(k + 1)] =
            AutoLabel(pnlLegenda_, names[k], QString(), {36, kLegendLabelTops[static_cast<size_t>(k)]});
    pnlLegenda_->OnResize = [this] { pnlLegendaResize(); };
}

void MapPage::BuildMap() {
    scrollboxMapa_ = new QScrollArea(this);
    scrollboxMapa_->setObjectName(QStringLiteral("scrollboxMapa"));
    scrollboxMapa_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    scrollboxMapa_->setWidgetResizable(false);
    scrollboxMapa_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    paintboxMapa_ = new TMapPaintBox(pictures_, game_);
    paintboxMapa_->setObjectName(QStringLiteral("paintboxMapa"));
    paintboxMapa_->resize(mapSize_);
    paintboxMapa_->BeforePaint = beforePaint_;
    scrollboxMapa_->setWidget(paintboxMapa_);
    connect(paintboxMapa_, &TMapPaintBox::MouseDown, this, &MapPage::paintboxMapaMouseDown);
}

void MapPage::BuildHints() {
    new TMapHints(paintboxMapa_, game_);
    std::array<QRect, kKindCount> rows;
    for (size_t k = 0; k < kKindCount; ++k) {
        const int icon = kLegendIconsTop + TLegendPaintBox::kIconTops[k];
        const int label = kLegendLabelTops[k];
        rows[k] = QRect(8, std::min(icon, label), 136, 16 + std::abs(icon - label));
    }
    legendHover_ = new TLegendHover(rows, pnlLegenda_);
    legendHover_->setObjectName(QStringLiteral("legendHover"));
    legendHover_->raise();
    connect(legendHover_, &TLegendHover::HotKindChanged, paintboxMapa_, &TMapPaintBox::SetHighlightKind);
}

void MapPage::SetMapSize(int width, int height) {
    mapSize_ = QSize(width, height);
    if (IsBuilt()) paintboxMapa_->resize(mapSize_);
}

void MapPage::RepaintMap() {
    // Qt merges every request made before the next paint into one.
    if (IsBuilt()) paintboxMapa_->update();
}

void MapPage::RepaintLegend() {
    if (IsBuilt()) paintboxLegenda_->update();
}

void MapPage::SetBeforePaint(std::function<void()> beforePaint) {
    beforePaint_ = std::move(beforePaint);
    if (IsBuilt()) paintboxMapa_->BeforePaint = beforePaint_;
}

void MapPage::paintboxMapaMouseDown(int x, int y) { emit Pressed(x, y); }

void MapPage::tabMapResize() {
    // The legend is docked to the left, the map fills the rest.
    SetBounds(pnlLegenda_, {0, 0, kLegendWidth, height()});
    SetBounds(scrollboxMapa_, {kLegendWidth, 0, std::max(0, width() - kLegendWidth), height()});
}

void MapPage::pnlLegendaResize() {
    shapeLegenda_->setGeometry(4, 4, std::max(0, pnlLegenda_->width() - 8), shapeLegenda_->height());
}

void MapPage::RetranslateUi() {
    Describe(this, tr("Mapa"), tr("Mapa miasta z abonentami i legenda"));
    if (!IsBuilt()) return;
    ShowCaption(legendLabels_[0], tr("Legenda"));
    // The legend's names are as long as their text.
    for (int k = 1; k <= kKindCount; ++k) {
        legendLabels_[static_cast<size_t>(k)]->setText(KindName(k));
        legendLabels_[static_cast<size_t>(k)]->adjustSize();
    }

    Describe(pnlLegenda_, tr("Legenda"), tr("Rodzaje abonentów na mapie"));
    Describe(legendLabels_[0], tr("Legenda"), tr("Nagłówek legendy"));
    Describe(paintboxLegenda_, tr("Ikony legendy"), tr("Ikony sześciu rodzajów abonentów"));
    for (int k = 1; k <= kKindCount; ++k)
        Describe(legendLabels_[static_cast<size_t>(k)], KindName(k),
                 tr("Pozycja legendy; wskaż, by wyróżnić te punkty na mapie"));
    Describe(legendHover_, tr("Legenda"), tr("Wskazana pozycja wyróżnia swoje punkty na mapie"));
    Describe(scrollboxMapa_, tr("Mapa miasta"), tr("Przewijana mapa miasta"));
    Describe(paintboxMapa_, tr("Mapa miasta"),
             tr("Kliknięcie abonenta pyta o odłączenie, pustego miejsca o budkę telefoniczną"));
}

}  // namespace dzwonex
