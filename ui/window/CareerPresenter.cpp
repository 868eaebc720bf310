#include "CareerPresenter.h"

#include <QPushButton>
#include <QStringList>

#include "GameClock.h"
#include "MilestonePanel.h"
#include "StatisticsPage.h"
#include "StatusBar.h"
#include "TermReportPage.h"
#include "Translations.h"

namespace dzwonex {

CareerPresenter::CareerPresenter(GameSession& session, CareerFiles& files, GameClock& clock, QObject* parent)
    : QObject(parent), session_(session), files_(files), clock_(clock) {}

std::vector<QString> CareerPresenter::Load() {
    std::vector<QString> problems;
    session_.AdoptBook(files_.Load(problems));
    return problems;
}

void CareerPresenter::ShowRating() { ShowRating(session_.CurrentRating()); }

void CareerPresenter::ShowRating(const Rating& rating) {
    screen_.statistics->ShowRating(rating, session_.CurrentTerm(), session_.Game().Day());
}

void CareerPresenter::Announce(const std::vector<MilestoneId>& reached) {
    if (reached.empty()) return;
    QStringList names;
    QStringList hows;
    for (MilestoneId id : reached) {
        names << QString::fromUtf8(MilestoneName(id, InstalledLanguage()));
        hows << QString::fromUtf8(MilestoneHow(id, InstalledLanguage()));
    }
    const QString name = names.join(QString::fromUtf8(" \xC2\xB7 "));
    // Each is told once, in a note over the pages that leaves the clock and
    // the keys alone, and kept in the log.
    if (screen_.milestone) screen_.milestone->Announce(name, hows.join(QLatin1Char('\n')));
    emit Reached(tr("Osiągnięcie: %1").arg(name));
    emit Changed();
}

void CareerPresenter::ShowTermReport(int32_t place) {
    const Term& term = session_.CurrentTerm();
    servedYears_ = term.years;
    screen_.report->ShowReport(ReportOf(term), files_.Table().Table(term.years), place);
    screen_.report->show();
    screen_.report->raise();
    screen_.report->PlayOnButton()->setFocus();
    // The clock waits while the player reads.
    clock_.Hold(PauseReason::Report);
    if (place > 0) emit Changed();
}

int32_t CareerPresenter::RecordsLength() const {
    const Term& term = session_.CurrentTerm();
    return term.Chosen() ? term.years : servedYears_;
}

bool CareerPresenter::ReportShown() const { return screen_.report && screen_.report->isVisible(); }

void CareerPresenter::HideReport() {
    screen_.report->hide();
    clock_.Drop(PauseReason::Report);
}

void CareerPresenter::PlayOn() {
    // Only an ended term has a report to close.
    if (session_.CurrentTerm().Running()) return;
    session_.CloseTerm();
    screen_.report->hide();
    ShowRating();
    clock_.Release(PauseReason::Report);
}

}  // namespace dzwonex
