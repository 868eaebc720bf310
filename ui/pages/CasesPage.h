#pragma once
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include "Controls.h"
#include "View.h"

namespace dzwonex {

// tabSprawy: the front case as a letter, with Tak, OK and Nie below it,
// and beside it "Ostatnie zmiany", what the latest answers and days
// changed. Enter's button is drawn as the default one: OK on a message,
// Tak on a question.
class CasesPage : public TPanel {
    Q_OBJECT
public:
    explicit CasesPage(QWidget* parent = nullptr);

    void ShowTitle(const QString& title);
    // Lines end in "\r\n" as the game writes them.
    void ShowBody(const QString& body);
    void SetButtonEnabled(Button button, bool enabled);
    // A change for the log, which keeps the latest kLogSize, newest first.
    static constexpr int kLogSize = 20;
    void LogChange(const QString& entry);
    // Another company is in play: its log starts empty.
    void ClearChanges();
    const QStringList& LoggedChanges() const { return changes_; }
    // What a press of the button does, and nothing while it is off.
    void AnswerByKey(Button button);
    // Enter: a focused button of the window is pressed; otherwise, when the
    // case is to be answered (its page is shown), OK on a message, Tak on a
    // question.
    void PressDefaultButton(bool answerCase = true);
    void RetranslateUi();

signals:
    void YesClicked();
    void NoClicked();
    void OkClicked();

protected:
    bool event(QEvent* event) override;

private:
    void ChainFocus();
    void btnOKClick();
    void btnYesClick();
    void btnNoClick();
    void tabSprawyResize();
    void pnlSprawaResize();
    void PlaceLog();
    void ShowChanges();
    void ButtonsShown();
    QPushButton* ButtonOf(Button button) const;

    TPanel* pnlSprawa_;
    TShape* shapeSprawa_;
    QLabel* lblTytul_;
    QPlainTextEdit* memSprawa_;
    QPushButton* btnYes_;
    QPushButton* btnOK_;
    QPushButton* btnNo_;
    QLabel* lblZmiany_;
    QPlainTextEdit* memZmiany_;
    QStringList changes_;
};

}  // namespace dzwonex
