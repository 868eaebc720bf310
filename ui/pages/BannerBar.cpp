#include "BannerBar.h"

#include <QPainter>

namespace dzwonex {

BannerBar::BannerBar(const Company& game, QWidget* parent)
    : TPanel(parent), game_(game), pbBanner_(new TPaintBox(this)) {
    setObjectName(QStringLiteral("pnlTop"));
    pbBanner_->setObjectName(QStringLiteral("pbBanner"));
    pbBanner_->setCursor(Qt::PointingHandCursor);
    pbBanner_->setGeometry(0, 5, kBannerWidth, kBannerHeight);
    pbBanner_->OnPaint = [this](QPainter& painter) { pbBannerPaint(painter); };
    connect(pbBanner_, &TPaintBox::MouseDown, this, [this](int, int) { pbBannerMouseDown(); });
    OnResize = [this] { pnlTopResize(); };
}

void BannerBar::SetStrip(const QImage& strip) {
    strip_ = strip;
    pbBanner_->update();
}

void BannerBar::ShowBanner() { pbBanner_->repaint(); }

void BannerBar::pnlTopResize() { pbBanner_->move(width() / 2 - kBannerWidth / 2, 5); }

void BannerBar::pbBannerPaint(QPainter& painter) {
    if (strip_.isNull()) return;
    // The banner shown, unscaled; where the strip does not reach, the
    // white panel shows.
    const int top = game_.BannerIndex() * kBannerHeight;
    const QRect source = QRect(0, top, kBannerWidth, kBannerHeight) & strip_.rect();
    if (!source.isEmpty()) painter.drawImage(QPoint(source.left(), source.top() - top), strip_, source);
}

void BannerBar::pbBannerMouseDown() { emit Pressed(); }

void BannerBar::RetranslateUi() {
    Describe(this, tr("Reklama"), tr("Pasek z reklamą firmy"));
    Describe(pbBanner_, tr("Reklama"), tr("Reklama firmy; kliknięcie otwiera stronę firmy"));
}

}  // namespace dzwonex
