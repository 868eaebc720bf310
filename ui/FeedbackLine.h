#pragma once
#include <QLabel>
#include <QSequentialAnimationGroup>

namespace dzwonex {

// A short line that tells what the last action changed, then fades away.
// It holds for a few seconds (a pause, which wakes nothing up) and fades
// over one; the animation is reachable so that a test can step it instead
// of waiting.
class TFeedbackLine : public QLabel {
    Q_OBJECT
    Q_PROPERTY(qreal opacity READ Opacity WRITE SetOpacity)
public:
    static constexpr int kHoldMs = 4000;
    static constexpr int kFadeMs = 1000;

    explicit TFeedbackLine(QWidget* parent = nullptr);

    // Shows the text at full strength and starts the fade anew. A text
    // wider than the line is cut at a whole part and ends in "…"; the
    // whole text stays in the tooltip.
    void Tell(const QString& text);
    QString FullText() const { return full_; }
    qreal Opacity() const { return opacity_; }
    void SetOpacity(qreal opacity);
    QSequentialAnimationGroup* Fade() const { return fade_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Fit();
    QString full_;
    qreal opacity_ = 0;
    QSequentialAnimationGroup* fade_;
};

}  // namespace dzwonex
