#pragma once
#include <functional>
#include <map>
#include <optional>

#include <QMetaObject>
#include <QString>

#include "Screen.h"
#include "View.h"

namespace dzwonex {

class GameClock;
class GameSession;
class GameSound;

// What the game tells the window, to the page that shows it: each text to
// its control, the buttons and the pages, the repaints, the speed and the
// day timer to the clock, the sounds to the speakers, and the day's account
// and each action's report to the statistics, the status line and the
// inbox's log. It decides nothing. Private to the window: the controller
// makes it for its session, and nothing else calls it.
class ViewRouter final : public GameView {
public:
    ViewRouter(GameClock& clock, GameSound& sound);
    ~ViewRouter() override;
    ViewRouter(const ViewRouter&) = delete;
    ViewRouter& operator=(const ViewRouter&) = delete;

    // The pages to show on, once the window has built them; until then
    // nothing is shown.
    void Attach(const Screen& screen);
    // The session whose figures the standing is read from.
    void Follow(const GameSession& session) { session_ = &session; }

    // Runs `work` keeping what the game writes, then shows the last text of
    // each control (also when `work` throws). Nested runs show at the end
    // of the outermost.
    void WithTextsHeld(const std::function<void()>& work);
    // While a group of cases is answered: one sound, and the reports added
    // up; EndGroup returns the sum.
    void BeginGroup(Action action);
    ActionReport EndGroup();

    // An entry for the inbox's log, under today's game date.
    void Log(const QString& entry);

    // The company's course on the chart, with the bands and trends beside
    // opinion and quality.
    void ShowCourse();

    void SetText(Control control, const std::string& text) override;
    void SetButtonEnabled(Button button, bool enabled) override;
    void SetActivePage(int index) override;
    void RepaintMap() override;
    void RepaintBanner() override;
    void SetMapSize(int width, int height) override;
    void SetSpeedPosition(int position) override;
    void StartMainTimer(int periodMs) override;
    void StopMainTimer() override;
    void PlayButtonSound() override;
    void PlayPageSound() override;
    void PlayClickSound() override;
    void DayBooked(const DayAccount& day) override;
    void Reported(const ActionReport& report) override;

private:
    void ShowText(Control control, const QString& text);
    void ShowStanding();
    // A group sounds as its first answer does, not once per case.
    bool Sounds() const { return !group_ || groupAnswered_ == 0; }

    GameClock& clock_;
    GameSound& sound_;
    // Statystyka asks for the standing when it makes its controls.
    QMetaObject::Connection standingWanted_;
    Screen screen_;
    bool attached_ = false;
    const GameSession* session_ = nullptr;
    bool holdingTexts_ = false;
    std::map<Control, QString> heldTexts_;
    std::optional<ActionReport> group_;
    int groupAnswered_ = 0;
};

}  // namespace dzwonex
