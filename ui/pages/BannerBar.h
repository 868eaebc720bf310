#pragma once
#include <QImage>

#include "Company.h"
#include "Controls.h"

namespace dzwonex {

// pnlTop: the advertising banner, centred at the top of the window. It
// draws the game's banner from the strip and says when it is pressed; what
// a press opens is the game's business.
class BannerBar : public TPanel {
    Q_OBJECT
public:
    static constexpr int kBannerWidth = 400;
    static constexpr int kBannerHeight = 50;

    explicit BannerBar(const Company& game, QWidget* parent = nullptr);
    // The strip of banners, one under the other.
    void SetStrip(const QImage& strip);
    const QImage& Strip() const { return strip_; }
    // Draws the game's banner at once.
    void ShowBanner();
    void RetranslateUi();

signals:
    void Pressed();

private:
    void pnlTopResize();
    void pbBannerPaint(QPainter& painter);
    void pbBannerMouseDown();

    const Company& game_;
    TPaintBox* pbBanner_;
    QImage strip_;
};

}  // namespace dzwonex
