// The feedback line beside the date: after an answer, a press on the map
// or a day, what changed, then it fades.
#include <algorithm>

#include "Amounts.h"
#include "Changes.h"
#include "FeedbackLine.h"
#include "Main.h"
#include "MapHints.h"

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
    const std::vector<std::string> parts = DescribeChanges(before, CompanyLook::Of(*game_));
    lblZmiany->Tell(parts.empty() ? QStringLiteral("Bez zmian") : QString::fromStdString(JoinChanges(parts)));
}

void TfrmMain::TellMapPress() {
    // The press only asked a question; tell what Tak would do.
    const Case* c = game_->CurrentCase();
    if (!c) return;
    const QString dot = QString::fromUtf8(" \xC2\xB7 ");
    const QString minus = QString::fromUtf8("\xE2\x88\x92");
    if (c->kind == ckDisconnect) {
        const QString kind = c->param == skBooth ? QStringLiteral("Budki") : KindName(c->param);
        lblZmiany->Tell(QStringLiteral("Po Tak: ") + kind + QStringLiteral(" ") + minus + QStringLiteral("1") + dot +
                        QString::fromUtf8("Opinia w dół"));
    } else if (c->kind == ckBooth) {
        lblZmiany->Tell(QStringLiteral("Po Tak: Kasa ") + minus +
                        QString::fromStdString(FormatAmount(Company::kBoothPrice)) + QString::fromUtf8(" zł") + dot +
                        QStringLiteral("Budki +1") + dot + QString::fromUtf8("Opinia w górę"));
    }
}

}  // namespace dzwonex
