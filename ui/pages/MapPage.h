#pragma once
#include <array>
#include <functional>

#include <QLabel>
#include <QScrollArea>

#include "Controls.h"
#include "LazyPage.h"
#include "MapPaint.h"

namespace dzwonex {

class TLegendHover;

// tabMap: the legend docked on the left, the scrolling city map filling the
// rest. It draws the company's points, names the kind under the pointer,
// rings a kind's points while the pointer is on its legend entry, and says
// where the map was pressed. Its controls are made when it is first shown;
// the pictures and the game must outlive the page.
class MapPage : public TLazyPage {
    Q_OBJECT
public:
    MapPage(const MapPictures& pictures, const Company& game, QWidget* parent = nullptr);

    void SetMapSize(int width, int height);
    // A burst of requests before the next paint paints once.
    void RepaintMap();
    // The icons changed.
    void RepaintLegend();
    // Runs before each paint of the map; the picture may be decoded there.
    void SetBeforePaint(std::function<void()> beforePaint);
    void RetranslateUi();

protected:
    void MakeControls() override;
    void LayOut() override { tabMapResize(); }
    void ShowKept() override { RetranslateUi(); }

signals:
    // Any mouse button, in map picture pixels.
    void Pressed(int x, int y);

private:
    void BuildLegend();
    void BuildMap();
    void BuildHints();
    void paintboxMapaMouseDown(int x, int y);
    void tabMapResize();
    void pnlLegendaResize();

    const MapPictures& pictures_;
    const Company& game_;
    QSize mapSize_{0, 0};
    std::function<void()> beforePaint_;
    TPanel* pnlLegenda_ = nullptr;
    TShape* shapeLegenda_ = nullptr;
    TLegendPaintBox* paintboxLegenda_ = nullptr;
    std::array<QLabel*, 7> legendLabels_{};  // Label1 (the title), then one per kind
    QScrollArea* scrollboxMapa_ = nullptr;
    TMapPaintBox* paintboxMapa_ = nullptr;
    TLegendHover* legendHover_ = nullptr;
};

}  // namespace dzwonex
