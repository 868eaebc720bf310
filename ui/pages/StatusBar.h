#pragma once
#include <QLabel>

#include "Controls.h"

namespace dzwonex {

class TFeedbackLine;

// pnlDown: the speed gauge with its caption, the date, and the feedback
// line that tells for a few seconds what the last action changed. The
// gauge turns pointer and keys into speeds; the clock is the game's.
class StatusBar : public TPanel {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr);

    void ShowSpeedCaption(const QString& text);
    void ShowSpeed(int step);
    void ShowDate(const QString& text);
    // The feedback line: the text at full strength, then it fades. News of
    // the day gives way to what the player did, which is held a few seconds.
    void Tell(const QString& text);
    void TellAndHold(const QString& text);
    // What the player did stands in its hold.
    bool Holding() const;
    // Where the help is, for a player who has not found it yet.
    void ShowHelpHint();
    // True from a press on the gauge to the next release.
    bool SpeedDragging() const { return dragging_; }
    // The gauge takes the keyboard focus.
    void FocusGauge();
    void RetranslateUi();

signals:
    // The player picked a speed on the gauge, 0..10.
    void SpeedPicked(int step);
    // The player stepped the speed with the keys.
    void SpeedStepped(int delta);

private:
    void progressSpeedMouseDown(int x);
    void progressSpeedMouseMove(int x);
    void progressSpeedMouseUp();
    void pnlDownResize();

    QLabel* lblSpeed1_;
    TSpeedGauge* progressSpeed_;
    QLabel* lblSpeed2_;
    TFeedbackLine* lblZmiany_;
    bool dragging_ = false;
};

}  // namespace dzwonex
