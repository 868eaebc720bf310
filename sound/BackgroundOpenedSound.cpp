#include "BackgroundOpenedSound.h"

#include <utility>

namespace dzwonex {

BackgroundOpenedSound::BackgroundOpenedSound(std::unique_ptr<GameSound> sound) : sound_(std::move(sound)) {}

BackgroundOpenedSound::~BackgroundOpenedSound() { Opened(); }

GameSound& BackgroundOpenedSound::Opened() const {
    if (opening_.valid()) opening_.get();
    return *sound_;
}

void BackgroundOpenedSound::StartOpening() { Begin(); }

void BackgroundOpenedSound::Begin() const {
    if (!dueDir_) return;
    GameSound& sound = Opened();
    opening_ = std::async(std::launch::async, [&sound, dir = std::move(*dueDir_), kept = std::move(kept_)] {
        // A sound that cannot open stays silent, as it does without a
        // device; the game goes on.
        try {
            sound.InitSound(dir);
        } catch (...) {
        }
        for (const Call& call : kept) call(sound);
    });
    dueDir_.reset();
    kept_.clear();
}

void BackgroundOpenedSound::Make(Call call) {
    if (dueDir_) {
        kept_.push_back(std::move(call));
    } else {
        call(Opened());
    }
}

void BackgroundOpenedSound::InitSound(const std::string& appDir) {
    Begin();
    Opened();
    dueDir_ = appDir;
}

void BackgroundOpenedSound::DoneSound() {
    dueDir_.reset();
    kept_.clear();
    Opened().DoneSound();
}

void BackgroundOpenedSound::PlayButtonSound() {
    Make([](GameSound& s) { s.PlayButtonSound(); });
}
void BackgroundOpenedSound::PlayPageSound() {
    Make([](GameSound& s) { s.PlayPageSound(); });
}
void BackgroundOpenedSound::PlayClickSound() {
    Make([](GameSound& s) { s.PlayClickSound(); });
}
void BackgroundOpenedSound::SetMusicOn(bool on) {
    Make([on](GameSound& s) { s.SetMusicOn(on); });
}
void BackgroundOpenedSound::SetMusicVolume(int percent) {
    Make([percent](GameSound& s) { s.SetMusicVolume(percent); });
}
void BackgroundOpenedSound::SetEffectsVolume(int percent) {
    Make([percent](GameSound& s) { s.SetEffectsVolume(percent); });
}
int BackgroundOpenedSound::MusicVolume() const {
    Begin();
    return Opened().MusicVolume();
}
int BackgroundOpenedSound::EffectsVolume() const {
    Begin();
    return Opened().EffectsVolume();
}
void BackgroundOpenedSound::WhenSilent(SilenceReport report) { Opened().WhenSilent(std::move(report)); }

}  // namespace dzwonex
