#include "FeedbackLine.h"

#include <QStringList>

namespace dzwonex {

namespace {
const QString kSeparator = QString::fromUtf8(" \xC2\xB7 ");
const QString kMore = QString::fromUtf8(" \xE2\x80\xA6");  // " …"
}  // namespace

TFeedbackLine::TFeedbackLine(QWidget* parent) : QLabel(parent), fade_(new QPropertyAnimation(this, "opacity", this)) {
    fade_->setDuration(kHoldMs + kFadeMs);
    fade_->setKeyValueAt(0, 1.0);
    fade_->setKeyValueAt(static_cast<qreal>(kHoldMs) / (kHoldMs + kFadeMs), 1.0);
    fade_->setKeyValueAt(1, 0.0);
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
