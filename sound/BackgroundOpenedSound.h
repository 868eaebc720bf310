#pragma once
#include <future>
#include <memory>
#include <string>

#include "GameSound.h"

namespace dzwonex {

// A sound that opens on a thread of its own. Opening an audio device can
// take a good part of a second (a sound server slow to answer, drivers
// tried one by one where there is no device), and the window should not
// wait for it before it shows. Every other call first waits until the
// opening is done, so to the game the sound is open from InitSound on.
class BackgroundOpenedSound final : public GameSound {
public:
    explicit BackgroundOpenedSound(std::unique_ptr<GameSound> sound);
    // Waits for an opening still under way.
    ~BackgroundOpenedSound() override;
    BackgroundOpenedSound(const BackgroundOpenedSound&) = delete;
    BackgroundOpenedSound& operator=(const BackgroundOpenedSound&) = delete;

    void InitSound(const std::string& appDir) override;
    void DoneSound() override;
    void PlayButtonSound() override;
    void PlayPageSound() override;
    void PlayClickSound() override;
    void SetMusicOn(bool on) override;
    void SetMusicVolume(int percent) override;
    void SetEffectsVolume(int percent) override;
    int MusicVolume() const override;
    int EffectsVolume() const override;

private:
    // The sound, once any opening has finished.
    GameSound& Opened() const;

    std::unique_ptr<GameSound> sound_;
    mutable std::future<void> opening_;
};

}  // namespace dzwonex
