// The game's speed and the pixels of its gauge.
#include "Speed.h"

#include <algorithm>
#include <string>

#include "Company.h"
#include "Texts.h"

namespace dzwonex {

int32_t SpeedStepAtPixel(int32_t x, int32_t width) {
    // Integer division truncates toward zero, so x from -19 to -1 still gives 0.
    const int64_t p = width > 0 ? static_cast<int64_t>(x) * 10 / width : 0;
    return static_cast<int32_t>(std::clamp<int64_t>(p, 0, 10));
}

void Company::SetSpeedStep(int32_t step) {
    speedPosition_ = std::clamp<int32_t>(step, 0, 10);
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

}  // namespace dzwonex
