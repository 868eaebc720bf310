#include "StatusBar.h"

#include <algorithm>

#include "FeedbackLine.h"
#include "Speed.h"

namespace dzwonex {

namespace {
constexpr int kGapAfterDate = 16;
}

StatusBar::StatusBar(QWidget* parent)
    : TPanel(parent),
      lblSpeed1_(FixedLabel(this, "lblSpeed1", QString(), {4, 6, 101, 13})),
      progressSpeed_(new TSpeedGauge(this)),
      lblSpeed2_(AutoLabel(this, "lblSpeed2", QStringLiteral("X"), {332, 6})),
      lblZmiany_(new TFeedbackLine(this)) {
    setObjectName(QStringLiteral("pnlDown"));
    progressSpeed_->setObjectName(QStringLiteral("progressSpeed"));
    progressSpeed_->setGeometry(112, 4, 200, 17);
    connect(progressSpeed_, &TSpeedGauge::MouseDown, this, &StatusBar::progressSpeedMouseDown);
    connect(progressSpeed_, &TSpeedGauge::MouseMove, this, &StatusBar::progressSpeedMouseMove);
    connect(progressSpeed_, &TSpeedGauge::MouseUp, this, &StatusBar::progressSpeedMouseUp);
    // The arrows step the speed while the mouse does not hold the gauge.
    connect(progressSpeed_, &TSpeedGauge::KeyStep, this, [this](int delta) {
        if (!dragging_) emit SpeedStepped(delta);
    });
    lblZmiany_->setObjectName(QStringLiteral("lblZmiany"));
    OnResize = [this] { pnlDownResize(); };
    pnlDownResize();
}

void StatusBar::ShowSpeedCaption(const QString& text) { lblSpeed1_->setText(text); }

void StatusBar::ShowSpeed(int step) { progressSpeed_->SetPosition(step); }

void StatusBar::ShowDate(const QString& text) {
    lblSpeed2_->setText(text);
    lblSpeed2_->adjustSize();
    // The date grew or shrank; the feedback line follows it.
    pnlDownResize();
}

void StatusBar::Tell(const QString& text) { lblZmiany_->Tell(text); }

void StatusBar::TellAndHold(const QString& text) { lblZmiany_->TellAndHold(text); }

bool StatusBar::Holding() const { return lblZmiany_->Held(); }

void StatusBar::ShowHelpHint() { lblZmiany_->TellAndHold(tr("F1 — Pomoc")); }

void StatusBar::FocusGauge() { progressSpeed_->setFocus(); }

void StatusBar::progressSpeedMouseDown(int x) {
    dragging_ = true;
    emit SpeedPicked(SpeedStepAtPixel(x, progressSpeed_->width()));
}

void StatusBar::progressSpeedMouseMove(int x) {
    if (dragging_) emit SpeedPicked(SpeedStepAtPixel(x, progressSpeed_->width()));
}

void StatusBar::progressSpeedMouseUp() { dragging_ = false; }

void StatusBar::pnlDownResize() {
    // From just right of the date to the panel's edge.
    const int left = lblSpeed2_->x() + lblSpeed2_->width() + kGapAfterDate;
    lblZmiany_->setGeometry(left, lblSpeed2_->y(), std::max(0, width() - left - 4), lblSpeed2_->height());
}

void StatusBar::RetranslateUi() {
    Describe(this, tr("Pasek stanu"), tr("Szybkość gry, data i ostatnia zmiana"));
    Describe(lblSpeed1_, tr("Szybkość gry"), tr("Obecna szybkość gry, od 0 do 10"));
    Describe(progressSpeed_, tr("Pasek szybkości"), tr("Szybkość gry: kliknij lub użyj strzałek; 0 zatrzymuje czas"));
    progressSpeed_->setToolTip(tr("Szybkość gry, od 0 (czas stoi) do 10 (dzień co 2 s): kliknij, + i -, P to pauza"));
    Describe(lblSpeed2_, tr("Data"), tr("Rok, miesiąc i dzień gry"));
    lblZmiany_->setAccessibleName(tr("Ostatnia zmiana"));
    lblZmiany_->setAccessibleDescription(tr("Co zmieniła ostatnia odpowiedź, kliknięcie mapy lub dzień"));
}

}  // namespace dzwonex
