#pragma once
#include "View.h"

namespace dzwonex {

// A view that shows nothing, so a benchmark times the rules alone.
class NullView : public GameView {
public:
    void SetText(Control, const std::string&) override {}
    void SetButtonEnabled(Button, bool) override {}
    void SetActivePage(int) override {}
    void RepaintMap() override {}
    void RepaintBanner() override {}
    void SetMapSize(int, int) override {}
    void SetSpeedPosition(int) override {}
    void StartMainTimer(int) override {}
    void StopMainTimer() override {}
    void PlayButtonSound() override {}
    void PlayPageSound() override {}
    void PlayClickSound() override {}
};

}  // namespace dzwonex
