#include "BackgroundOpenedSound.h"

#include <utility>

namespace dzwonex {

BackgroundOpenedSound::BackgroundOpenedSound(std::unique_ptr<GameSound> sound) : sound_(std::move(sound)) {}

BackgroundOpenedSound::~BackgroundOpenedSound() { Opened(); }

GameSound& BackgroundOpenedSound::Opened() const {
    if (opening_.valid()) opening_.get();
    return *sound_;
}

void BackgroundOpenedSound::InitSound(const std::string& appDir) {
    GameSound& sound = Opened();
    opening_ = std::async(std::launch::async, [&sound, appDir] {
        // A sound that cannot open stays silent, as it does without a
        // device; the game goes on.
        try {
            sound.InitSound(appDir);
        } catch (...) {
        }
    });
}

void BackgroundOpenedSound::DoneSound() { Opened().DoneSound(); }
void BackgroundOpenedSound::PlayButtonSound() { Opened().PlayButtonSound(); }
void BackgroundOpenedSound::PlayPageSound() { Opened().PlayPageSound(); }
void BackgroundOpenedSound::PlayClickSound() { Opened().PlayClickSound(); }
void BackgroundOpenedSound::SetMusicOn(bool on) { Opened().SetMusicOn(on); }
void BackgroundOpenedSound::SetMusicVolume(int percent) { Opened().SetMusicVolume(percent); }
void BackgroundOpenedSound::SetEffectsVolume(int percent) { Opened().SetEffectsVolume(percent); }
int BackgroundOpenedSound::MusicVolume() const { return Opened().MusicVolume(); }
int BackgroundOpenedSound::EffectsVolume() const { return Opened().EffectsVolume(); }

}  // namespace dzwonex
