#pragma once
#include <memory>
#include <string>

namespace dzwonex {

// What the window asks of the sound: music from start to end, three
// effects, the "Muzyka" box and the two volumes. Every call is harmless
// when the sound could not start.
class SoundPort {
public:
    virtual ~SoundPort() = default;
    virtual void InitSound(const std::string& appDir) = 0;
    virtual void DoneSound() = 0;
    virtual void PlayButtonSound() = 0;
    virtual void PlayPageSound() = 0;
    virtual void PlayClickSound() = 0;
    virtual void chkMuzykaClick(bool ticked) = 0;
    // Loudness in percent, 0..100; kept while the sound is closed. Before
    // any is set, the sound's own default levels.
    virtual void SetMusicVolume(int percent) = 0;
    virtual void SetEffectsVolume(int percent) = 0;
    virtual int MusicVolume() const = 0;
    virtual int EffectsVolume() const = 0;
};

// A sound that never makes a noise.
class SilentSound final : public SoundPort {
public:
    void InitSound(const std::string&) override {}
    void DoneSound() override {}
    void PlayButtonSound() override {}
    void PlayPageSound() override {}
    void PlayClickSound() override {}
    void chkMuzykaClick(bool) override {}
    void SetMusicVolume(int percent) override { music_ = percent; }
    void SetEffectsVolume(int percent) override { effects_ = percent; }
    int MusicVolume() const override { return music_; }
    int EffectsVolume() const override { return effects_; }

private:
    int music_ = 100;
    int effects_ = 100;
};

// The game's real sound where the build has it, silence otherwise.
std::unique_ptr<SoundPort> MakeGameSound();

}  // namespace dzwonex
