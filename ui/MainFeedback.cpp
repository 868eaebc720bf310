// The feedback line beside the date: after an answer, a press on the map
// or a day, what changed, then it fades.
#include <algorithm>

#include "Changes.h"
#include "FeedbackLine.h"
#include "Main.h"

namespace dzwonex {

namespace {
constexpr int kGapAfterDate = 16;
}

void TfrmMain::BuildFeedbackLine() {
    lblZmiany = new TFeedbackLine(pnlDown);
    lblZmiany->setObjectName(QStringLiteral("lblZmiany"));
    pnlDown->OnResize = [this] { pnlDownResize(); };
    pnlDownResize();
}

void TfrmMain::pnlDownResize() {
    if (!lblZmiany) return;
    // From just right of the date to the panel's edge; the date's label
    // grows with its text, and the line moves with it.
    const int left = lblSpeed2->x() + lblSpeed2->width() + kGapAfterDate;
    lblZmiany->setGeometry(left, lblSpeed2->y(), std::max(0, pnlDown->width() - left - 4), lblSpeed2->height());
}

void TfrmMain::Reported(const std::function<void()>& action) {
    const CompanyLook before = CompanyLook::Of(*game_);
    action();
    const std::vector<std::string> parts = DescribeChanges(before, CompanyLook::Of(*game_), language_);
    lblZmiany->Tell(parts.empty() ? tr("Bez zmian") : QString::fromStdString(JoinChanges(parts)));
}

void TfrmMain::TellMapPress() {
    // The press only asked a question; tell what Tak would do.
    const Case* c = game_->CurrentCase();
    if (!c) return;
    std::vector<std::string> parts;
    if (c->kind == ckDisconnect) {
        parts = {KindChange(c->param, -1, language_), tr("Opinia w dół").toStdString()};
    } else if (c->kind == ckBooth) {
        parts = {CashChange(-Company::kBoothPrice, language_), KindChange(skBooth, +1, language_),
                 tr("Opinia w górę").toStdString()};
    } else {
        return;
    }
    lblZmiany->Tell(tr("Po Tak: %1").arg(QString::fromStdString(JoinChanges(parts))));
}

}  // namespace dzwonex
