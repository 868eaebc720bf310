// The speed gauge: a pointer position becomes a speed and a timer period.
#include <algorithm>
#include <string>

#include "Game.h"

namespace dzwonex {

void TGame::SetSpeed(int32_t x) {
    const int32_t width = FView.SpeedGaugeWidth();
    // Integer division truncates toward zero, so x from -19 to -1 still gives 0.
    const int64_t p = width > 0 ? static_cast<int64_t>(x) * 10 / width : 0;
    FSpeedPosition = static_cast<int32_t>(std::clamp<int64_t>(p, 0, 10));
    FView.SetSpeedPosition(FSpeedPosition);
    FView.SetText(Control::lblSpeed1, "Szybkość gry: " + std::to_string(FSpeedPosition));
    if (FSpeedPosition == 0)
        FView.StopMainTimer();
    else
        FView.StartMainTimer((11 - FSpeedPosition) * 2000);
}

void TGame::progressSpeedMouseDown(int32_t x) {
    FSpeedDragging = true;
    SetSpeed(x);
}

void TGame::progressSpeedMouseMove(int32_t x) {
    if (FSpeedDragging) SetSpeed(x);
}

void TGame::progressSpeedMouseUp() { FSpeedDragging = false; }

}  // namespace dzwonex
