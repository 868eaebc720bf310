// The speed gauge: a pointer position becomes a speed and a timer period.
#include <algorithm>
#include <string>

#include "Company.h"
#include "Texts.h"

namespace dzwonex {

void Company::SetSpeed(int32_t x) {
    const int32_t width = view_.SpeedGaugeWidth();
    // Integer division truncates toward zero, so x from -19 to -1 still gives 0.
    const int64_t p = width > 0 ? static_cast<int64_t>(x) * 10 / width : 0;
    SetSpeedPosition(static_cast<int32_t>(std::clamp<int64_t>(p, 0, 10)));
}

void Company::SetSpeedPosition(int32_t position) {
    speedPosition_ = position;
    view_.SetSpeedPosition(speedPosition_);
    ShowSpeedLine();
    if (speedPosition_ == 0)
        view_.StopMainTimer();
    else
        view_.StartMainTimer((11 - speedPosition_) * 2000);
}

void Company::ShowSpeedLine() {
    view_.SetText(Control::lblSpeed1, Fill(Texts(language_).speedLine, {std::to_string(speedPosition_)}));
}

void Company::PressSpeedGauge(int32_t x) {
    speedDragging_ = true;
    SetSpeed(x);
}

void Company::DragSpeedGauge(int32_t x) {
    if (speedDragging_) SetSpeed(x);
}

void Company::ReleaseSpeedGauge() { speedDragging_ = false; }

}  // namespace dzwonex
