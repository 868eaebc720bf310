#include "FeedbackLine.h"

#include <utility>

#include <QStringList>

#include "Controls.h"

namespace dzwonex {

namespace {
const QString kSeparator = QString::fromUtf8(" \xC2\xB7 ");
const QString kMore = QString::fromUtf8(" \xE2\x80\xA6");  // " …"
}  // namespace

TFeedbackLine::TFeedbackLine(QWidget* parent)
    : QLabel(parent),
      hold_(new QPauseAnimation(kHoldMs, this)),
      fadeOut_(new QPropertyAnimation(this, "opacity", this)) {
    // What an action changed may quote a saved game's text: shown as it is.
    setTextFormat(Qt::PlainText);
    fadeOut_->setDuration(kFadeMs);
    fadeOut_->setStartValue(1.0);
    fadeOut_->setEndValue(0.0);
    connect(hold_, &QAbstractAnimation::finished, this, &TFeedbackLine::HoldEnded);
    connect(fadeOut_, &QAbstractAnimation::finished, this, [this] { SetOpacity(0); });
    SetOpacity(0);
}

void TFeedbackLine::Tell(const QString& text) {
    if (held_) {
        waiting_ = text;
        return;
    }
    Show(text, false);
}

void TFeedbackLine::TellAndHold(const QString& text) { Show(text, true); }

void TFeedbackLine::Show(const QString& text, bool held) {
    full_ = text;
    setToolTip(PlainToolTip(text));
    setAccessibleDescription(text);
    Fit();
    hold_->stop();
    fadeOut_->stop();
    SetOpacity(1);
    held_ = held && !text.isEmpty();
    if (!text.isEmpty()) hold_->start();
}

void TFeedbackLine::HoldEnded() {
    held_ = false;
    if (!waiting_.isEmpty()) {
        // The news that waited gets its own few seconds.
        Show(std::exchange(waiting_, QString()), false);
        return;
    }
    fadeOut_->start();
}

void TFeedbackLine::SetOpacity(qreal opacity) {
    opacity_ = opacity;
    setVisible(opacity > 0 && !full_.isEmpty());
    QPalette pal = palette();
    QColor ink = pal.color(QPalette::WindowText);
    ink.setAlphaF(static_cast<float>(opacity));
    if (ink == pal.color(QPalette::WindowText)) return;
    pal.setColor(QPalette::WindowText, ink);
    setPalette(pal);
}

void TFeedbackLine::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Fit();
}

void TFeedbackLine::Fit() {
    // Whole parts only: a number cut in half would say something wrong.
    const QFontMetrics metrics = fontMetrics();
    const QStringList parts = full_.split(kSeparator);
    QString shown;
    for (int i = 0; i < parts.size(); ++i) {
        const QString next = shown.isEmpty() ? parts[i] : shown + kSeparator + parts[i];
        const QString tail = i + 1 < parts.size() ? kMore : QString();
        if (metrics.horizontalAdvance(next + tail) > width() && !shown.isEmpty()) {
            shown += kMore;
            break;
        }
        shown = next;
    }
    // A first part wider than the line alone (a long message) is cut
    // where the line ends.
    if (metrics.horizontalAdvance(shown) > width()) shown = metrics.elidedText(shown, Qt::ElideRight, width());
    setText(shown);
}

}  // namespace dzwonex
