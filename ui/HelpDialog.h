#pragma once
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>

namespace dzwonex {

// The player's help in a window of its own beside the game; it does not
// stop the clock.
class THelpDialog : public QDialog {
    Q_OBJECT
public:
    explicit THelpDialog(QWidget* parent = nullptr);
    QPlainTextEdit* Text() const { return text_; }
    QPushButton* CloseButton() const { return close_; }

private:
    QPlainTextEdit* text_;
    QPushButton* close_;
};

}  // namespace dzwonex
