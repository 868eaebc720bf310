// The keys: T (or Y, for Yes), N and O answer the front case, Enter presses the default
// button, + and - step the speed, P or Pause pauses and resumes, Ctrl+1 to
// Ctrl+4 and Ctrl+Tab pick pages, F1 opens the help. Speed changes go
// through the company's gauge operations, as a press on the gauge would.
#include <algorithm>

#include <QApplication>
#include <QShortcut>

#include "HelpDialog.h"
#include "Main.h"

namespace dzwonex {

void TfrmMain::BuildShortcuts() {
    auto keys = [this](std::initializer_list<QKeySequence> sequences, const std::function<void()>& run) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(QList<QKeySequence>(sequences));
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this, run);
    };
    keys({Qt::Key_T, Qt::ALT | Qt::Key_T, Qt::Key_Y, Qt::ALT | Qt::Key_Y}, [this] { AnswerByKey(btnYes); });
    keys({Qt::Key_N, Qt::ALT | Qt::Key_N}, [this] { AnswerByKey(btnNo); });
    keys({Qt::Key_O, Qt::ALT | Qt::Key_O}, [this] { AnswerByKey(btnOK); });
    keys({Qt::Key_Return, Qt::Key_Enter, Qt::KeypadModifier | Qt::Key_Enter}, [this] { PressDefaultButton(); });
    keys({Qt::Key_Plus, Qt::Key_Equal, Qt::SHIFT | Qt::Key_Plus, Qt::KeypadModifier | Qt::Key_Plus},
         [this] { StepSpeed(+1); });
    keys({Qt::Key_Minus, Qt::KeypadModifier | Qt::Key_Minus}, [this] { StepSpeed(-1); });
    keys({Qt::Key_P, Qt::Key_Pause}, [this] { TogglePause(); });
    for (int i = 0; i < 4; ++i) keys({QKeySequence(Qt::CTRL | (Qt::Key_1 + i))}, [this, i] { PickPage(i); });
    keys({Qt::CTRL | Qt::Key_Tab}, [this] { PickPage((PageControl->ActivePageIndex() + 1) % 4); });
    keys({Qt::CTRL | Qt::Key_Backtab, Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab},
         [this] { PickPage((PageControl->ActivePageIndex() + 3) % 4); });
    keys({Qt::Key_F1}, [this] { ShowHelp(); });

    // The gauge takes the focus and moves with the arrow keys.
    connect(progressSpeed, &TSpeedGauge::KeyStep, this, &TfrmMain::StepSpeed);
    ButtonsShown();
}

void TfrmMain::AnswerByKey(QPushButton* button) {
    // Exactly what a press of the button does, and nothing while it is off.
    if (button->isEnabled()) button->click();
}

void TfrmMain::PressDefaultButton() {
    // A focused button other than the case's own is pressed; otherwise
    // the case's default answer.
    if (auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        focused && focused->window() == this && focused->isEnabled() && focused->isVisible()) {
        focused->click();
        return;
    }
    if (btnOK->isEnabled())
        btnOK->click();
    else if (btnYes->isEnabled())
        btnYes->click();
}

void TfrmMain::ButtonsShown() {
    // Enter's button is drawn as the default one: OK on a message, Tak on
    // a question.
    btnOK->setDefault(btnOK->isEnabled());
    btnYes->setDefault(!btnOK->isEnabled() && btnYes->isEnabled());
}

void TfrmMain::StepSpeed(int delta) {
    if (game_->SpeedDragging()) return;  // the mouse has the gauge
    const int target = std::clamp(game_->SpeedPosition() + delta, TSpeedGauge::kMinimum, TSpeedGauge::kMaximum);
    if (target == game_->SpeedPosition()) return;
    // The first pixel of the target's band on the gauge.
    const int width = SpeedGaugeWidth();
    game_->PressSpeedGauge((target * width + 9) / 10);
    game_->ReleaseSpeedGauge();
}

void TfrmMain::TogglePause() {
    const int position = game_->SpeedPosition();
    StepSpeed(position > 0 ? -position : resumeSpeed_);
}

void TfrmMain::PickPage(int index) {
    // As the player's own pick: the page sounds when it changes.
    PageControl->TabBar()->setCurrentIndex(index);
}

void TfrmMain::ShowHelp() {
    if (!frmPomoc) frmPomoc = new THelpDialog(language_, this);
    frmPomoc->show();
    frmPomoc->raise();
    frmPomoc->activateWindow();
}

}  // namespace dzwonex
