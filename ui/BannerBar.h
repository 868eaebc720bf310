#pragma once
#include <QImage>

#include "Controls.h"

namespace dzwonex {

// pnlTop: the advertising banner, centred at the top of the window. It
// draws one banner of the strip and says when it is pressed; which banner
// and what a press opens are the game's business.
class BannerBar : public TPanel {
    Q_OBJECT
public:
    static constexpr int kBannerWidth = 400;
    static constexpr int kBannerHeight = 50;

    explicit BannerBar(QWidget* parent = nullptr);
    // The strip of banners, one under the other.
    void SetStrip(const QImage& strip);
    const QImage& Strip() const { return strip_; }
    // Draws the banner of this index at once.
    void ShowBanner(int index);
    void RetranslateUi();

signals:
    void Pressed();

private:
    void pnlTopResize();
    void pbBannerPaint(QPainter& painter);
    void pbBannerMouseDown();

    TPaintBox* pbBanner_;
    QImage strip_;
    int index_ = 0;
};

}  // namespace dzwonex
