#include "Controls.h"

#include <algorithm>

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStyleOptionProgressBar>
#include <QTextDocument>
#include <QtMath>

namespace dzwonex {

QStringList FirstInstalled(const QStringList& families) {
    // Looking up a face that is not installed has fontconfig rank stand-ins
    // for it, about half a millisecond a font, before the next face is
    // tried; the first installed one is what would be chosen anyway. With
    // none installed, the stand-ins are all there is.
    static const QStringList installed = QFontDatabase::families();
    for (const QString& family : families)
        if (installed.contains(family)) return {family};
    return families;
}

QFont WindowFont(bool bold) {
    // "MS Sans Serif" where it exists, a plain sans-serif face elsewhere.
    QFont font;
    font.setFamilies(FirstInstalled({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")}));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setBold(bold);
    return font;
}

QFont CaseFont() {
    QFont font;
    font.setFamilies(FirstInstalled({QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono")}));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(12);
    return font;
}

void SetBounds(QWidget* control, const QRect& bounds) {
    const QSize before = control->size();
    control->setGeometry(bounds);
    // A visible control got its resize event inside setGeometry; a hidden
    // one would only get it when shown, so its rule runs now. The rules
    // only place children, so running one twice does no harm.
    if (!control->isVisible() && control->size() != before) {
        if (auto* panel = qobject_cast<TPanel*>(control); panel && panel->OnResize) panel->OnResize();
    }
}

namespace {
const char* const kPlannedWidth = "plannedWidth";
}

void ShowCaption(QLabel* label, const QString& text) {
    label->setText(text);
    const QVariant planned = label->property(kPlannedWidth);
    if (!planned.isValid() || (label->alignment() & Qt::AlignHorizontal_Mask) != Qt::AlignLeft) return;
    const int needed = text.isEmpty() ? 0 : label->fontMetrics().horizontalAdvance(text) + 1;
    label->resize(std::max(planned.toInt(), needed), label->height());
}

void SetPlannedWidth(QLabel* label, int width) { label->setProperty(kPlannedWidth, width); }

QString PlainToolTip(const QString& text) {
    if (!Qt::mightBeRichText(text)) return text;
    return QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>").arg(text.toHtmlEscaped());
}

QLabel* FixedLabel(QWidget* parent, const char* name, const QString& text, const QRect& bounds, bool bold,
                   Qt::Alignment align) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(QString::fromLatin1(name));
    if (bold) label->setFont(WindowFont(true));
    label->setAlignment(align | Qt::AlignTop);
    label->setGeometry(bounds);
    SetPlannedWidth(label, bounds.width());
    ShowCaption(label, text);
    return label;
}

QLabel* AutoLabel(QWidget* parent, const char* name, const QString& text, const QPoint& at) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    label->adjustSize();
    return label;
}

TPanel* Panel(QWidget* parent, const char* name) {
    auto* panel = new TPanel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    return panel;
}

TShape* Shape(QWidget* parent, const char* name, const QRect& bounds, const QColor& fill) {
    auto* shape = new TShape(fill, kBoxFrame, parent);
    shape->setObjectName(QString::fromLatin1(name));
    shape->setGeometry(bounds);
    return shape;
}

void Describe(QWidget* control, const QString& name, const QString& description) {
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

TPanel::TPanel(QWidget* parent, const QColor& colour) : QWidget(parent) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
    setAutoFillBackground(true);
}

void TPanel::resizeEvent(QResizeEvent*) {
    if (OnResize) OnResize();
}

TShape::TShape(const QColor& fill, const QColor& frame, QWidget* parent) : QWidget(parent), fill_(fill), frame_(frame) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), fill_);
    painter.setPen(frame_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TPressLabel::mousePressEvent(QMouseEvent* event) {
    emit MouseDown();
    event->accept();
}

void TPaintBox::paintEvent(QPaintEvent*) {
    if (!OnPaint) return;
    QPainter painter(this);
    OnPaint(painter);
}

void TPaintBox::mousePressEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    emit MouseDown(qFloor(pos.x()), qFloor(pos.y()));
    event->accept();
}

TSpeedGauge::TSpeedGauge(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::StrongFocus); }

void TSpeedGauge::SetPosition(int position) {
    position = std::clamp(position, kMinimum, kMaximum);
    if (position == position_) return;
    position_ = position;
    update();
}

void TSpeedGauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionProgressBar option;
    option.initFrom(this);
    option.minimum = kMinimum;
    option.maximum = kMaximum;
    option.progress = position_;
    option.textVisible = false;
    option.state |= QStyle::State_Horizontal;
    style()->drawControl(QStyle::CE_ProgressBar, &option, &painter, this);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void TSpeedGauge::keyPressEvent(QKeyEvent* event) {
    int delta = 0;
    switch (event->key()) {
        case Qt::Key_Right:
        case Qt::Key_Up:
            delta = 1;
            break;
        case Qt::Key_Left:
        case Qt::Key_Down:
            delta = -1;
            break;
        case Qt::Key_PageUp:
            delta = 5;
            break;
        case Qt::Key_PageDown:
            delta = -5;
            break;
        case Qt::Key_End:
            delta = kMaximum;
            break;
        case Qt::Key_Home:
            delta = -kMaximum;
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    emit KeyStep(delta);
    event->accept();
}

void TSpeedGauge::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(qFloor(event->position().x()));
    event->accept();
}

void TSpeedGauge::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(qFloor(event->position().x()));
    event->accept();
}

void TSpeedGauge::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseUp();
    event->accept();
}

TButtonTabBar::TButtonTabBar(QWidget* parent) : QTabBar(parent) {
    setDrawBase(false);
    setExpanding(false);
    setElideMode(Qt::ElideRight);
    // Only for the hot tab: the bar hears moves while the pointer is over it.
    setMouseTracking(true);
}

QSize TButtonTabBar::tabSizeHint(int) const { return {kButtonWidth + kGap, kButtonHeight}; }

QSize TButtonTabBar::minimumTabSizeHint(int index) const { return tabSizeHint(index); }

QRect TButtonTabBar::ButtonRect(int index) const {
    QRect r = tabRect(index);
    r.setWidth(kButtonWidth);
    return r;
}

void TButtonTabBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int i = 0; i < count(); ++i) {
        QStyleOptionButton option;
        option.initFrom(this);
        option.rect = ButtonRect(i);
        option.text = tabText(i);
        option.state &= ~(QStyle::State_MouseOver | QStyle::State_HasFocus);
        if (i == currentIndex())
            option.state |= QStyle::State_Sunken | QStyle::State_On;
        else
            option.state |= QStyle::State_Raised;
        if (i == hot_) option.state |= QStyle::State_MouseOver;
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
        if (i == currentIndex() && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = option.rect.adjusted(3, 3, -3, -3);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
}

void TButtonTabBar::SetHot(int index) {
    if (index == hot_) return;
    hot_ = index;
    update();
}

void TButtonTabBar::mouseMoveEvent(QMouseEvent* event) {
    const int index = tabAt(event->position().toPoint());
    SetHot(index >= 0 && ButtonRect(index).contains(event->position().toPoint()) ? index : -1);
    QTabBar::mouseMoveEvent(event);
}

void TButtonTabBar::leaveEvent(QEvent* event) {
    SetHot(-1);
    QTabBar::leaveEvent(event);
}

TPageControl::TPageControl(QWidget* parent) : QWidget(parent), tabs_(new TButtonTabBar(this)) {
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        ShowPage(index);
        if (!programmatic_ && index >= 0) emit Change();
    });
}

int TPageControl::AddPage(QWidget* page, const QString& caption) {
    page->setParent(this);
    pages_.push_back(page);
    page->setVisible(false);
    programmatic_ = true;
    const int index = tabs_->addTab(caption);
    programmatic_ = false;
    ShowPage(tabs_->currentIndex());
    LayoutPages();
    return index;
}

void TPageControl::SetActivePage(int index) {
    programmatic_ = true;
    tabs_->setCurrentIndex(index);
    programmatic_ = false;
}

int TPageControl::ActivePageIndex() const { return tabs_->currentIndex(); }

void TPageControl::SetCaption(int index, const QString& caption) { tabs_->setTabText(index, caption); }

QRect TPageControl::PageRect() const {
    return {kMargin, kPagesTop, width() - 2 * kMargin, height() - kPagesTop - kMargin};
}

void TPageControl::ShowPage(int index) {
    // The new page shows before the old one hides, so nothing flickers.
    if (index >= 0 && index < static_cast<int>(pages_.size())) pages_[static_cast<size_t>(index)]->setVisible(true);
    for (int i = 0; i < static_cast<int>(pages_.size()); ++i)
        if (i != index) pages_[static_cast<size_t>(i)]->setVisible(false);
}

void TPageControl::LayoutPages() {
    tabs_->setGeometry(kMargin, 2, std::max(0, width() - 2 * kMargin), TButtonTabBar::kButtonHeight);
    const QRect pages = PageRect();
    for (QWidget* page : pages_) SetBounds(page, pages);
}

void TPageControl::resizeEvent(QResizeEvent*) { LayoutPages(); }

}  // namespace dzwonex
