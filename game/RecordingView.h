#pragma once
#include <array>
#include <optional>
#include <string>

#include "View.h"

namespace dzwonex {

// Keeps what the game last wrote; the text front end prints it and the
// tests read it. The timer follows the window's rules.
class RecordingView : public GameView {
public:
    void SetText(Control control, const std::string& text) override {
        texts_[static_cast<int>(control)] = text;
        ++textWrites_;
    }
    void SetButtonEnabled(Button button, bool enabled) override { buttons_[static_cast<int>(button)] = enabled; }
    void SetActivePage(int index) override { page_ = index; }
    void RepaintMap() override { ++mapRepaints_; }
    void RepaintBanner() override { ++bannerRepaints_; }
    void SetMapSize(int width, int height) override {
        mapWidth_ = width;
        mapHeight_ = height;
    }
    void SetSpeedPosition(int position) override { speed_ = position; }
    void StartMainTimer(int periodMs) override {
        if (!timerRunning_ || timerPeriod_ != periodMs) ++timerRestarts_;
        timerPeriod_ = periodMs;
        timerRunning_ = true;
    }
    void StopMainTimer() override { timerRunning_ = false; }
    void PlayButtonSound() override { ++buttonSounds_; }
    void PlayPageSound() override { ++pageSounds_; }
    void PlayClickSound() override { ++clickSounds_; }
    void DayBooked(const DayAccount& day) override {
        bookedDay_ = day;
        ++daysBooked_;
    }
    void Reported(const ActionReport& report) override {
        lastReport_ = report;
        ++reports_;
    }

    const std::string& Text(Control c) const { return texts_[static_cast<int>(c)]; }
    bool Enabled(Button b) const { return buttons_[static_cast<int>(b)]; }
    int Page() const { return page_; }
    int Speed() const { return speed_; }
    // The running period in ms, 0 while stopped.
    int TimerPeriod() const { return timerRunning_ ? timerPeriod_ : 0; }
    // How often the timer's count started afresh.
    int TimerRestarts() const { return timerRestarts_; }
    long MapRepaints() const { return mapRepaints_; }
    long BannerRepaints() const { return bannerRepaints_; }
    long TextWrites() const { return textWrites_; }
    int MapWidth() const { return mapWidth_; }
    int MapHeight() const { return mapHeight_; }
    long ButtonSounds() const { return buttonSounds_; }
    long PageSounds() const { return pageSounds_; }
    long ClickSounds() const { return clickSounds_; }
    const DayAccount& BookedDay() const { return bookedDay_; }
    long DaysBooked() const { return daysBooked_; }
    const std::optional<ActionReport>& LastReport() const { return lastReport_; }
    long Reports() const { return reports_; }

private:
    std::array<std::string, kControlCount> texts_{};
    std::array<bool, kButtonCount> buttons_{};
    // The window is built on the Menu page with the gauge at 5.
    int page_ = kPageMenu;
    int speed_ = 5;
    int timerPeriod_ = 0;
    bool timerRunning_ = false;
    int timerRestarts_ = 0;
    long mapRepaints_ = 0, bannerRepaints_ = 0, textWrites_ = 0;
    int mapWidth_ = 0, mapHeight_ = 0;
    long buttonSounds_ = 0, pageSounds_ = 0, clickSounds_ = 0;
    DayAccount bookedDay_;
    long daysBooked_ = 0;
    std::optional<ActionReport> lastReport_;
    long reports_ = 0;
};

}  // namespace dzwonex
