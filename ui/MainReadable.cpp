// The window's readable side put together, and the hooks the view calls
// after it wrote a text or a button's state.
#include "FeedbackLine.h"
#include "HistoryChart.h"
#include "Main.h"

namespace dzwonex {

void TfrmMain::BuildReadableControls() {
    BuildStatExtras();
    BuildFeedbackLine();
    BuildMapHints();
    BuildMenuExtras();
    BuildShortcuts();
    // The case text is read-only: no caret, though the keys still select.
    memSprawa->setCursorWidth(0);
}

void TfrmMain::TextShown(Control control) {
    switch (control) {
        case Control::lblKasa:
            ShowCashColour();
            break;
        case Control::lblSprzet:
            // The last of the day's money the turn writes.
            ShowDayAccount();
            break;
        case Control::lblSpeed2:
            // The date grew or shrank; the feedback line follows it.
            pnlDownResize();
            break;
        default:
            break;
    }
}

}  // namespace dzwonex
