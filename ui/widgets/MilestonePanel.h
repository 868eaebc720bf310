#pragma once
#include <QFrame>
#include <QLabel>
#include <QTimer>

namespace dzwonex {

// A milestone reached, told in a small note over the pages: its name and
// how it was reached. It never takes the focus, never stops the clock and
// goes away by itself after kShowMs, or at once on a click. The timer is
// reachable so that a test can fire it instead of waiting.
class TMilestonePanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kShowMs = 8000;
    // As wide as the log beside the letter at the design size, so an
    // answer's button is never under it.
    static constexpr int kWidth = 180;

    explicit TMilestonePanel(QWidget* parent = nullptr);

    // Shows the note (a later one replaces it) for kShowMs from now.
    void Announce(const QString& name, const QString& how);
    // The note stands in the bottom right corner of `area` (the pages, in
    // the parent's coordinates), over the log's oldest entries.
    void PlaceIn(const QRect& area);
    QString Name() const { return lblNazwa_->text(); }
    QString How() const { return lblOpis_->text(); }
    QTimer* HideTimer() { return &hideTimer_; }
    void RetranslateUi();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QLabel* lblTytul_;
    QLabel* lblNazwa_;
    QLabel* lblOpis_;
    QTimer hideTimer_;
    QRect area_;
};

}  // namespace dzwonex
