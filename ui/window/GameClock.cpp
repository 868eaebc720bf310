#include "GameClock.h"

#include <algorithm>

#include "Company.h"

namespace dzwonex {

GameClock::GameClock(QObject* parent)
    : QObject(parent),
      mainTimer_(new QTimer(this)),
      bannerTimer_(new QTimer(this)),
      resumeSpeed_(Company::kStartSpeed) {
    mainTimer_->setObjectName(QStringLiteral("MainTimer"));
    // Days should come on time even at 20 s.
    mainTimer_->setTimerType(Qt::PreciseTimer);
    connect(mainTimer_, &QTimer::timeout, this, &GameClock::MainTimerTimer);
    bannerTimer_->setObjectName(QStringLiteral("BannerTimer"));
    connect(bannerTimer_, &QTimer::timeout, this, &GameClock::BannerTimerTimer);
    bannerTimer_->start(kBannerPeriodMs);
}

void GameClock::Drive(Company& company) { company_ = &company; }

void GameClock::Stop() {
    mainTimer_->stop();
    bannerTimer_->stop();
}

void GameClock::SpeedShown(int position) {
    if (position == 0) return;
    // A running clock stands for nothing.
    resumeSpeed_ = position;
    held_.clear();
}

void GameClock::StartMainTimer(int periodMs) {
    // QTimer::start restarts a running timer, so an unchanged period must
    // leave it alone to keep its count.
    if (mainTimer_->isActive() && mainTimer_->interval() == periodMs) return;
    mainTimer_->start(periodMs);
}

void GameClock::StopMainTimer() { mainTimer_->stop(); }

void GameClock::SetSpeed(int step) {
    if (company_) company_->SetSpeedStep(step);
}

void GameClock::PickSpeed(int step) {
    // The player's choice outlasts every reason to stand.
    held_.clear();
    SetSpeed(step);
}

void GameClock::StepSpeed(int delta) {
    if (!company_) return;
    const int target = std::clamp(company_->SpeedPosition() + delta, 0, 10);
    if (target != company_->SpeedPosition()) PickSpeed(target);
}

void GameClock::TogglePause() {
    if (!company_) return;
    const int position = company_->SpeedPosition();
    StepSpeed(position > 0 ? -position : resumeSpeed_);
}

void GameClock::Hold(PauseReason reason) {
    if (!company_) return;
    // A day timer that never started (a start-up that failed) has no day
    // to hold back.
    const bool running = company_->SpeedPosition() > 0 && mainTimer_->isActive();
    if (!running && held_.empty()) return;
    held_.insert(reason);
    if (running) SetSpeed(0);
}

void GameClock::Release(PauseReason reason) {
    const auto hold = held_.find(reason);
    if (hold == held_.end()) return;
    held_.erase(hold);
    if (!held_.empty() || !company_) return;
    if (company_->SpeedPosition() == 0) SetSpeed(resumeSpeed_);
}

}  // namespace dzwonex
