#pragma once
#include <set>

#include <QObject>
#include <QTimer>

namespace dzwonex {

class Company;

// Why the clock stands when the player did not stop it.
enum class PauseReason {
    Help,          // the help is open
    Report,        // the term's report is read
    Achievements,  // the milestones and records are open
    Dialog,        // a modal dialog asks something (one hold for each)
};

// The game's clock: the day timer (MainTimer, a period the company's speed
// sets) and the banner timer (a minute), with the one set of reasons the
// clock stands for. While any reason holds it stands; when the last one
// goes it runs again at the speed it had, unless the player has picked a
// speed meanwhile. The player's own pause (P) is a speed of 0.
class GameClock : public QObject {
    Q_OBJECT
public:
    static constexpr int kBannerPeriodMs = 60000;

    explicit GameClock(QObject* parent = nullptr);

    // The company whose speed it sets; the timers start with it.
    void Drive(Company& company);
    // Both timers stop for good (the shutdown).
    void Stop();

    // What the company tells the window about its speed.
    void SpeedShown(int position);
    // Runs the day timer with this period; an unchanged period on a
    // running timer keeps its count, a changed one restarts it.
    void StartMainTimer(int periodMs);
    void StopMainTimer();

    // The player's speed: a step picked, a step up or down, and the pause
    // key (to 0, and again back to the speed before).
    void PickSpeed(int step);
    void StepSpeed(int delta);
    void TogglePause();

    // The clock stands for the reason until it is released. A clock the
    // player had stopped already is left to the player, and one whose day
    // timer is not running is left alone.
    void Hold(PauseReason reason);
    void Release(PauseReason reason);
    // The reason is gone without the clock going on (the game it stood for
    // was replaced); every hold of it goes.
    void Drop(PauseReason reason) { held_.erase(reason); }
    bool Holds(PauseReason reason) const { return held_.count(reason) > 0; }

    // The timers' handlers.
    void MainTimerTimer() { emit DayDue(); }
    void BannerTimerTimer() { emit BannerDue(); }
    // For tests, which drive the handlers themselves.
    QTimer* MainTimer() const { return mainTimer_; }
    QTimer* BannerTimer() const { return bannerTimer_; }

signals:
    void DayDue();
    void BannerDue();

private:
    void SetSpeed(int step);

    Company* company_ = nullptr;
    QTimer* mainTimer_;
    QTimer* bannerTimer_;
    std::multiset<PauseReason> held_;  // a reason held twice is released twice
    int resumeSpeed_ = 5;              // the last speed above 0: what a pause resumes
};

// Holds the clock for its own life: a modal dialog is opened under one,
// and the clock goes on at its speed once the dialog has closed.
class ClockHold {
public:
    explicit ClockHold(GameClock& clock, PauseReason reason = PauseReason::Dialog) : clock_(clock), reason_(reason) {
        clock_.Hold(reason_);
    }
    ~ClockHold() { clock_.Release(reason_); }
    ClockHold(const ClockHold&) = delete;
    ClockHold& operator=(const ClockHold&) = delete;

private:
    GameClock& clock_;
    PauseReason reason_;
};

}  // namespace dzwonex
