#pragma once
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>

#include "Language.h"

namespace dzwonex {

// The player's help in a window of its own beside the game. The main window
// stops the clock while it is open.
class THelpDialog : public QDialog {
    Q_OBJECT
public:
    explicit THelpDialog(Language language, QWidget* parent = nullptr);
    // The help in the language, and the dialog's words in the one installed.
    void SetLanguage(Language language);
    QPlainTextEdit* Text() const { return text_; }
    QPushButton* CloseButton() const { return close_; }

private:
    QPlainTextEdit* text_;
    QPushButton* close_;
};

}  // namespace dzwonex
