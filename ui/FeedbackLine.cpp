#include "FeedbackLine.h"

#include <QPauseAnimation>
#include <QPropertyAnimation>
#include <QStringList>

namespace dzwonex {

namespace {
const QString kSeparator = QString::fromUtf8(" \xC2\xB7 ");
const QString kMore = QString::fromUtf8(" \xE2\x80\xA6");  // " …"
}  // namespace

TFeedbackLine::TFeedbackLine(QWidget* parent) : QLabel(parent), fade_(new QSequentialAnimationGroup(this)) {
    fade_->addPause(kHoldMs);
    auto* out = new QPropertyAnimation(this, "opacity", fade_);
    out->setDuration(kFadeMs);
    out->setStartValue(1.0);
    out->setEndValue(0.0);
    fade_->addAnimation(out);
    connect(fade_, &QAbstractAnimation::finished, this, [this] { SetOpacity(0); });
    SetOpacity(0);
}

void TFeedbackLine::Tell(const QString& text) {
    full_ = text;
    setToolTip(text);
    setAccessibleDescription(text);
    Fit();
    fade_->stop();
    SetOpacity(1);
    if (!text.isEmpty()) fade_->start();
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
    setText(shown);
}

}  // namespace dzwonex
