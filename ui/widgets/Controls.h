#pragma once
#include <functional>
#include <vector>

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QTabBar>
#include <QWidget>

namespace dzwonex {

// The window's colours.
inline const QColor kWhite{255, 255, 255};
inline const QColor kBoxFill{236, 233, 216};
inline const QColor kBoxFrame{192, 192, 192};

// The first of `families` installed here, or all of them when none is.
QStringList FirstInstalled(const QStringList& families);
// The window's font: an 11 px sans-serif face, regular unless asked bold.
QFont WindowFont(bool bold = false);
// The case text's fixed-pitch 12 px face.
QFont CaseFont();

// Sets a control's bounds. Like a native control, it hears about a change
// of its size at once, also while it is hidden (Qt would hold the resize
// event back until the control is shown).
void SetBounds(QWidget* control, const QRect& bounds);

// A label's caption. A label that knows its planned width (SetPlannedWidth)
// and is aligned left grows to the right when the caption does not fit, as
// a stand-in font or a translation may need, instead of cutting it; it
// comes back to the planned width when the caption fits again.
void ShowCaption(QLabel* label, const QString& text);
void SetPlannedWidth(QLabel* label, int width);

class TPanel;
class TShape;

// A tooltip that shows `text` as it is. Qt takes a tooltip that looks like
// HTML for HTML, and a saved game's text may look so (and name a file to
// load as a picture): such a text is given escaped.
QString PlainToolTip(const QString& text);

// The builders every page uses: each names its control as the layout does.
// Their labels show plain text: never markup, links or pictures.
// A label of fixed bounds, its caption shown as ShowCaption does.
QLabel* FixedLabel(QWidget* parent, const char* name, const QString& text, const QRect& bounds, bool bold = false,
                   Qt::Alignment align = Qt::AlignLeft);
// A label as large as its text.
QLabel* AutoLabel(QWidget* parent, const char* name, const QString& text, const QPoint& at);
TPanel* Panel(QWidget* parent, const char* name);
TShape* Shape(QWidget* parent, const char* name, const QRect& bounds, const QColor& fill);
// A control's name and description for screen readers.
void Describe(QWidget* control, const QString& name, const QString& description);

// A plain white panel without a bevel. OnResize runs whenever its size
// changes.
class TPanel : public QWidget {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent = nullptr, const QColor& colour = kWhite);
    std::function<void()> OnResize;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

// A filled rectangle with a one-pixel outline.
class TShape : public QWidget {
    Q_OBJECT
public:
    TShape(const QColor& fill, const QColor& frame, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
    QColor frame_;
};

// A label that reports a press of any mouse button.
class TPressLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void MouseDown();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// A paint box: paints through OnPaint, reports presses of any button.
class TPaintBox : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    std::function<void(QPainter&)> OnPaint;

signals:
    void MouseDown(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// The speed gauge: shows its position 0..10 as a filled share of its
// length. It is a display, not a slider: no thumb; it reports the mouse
// with x relative to its left edge, also while the pointer is outside it
// during a drag (the pressed button holds the pointer), and the arrow keys
// while it has the focus as steps to take.
class TSpeedGauge : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinimum = 0;
    static constexpr int kMaximum = 10;

    explicit TSpeedGauge(QWidget* parent = nullptr);
    // Clamped to 0..10.
    void SetPosition(int position);
    int Position() const { return position_; }

signals:
    void MouseDown(int x);
    void MouseMove(int x);
    void MouseUp();
    // Right or Up: +1, Left or Down: -1, Page Up/Down: 5, Home and End:
    // to either end.
    void KeyStep(int delta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int position_ = 5;
};

// Tabs drawn as push buttons, each 100 px wide; the one under the pointer
// is highlighted and the active one stays pressed.
class TButtonTabBar : public QTabBar {
    Q_OBJECT
public:
    static constexpr int kButtonWidth = 100;
    static constexpr int kButtonHeight = 23;
    static constexpr int kGap = 3;

    explicit TButtonTabBar(QWidget* parent = nullptr);
    // The button drawn for a tab.
    QRect ButtonRect(int index) const;
    int HotIndex() const { return hot_; }

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void SetHot(int index);
    int hot_ = -1;
};

// The page control: a row of button tabs over the pages. Change is
// emitted only when the player picks another page; the program's own
// SetActivePage is silent, and picking the page already shown is no change.
class TPageControl : public QWidget {
    Q_OBJECT
public:
    // The pages sit 4 px inside the control's sides and bottom, below the tabs.
    static constexpr int kMargin = 4;
    static constexpr int kPagesTop = 27;

    explicit TPageControl(QWidget* parent = nullptr);
    // Adds a page and takes ownership of it.
    int AddPage(QWidget* page, const QString& caption);
    void SetActivePage(int index);
    int ActivePageIndex() const;
    QWidget* Page(int index) const { return pages_.at(static_cast<size_t>(index)); }
    TButtonTabBar* TabBar() const { return tabs_; }
    void SetCaption(int index, const QString& caption);
    // Where the pages lie in the control.
    QRect PageRect() const;

signals:
    void Change();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowPage(int index);
    void LayoutPages();
    TButtonTabBar* tabs_;
    std::vector<QWidget*> pages_;
    bool programmatic_ = false;
};

}  // namespace dzwonex
