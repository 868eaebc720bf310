#pragma once
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "GameSound.h"

namespace dzwonex {

// A sound that opens on a thread of its own, once it is told to start.
// Opening an audio device can take a good part of a second (a sound server
// slow to answer, drivers tried one by one where there is no device), and
// even a quick one competes for the processor with the window's first
// paint; so InitSound only notes the opening and StartOpening begins it.
// To the game the sound is open from InitSound on: what it asks meanwhile
// is made, in order, on the opened sound, and every call after the start
// waits until the opening is done.
class BackgroundOpenedSound final : public GameSound {
public:
    explicit BackgroundOpenedSound(std::unique_ptr<GameSound> sound);
    // Waits for an opening under way; one not yet started is let go.
    ~BackgroundOpenedSound() override;
    BackgroundOpenedSound(const BackgroundOpenedSound&) = delete;
    BackgroundOpenedSound& operator=(const BackgroundOpenedSound&) = delete;

    // Begins the opening InitSound noted, if it has not begun.
    void StartOpening();
    // False from InitSound until the opening begins.
    bool Begun() const { return !dueDir_; }

    void InitSound(const std::string& appDir) override;
    // Before the opening has begun, it is let go: nothing was opened.
    void DoneSound() override;
    void PlayButtonSound() override;
    void PlayPageSound() override;
    void PlayClickSound() override;
    void SetMusicOn(bool on) override;
    void SetMusicVolume(int percent) override;
    void SetEffectsVolume(int percent) override;
    // These start an opening still to begin, and wait for it.
    int MusicVolume() const override;
    int EffectsVolume() const override;
    // Passed on to the sound; it is told on the opening's thread.
    void WhenSilent(SilenceReport report) override;

private:
    using Call = std::function<void(GameSound&)>;
    // Makes `call` on the opened sound, or keeps it for the opening.
    void Make(Call call);
    void Begin() const;
    // The sound, once any opening has finished.
    GameSound& Opened() const;

    std::unique_ptr<GameSound> sound_;
    // The opening InitSound noted, and the calls made since, until it begins.
    mutable std::optional<std::string> dueDir_;
    mutable std::vector<Call> kept_;
    mutable std::future<void> opening_;
};

}  // namespace dzwonex
