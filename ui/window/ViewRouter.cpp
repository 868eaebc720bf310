#include "ViewRouter.h"

#include "BannerBar.h"
#include "CasesPage.h"
#include "Changes.h"
#include "Controls.h"
#include "GameClock.h"
#include "GameSession.h"
#include "GameSound.h"
#include "MapPage.h"
#include "Standing.h"
#include "StatisticsPage.h"
#include "StatusBar.h"
#include "Translations.h"

namespace dzwonex {

namespace {

void AddUp(Effects& sum, const Effects& more) {
    sum.cash += more.cash;
    sum.opinion += more.opinion;
    sum.quality += more.quality;
    for (size_t k = 0; k < sum.counts.size(); ++k) sum.counts[k] += more.counts[k];
    sum.newCases += more.newCases;
}

}  // namespace

ViewRouter::ViewRouter(GameClock& clock, GameSound& sound) : clock_(clock), sound_(sound) {}

ViewRouter::~ViewRouter() { QObject::disconnect(standingWanted_); }

void ViewRouter::Attach(const Screen& screen) {
    QObject::disconnect(standingWanted_);
    screen_ = screen;
    attached_ = true;
    if (screen_.statistics)
        standingWanted_ =
            QObject::connect(screen_.statistics, &TLazyPage::Built, screen_.statistics, [this] { ShowStanding(); });
}

void ViewRouter::WithTextsHeld(const std::function<void()>& work) {
    const bool outermost = !holdingTexts_;
    holdingTexts_ = true;
    auto showHeld = [this] {
        holdingTexts_ = false;
        // Each shown as the game now stands, whatever came between.
        for (const auto& [control, text] : heldTexts_) ShowText(control, text);
        heldTexts_.clear();
    };
    try {
        work();
    } catch (...) {
        if (outermost) showHeld();
        throw;
    }
    if (outermost) showHeld();
}

void ViewRouter::BeginGroup(Action action) {
    group_.emplace();
    group_->action = action;
    groupAnswered_ = 0;
}

ActionReport ViewRouter::EndGroup() {
    const ActionReport sum = group_.value_or(ActionReport{});
    group_.reset();
    return sum;
}

void ViewRouter::ShowCourse() {
    if (!attached_ || !session_) return;
    screen_.statistics->ShowHistory(session_->CompanyHistory());
    ShowStanding();
}

void ViewRouter::ShowStanding() {
    // Read off the rules only for a page that shows it; Statystyka asks
    // when it is first shown.
    if (!attached_ || !session_ || !screen_.statistics->IsBuilt()) return;
    const Company& game = session_->Game();
    const History& history = session_->CompanyHistory();
    const int32_t today = game.Day();
    StatisticsPage::Standing standing;
    standing.opinionBand = BandOfOpinion(game.Opinion());
    standing.qualityBand = BandOfQuality(game.Quality());
    standing.opinionChange = OpinionChange(history, today, game.Opinion());
    standing.qualityChange = QualityChange(history, today, game.Quality());
    for (int32_t kind = 1; kind <= kKindCount; ++kind)
        standing.countChanges[static_cast<size_t>(kind - 1)] = CountChange(history, today, kind, game.Count(kind));
    standing.leaving = KindsLeaving(game);
    screen_.statistics->ShowStanding(standing);
}

void ViewRouter::SetText(Control control, const std::string& text) {
    QString shown = QString::fromStdString(text);
    if (holdingTexts_) {
        heldTexts_[control] = std::move(shown);
        return;
    }
    ShowText(control, shown);
}

void ViewRouter::ShowText(Control control, const QString& s) {
    if (!attached_) return;
    switch (control) {
        case Control::lblSpeed1:
            screen_.status->ShowSpeedCaption(s);
            break;
        case Control::lblSpeed2:
            screen_.status->ShowDate(s);
            break;
        case Control::lblTytul:
            screen_.cases->ShowTitle(s);
            break;
        case Control::memSprawa:
            screen_.cases->ShowBody(s);
            break;
        case Control::tabSprawy:
            screen_.pages->SetCaption(kPageCases, s);
            break;
        case Control::lblKasa:
            screen_.statistics->ShowFigure(control, s);
            if (session_) screen_.statistics->ShowCashBelowZero(session_->Game().Cash().Value() < 0);
            break;
        case Control::lblOpinia:
        case Control::lblJakosc:
            screen_.statistics->ShowFigure(control, s);
            ShowStanding();
            break;
        default:
            screen_.statistics->ShowFigure(control, s);
            break;
    }
}

void ViewRouter::SetButtonEnabled(Button button, bool enabled) {
    if (attached_) screen_.cases->SetButtonEnabled(button, enabled);
}

void ViewRouter::SetActivePage(int index) {
    if (attached_) screen_.pages->SetActivePage(index);
}

void ViewRouter::RepaintMap() {
    if (attached_) screen_.map->RepaintMap();
}

void ViewRouter::RepaintBanner() {
    if (attached_) screen_.banner->ShowBanner();
}

void ViewRouter::SetMapSize(int width, int height) {
    if (attached_) screen_.map->SetMapSize(width, height);
}

void ViewRouter::SetSpeedPosition(int position) {
    if (attached_) screen_.status->ShowSpeed(position);
    clock_.SpeedShown(position);
}

void ViewRouter::StartMainTimer(int periodMs) { clock_.StartMainTimer(periodMs); }

void ViewRouter::StopMainTimer() { clock_.StopMainTimer(); }

void ViewRouter::PlayButtonSound() {
    if (Sounds()) sound_.PlayButtonSound();
}

void ViewRouter::PlayPageSound() {
    if (Sounds()) sound_.PlayPageSound();
}

void ViewRouter::PlayClickSound() {
    if (Sounds()) sound_.PlayClickSound();
}

void ViewRouter::DayBooked(const DayAccount& day) {
    if (attached_) screen_.statistics->ShowDayAccount(day, InstalledLanguage());
}

void ViewRouter::Reported(const ActionReport& report) {
    if (group_) {
        AddUp(group_->effects, report.effects);
        ++groupAnswered_;
        return;
    }
    if (!attached_) return;
    const Language language = InstalledLanguage();
    const QString text = TellReport(report, language);
    if (text.isEmpty()) return;
    // What the player did stays to be read; a day's news waits for it.
    if (report.action == Action::Day)
        screen_.status->Tell(text);
    else
        screen_.status->TellAndHold(text);
    if (const QString entry = LogEntry(report, language); !entry.isEmpty()) Log(entry);
}

void ViewRouter::Log(const QString& entry) {
    if (attached_ && session_) screen_.cases->LogChange(DatedEntry(session_->Game().Day(), entry));
}

}  // namespace dzwonex
