// The inbox: cases queue up at the back or jump the queue at the front;
// only the front case is shown.
#include <algorithm>

#include "Amounts.h"
#include "Company.h"
#include "Limits.h"
#include "Texts.h"

namespace dzwonex {

bool Company::InboxFull() const { return cases_.size() >= kMaxCases; }

Case& Company::AppendCase() { return cases_.emplace_back(); }

Case& Company::PushCase() { return cases_.emplace_front(); }

void Company::ShowCurrentCase() {
    if (cases_.empty()) {
        view_.SetText(Control::lblTytul, "");
        view_.SetText(Control::memSprawa, "");
        view_.SetButtonEnabled(Button::btnYes, false);
        view_.SetButtonEnabled(Button::btnNo, false);
        view_.SetButtonEnabled(Button::btnOK, false);
    } else {
        const Case& current = cases_.front();
        view_.SetText(Control::lblTytul, current.title);
        view_.SetText(Control::memSprawa, current.body);
        if (current.kind == ckInfo) {
            view_.SetButtonEnabled(Button::btnYes, false);
            view_.SetButtonEnabled(Button::btnNo, false);
            view_.SetButtonEnabled(Button::btnOK, true);
        } else if (current.kind >= ckDisconnect && current.kind <= kLastCaseKind) {
            view_.SetButtonEnabled(Button::btnYes, true);
            view_.SetButtonEnabled(Button::btnNo, true);
            view_.SetButtonEnabled(Button::btnOK, false);
        }
        // An unknown kind leaves the buttons as they were.
    }
    const auto count = static_cast<int32_t>(std::min<size_t>(cases_.size(), 2147483647u));
    view_.SetText(Control::tabSprawy, Fill(Texts(language_).casesTab, {FormatAmount(count, language_)}));
}

void Company::BringToFront(size_t index) {
    if (index == 0 || index >= cases_.size()) return;
    Case picked = std::move(cases_[index]);
    cases_.erase(cases_.begin() + static_cast<std::ptrdiff_t>(index));
    cases_.push_front(std::move(picked));
    ShowCurrentCase();
}

void Company::DismissFrontCase() {
    // The sound comes first and on every press, even with nothing to dismiss.
    view_.PlayButtonSound();
    if (cases_.empty()) return;
    cases_.pop_front();
    ShowCurrentCase();
}

}  // namespace dzwonex
