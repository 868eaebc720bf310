// The inbox: cases queue up at the back or jump the queue at the front;
// only the front case is shown.
#include "Amounts.h"
#include "Game.h"

namespace dzwonex {

TSprawa& TGame::AppendCase() {
    FCases.push_back(std::make_unique<TSprawa>());
    return *FCases.back();
}

TSprawa& TGame::PushCase() {
    FCases.push_front(std::make_unique<TSprawa>());
    return *FCases.front();
}

void TGame::ShowCurrentCase() {
    if (FCases.empty()) {
        FView.SetText(Control::lblTytul, "");
        FView.SetText(Control::memSprawa, "");
        FView.SetButtonEnabled(Button::btnYes, false);
        FView.SetButtonEnabled(Button::btnNo, false);
        FView.SetButtonEnabled(Button::btnOK, false);
    } else {
        const TSprawa& current = *FCases.front();
        FView.SetText(Control::lblTytul, current.Title);
        FView.SetText(Control::memSprawa, current.Body);
        if (current.Kind == ckInfo) {
            FView.SetButtonEnabled(Button::btnYes, false);
            FView.SetButtonEnabled(Button::btnNo, false);
            FView.SetButtonEnabled(Button::btnOK, true);
        } else if (current.Kind >= ckDisconnect && current.Kind <= ckQuality) {
            FView.SetButtonEnabled(Button::btnYes, true);
            FView.SetButtonEnabled(Button::btnNo, true);
            FView.SetButtonEnabled(Button::btnOK, false);
        }
        // An unknown kind leaves the buttons as they were.
    }
    const auto count = static_cast<int32_t>(std::min<size_t>(FCases.size(), 2147483647u));
    FView.SetText(Control::tabSprawy, "Sprawy (" + FormatAmount(count) + ")");
}

void TGame::btnOKClick() {
    // The sound comes first and on every press, even with nothing to dismiss.
    FView.PlayButtonSound();
    if (FCases.empty()) return;
    FCases.pop_front();
    ShowCurrentCase();
}

}  // namespace dzwonex
