#include "MilestonePanel.h"

#include <algorithm>

#include <QApplication>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "Controls.h"

namespace dzwonex {

namespace {

QLabel* NoteLabel(QWidget* parent, const char* name, bool bold) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    // A milestone's words are the game's own: shown as they are.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFont(WindowFont(bold));
    return label;
}

}  // namespace

TMilestonePanel::TMilestonePanel(QWidget* parent)
    : QFrame(parent),
      lblTytul_(NoteLabel(this, "lblOsiagniecie", true)),
      lblNazwa_(NoteLabel(this, "lblNazwaOsiagniecia", true)),
      lblOpis_(NoteLabel(this, "lblOpisOsiagniecia", false)) {
    setObjectName(QStringLiteral("pnlOsiagniecie"));
    // A note over the game: the keys stay where they were.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QApplication::palette().color(QPalette::ToolTipBase));
    pal.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::ToolTipText));
    setPalette(pal);
    setCursor(Qt::PointingHandCursor);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(3);
    layout->addWidget(lblTytul_);
    layout->addWidget(lblNazwa_);
    layout->addWidget(lblOpis_);
    hideTimer_.setSingleShot(true);
    hideTimer_.setInterval(kShowMs);
    connect(&hideTimer_, &QTimer::timeout, this, &QWidget::hide);
    RetranslateUi();
    hide();
}

void TMilestonePanel::Announce(const QString& name, const QString& how) {
    lblNazwa_->setText(name);
    lblOpis_->setText(how);
    setAccessibleDescription(name + QStringLiteral(". ") + how);
    setFixedWidth(kWidth);
    setFixedHeight(heightForWidth(kWidth) > 0 ? heightForWidth(kWidth) : sizeHint().height());
    PlaceIn(area_);
    show();
    raise();
    hideTimer_.start();
}

void TMilestonePanel::PlaceIn(const QRect& area) {
    area_ = area;
    move(std::max(area.left(), area.right() + 1 - width() - 8), std::max(area.top(), area.bottom() + 1 - height() - 8));
}

void TMilestonePanel::RetranslateUi() {
    lblTytul_->setText(tr("Osiągnięcie!"));
    setToolTip(tr("Kliknij, aby zamknąć"));
    Describe(this, tr("Osiągnięcie"), tr("Osiągnięcie zdobyte przed chwilą; kliknij, aby zamknąć"));
    Describe(lblTytul_, tr("Osiągnięcie"), tr("Nagłówek notki"));
    Describe(lblNazwa_, tr("Nazwa osiągnięcia"), tr("Co zostało osiągnięte"));
    Describe(lblOpis_, tr("Opis osiągnięcia"), tr("Jak je zdobyć"));
}

void TMilestonePanel::mousePressEvent(QMouseEvent* event) {
    hideTimer_.stop();
    hide();
    event->accept();
}

}  // namespace dzwonex
