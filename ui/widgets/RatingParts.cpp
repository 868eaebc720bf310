#include "RatingParts.h"

#include <algorithm>

#include <QPainter>

#include "Controls.h"

namespace dzwonex {

namespace {

const QColor kBarBack{214, 210, 190};
const QColor kBarFill{29, 107, 47};

// The part names in the controls' names, without Polish letters.
const char* const kKeys[kRatingPartCount] = {"Pieniadze", "Obsluga", "Reputacja", "Sprzet", "Dyscyplina"};

const char* const kNames[kRatingPartCount] = {
    QT_TRANSLATE_NOOP("dzwonex::TRatingParts", "Pieniądze"), QT_TRANSLATE_NOOP("dzwonex::TRatingParts", "Obsługa"),
    QT_TRANSLATE_NOOP("dzwonex::TRatingParts", "Reputacja"), QT_TRANSLATE_NOOP("dzwonex::TRatingParts", "Sprzęt"),
    QT_TRANSLATE_NOOP("dzwonex::TRatingParts", "Dyscyplina")};

const char* const kDescriptions[kRatingPartCount] = {
    QT_TRANSLATE_NOOP("dzwonex::TRatingParts", "Kasa i bilans ostatnich 30 dni"),
    QT_TRANSLATE_NOOP("dzwonex::TRatingParts", "Abonenci i budki, liczeni według tego, co przynoszą"),
    QT_TRANSLATE_NOOP("dzwonex::TRatingParts", "Opinia i jej zmiana w ostatnich 30 dniach"),
    QT_TRANSLATE_NOOP("dzwonex::TRatingParts", "Jakość sprzętu: pełna od 0 do 50"),
    QT_TRANSLATE_NOOP("dzwonex::TRatingParts", "Zaległe sprawy i dni na minusie w ostatnich 30 dniach")};

}  // namespace

TShareBar::TShareBar(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void TShareBar::SetShare(double share) {
    share = std::clamp(share, 0.0, 1.0);
    if (share == share_) return;
    share_ = share;
    update();
}

void TShareBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBarBack);
    painter.fillRect(QRectF(0, 0, width() * share_, height()), kBarFill);
}

TRatingParts::TRatingParts(const QString& prefix, int columns, QWidget* parent)
    : QWidget(parent), columns_(std::max(1, columns)) {
    setObjectName(QStringLiteral("parts") + prefix);
    for (int i = 0; i < kRatingPartCount; ++i) {
        const QString key = prefix + QString::fromLatin1(kKeys[i]);
        auto* name = new QLabel(this);
        name->setObjectName(QStringLiteral("lbl") + key);
        auto* points = new QLabel(this);
        points->setObjectName(QStringLiteral("lblPunkty") + key);
        points->setAlignment(Qt::AlignRight | Qt::AlignTop);
        auto* bar = new TShareBar(this);
        bar->setObjectName(QStringLiteral("bar") + key);
        names_[static_cast<size_t>(i)] = name;
        points_[static_cast<size_t>(i)] = points;
        bars_[static_cast<size_t>(i)] = bar;
    }
    resize(345, RowsHeight());
    Show(Rating{});
}

QString TRatingParts::PartName(int part) { return tr(kNames[part]); }

QString TRatingParts::PartDescription(int part) { return tr(kDescriptions[part]); }

void TRatingParts::Show(const Rating& rating) {
    rating_ = rating;
    for (size_t i = 0; i < kRatingPartCount; ++i) {
        const int32_t most = Rating::kMaximum[i];
        points_[i]->setText(QStringLiteral("%1/%2").arg(rating.points[i]).arg(most));
        bars_[i]->SetShare(static_cast<double>(rating.points[i]) / most);
        // The points are read with the part's name.
        Describe(points_[i], PartName(static_cast<int>(i)),
                 tr("%1 z %2 punktów: %3").arg(rating.points[i]).arg(most).arg(PartDescription(static_cast<int>(i))));
        Describe(bars_[i], PartName(static_cast<int>(i)), tr("Pasek: %1 z %2 punktów").arg(rating.points[i]).arg(most));
    }
}

void TRatingParts::resizeEvent(QResizeEvent*) {
    // Columns with a gap between; a last row short of parts starts on the left.
    constexpr int kGap = 6, kTextHeight = 13, kBarHeight = 3;
    const int column = std::max(0, (width() - (columns_ - 1) * kGap) / columns_);
    // The points, right-aligned, as wide as the widest they can be.
    const int pointsWidth = std::min(column / 2, fontMetrics().horizontalAdvance(QStringLiteral("250/250")) + 1);
    for (int i = 0; i < kRatingPartCount; ++i) {
        const int left = (i % columns_) * (column + kGap);
        const int top = (i / columns_) * kRowStep;
        names_[static_cast<size_t>(i)]->setGeometry(left, top, column - pointsWidth, kTextHeight);
        points_[static_cast<size_t>(i)]->setGeometry(left + column - pointsWidth, top, pointsWidth, kTextHeight);
        bars_[static_cast<size_t>(i)]->setGeometry(left, top + kTextHeight + 1, column, kBarHeight);
    }
}

void TRatingParts::RetranslateUi() {
    for (int i = 0; i < kRatingPartCount; ++i) {
        QLabel* name = names_[static_cast<size_t>(i)];
        name->setText(PartName(i));
        name->setToolTip(PartDescription(i));
        points_[static_cast<size_t>(i)]->setToolTip(PartDescription(i));
        Describe(name, PartName(i), PartDescription(i));
    }
    Describe(this, tr("Części oceny"), tr("Pięć części oceny firmy i ich punkty"));
    Show(rating_);
}

}  // namespace dzwonex
