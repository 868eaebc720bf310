#pragma once
#include <memory>
#include <string>

namespace dzwonex {

// What the window asks of the sound: music from start to end, three
// effects, and the "Muzyka" box. Every call is harmless when the sound
// could not start.
class SoundPort {
public:
    virtual ~SoundPort() = default;
    virtual void InitSound(const std::string& appDir) = 0;
    virtual void DoneSound() = 0;
    virtual void PlayButtonSound() = 0;
    virtual void PlayPageSound() = 0;
    virtual void PlayClickSound() = 0;
    virtual void chkMuzykaClick(bool ticked) = 0;
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
};

// The game's real sound where the build has it, silence otherwise.
std::unique_ptr<SoundPort> MakeGameSound();

}  // namespace dzwonex
