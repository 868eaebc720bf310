#pragma once
#include <QLabel>
#include <QPauseAnimation>
#include <QPropertyAnimation>

namespace dzwonex {

// A short line that tells what the last action changed, then fades away.
// It holds for a few seconds at full strength (a pause, which wakes nothing
// up) and fades over one. What the player did is held: a day's news that
// comes meanwhile waits for the hold to end, so an answer can be read even
// at top speed. The animations are reachable so that a test can step them
// instead of waiting.
class TFeedbackLine : public QLabel {
    Q_OBJECT
    Q_PROPERTY(qreal opacity READ Opacity WRITE SetOpacity)
public:
    static constexpr int kHoldMs = 4000;
    static constexpr int kFadeMs = 1000;

    explicit TFeedbackLine(QWidget* parent = nullptr);

    // News the next news replaces (a day's summary); while a held line
    // stands, it waits, the latest only, until the hold ends. A text wider
    // than the line is cut at a whole part (or, one part alone, where the
    // line ends) and ends in "…"; the whole text stays in the tooltip.
    void Tell(const QString& text);
    // What the player did: shown at once and held for kHoldMs whatever
    // news comes meanwhile.
    void TellAndHold(const QString& text);
    QString FullText() const { return full_; }
    // What the player did stands in its hold.
    bool Held() const { return held_; }
    // The news waiting for the hold to end, if any.
    QString Waiting() const { return waiting_; }
    qreal Opacity() const { return opacity_; }
    void SetOpacity(qreal opacity);
    QAbstractAnimation* Hold() const { return hold_; }
    QAbstractAnimation* FadeOut() const { return fadeOut_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Show(const QString& text, bool held);
    void HoldEnded();
    void Fit();
    QString full_;
    QString waiting_;
    bool held_ = false;
    qreal opacity_ = 0;
    QPauseAnimation* hold_;
    QPropertyAnimation* fadeOut_;
};

}  // namespace dzwonex
