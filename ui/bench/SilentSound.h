#pragma once
#include "GameSound.h"

namespace dzwonex {

// A sound that never makes a noise, so a benchmark needs no device.
class SilentSound final : public GameSound {
public:
    void InitSound(const std::string&) override {}
    void DoneSound() override {}
    void PlayButtonSound() override {}
    void PlayPageSound() override {}
    void PlayClickSound() override {}
    void SetMusicOn(bool) override {}
    void SetMusicVolume(int percent) override { music_ = percent; }
    void SetEffectsVolume(int percent) override { effects_ = percent; }
    int MusicVolume() const override { return music_; }
    int EffectsVolume() const override { return effects_; }

private:
    int music_ = 100;
    int effects_ = 100;
};

}  // namespace dzwonex
