#pragma once
#include <string>

#include "Effects.h"
#include "Snapshot.h"

namespace dzwonex {

// Texts the game writes on the screen.
enum class Control {
    lblKasa,
    lblOpinia,
    lblJakosc,
    lbl1,
    lbl2,
    lbl3,
    lbl4,
    lbl5,
    lbl6,
    lblPracownicy,
    lblNaprawy,
    lblSprzet,
    lblSpeed1,
    lblSpeed2,
    lblTytul,
    memSprawa,
    tabSprawy,
};
inline constexpr int kControlCount = static_cast<int>(Control::tabSprawy) + 1;
const char* ControlName(Control c);

enum class Button { btnYes, btnNo, btnOK };
inline constexpr int kButtonCount = 3;

// Pages of the page control, by index.
inline constexpr int kPageMap = 0;
inline constexpr int kPageStat = 1;
inline constexpr int kPageCases = 2;
inline constexpr int kPageMenu = 3;

// The only way the game reaches the screen and the speakers. The window
// implements it with widgets; the text front end and the tests record it.
class GameView {
public:
    virtual ~GameView() = default;

    virtual void SetText(Control control, const std::string& text) = 0;
    virtual void SetButtonEnabled(Button button, bool enabled) = 0;
    virtual void SetActivePage(int index) = 0;

    // Ask for a repaint; the window may merge a burst of requests into one.
    virtual void RepaintMap() = 0;
    // The banner is repainted at once.
    virtual void RepaintBanner() = 0;
    virtual void SetMapSize(int width, int height) = 0;

    // The speed gauge (0..10) and the main timer.
    virtual void SetSpeedPosition(int position) = 0;
    // Runs the timer with this period; an unchanged period on a running
    // timer keeps its count, a changed one restarts it.
    virtual void StartMainTimer(int periodMs) = 0;
    virtual void StopMainTimer() = 0;

    virtual void PlayButtonSound() = 0;
    virtual void PlayPageSound() = 0;
    virtual void PlayClickSound() = 0;

    // Events for views that tell the player more than the labels: the
    // money a daily turn booked, and what each action changed. A view that
    // shows only the labels may ignore them.
    virtual void DayBooked(const DayAccount& /*day*/) {}
    virtual void Reported(const ActionReport& /*report*/) {}
};

}  // namespace dzwonex
