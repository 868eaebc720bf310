#include "Sound.h"

#include <algorithm>
#include <utility>

#include "SdlMixerLibrary.h"

namespace dzwonex {

TSound::TSound(AudioLibrary& library) : library_(library) {}

TSound::TSound(std::unique_ptr<AudioLibrary> library) : ownedLibrary_(std::move(library)), library_(*ownedLibrary_) {}

std::unique_ptr<TSound> TSound::CreateWithSdlMixer() {
    return std::make_unique<TSound>(std::make_unique<SdlMixerLibrary>());
}

TSound::~TSound() { DoneSound(); }

void TSound::InitSound(const std::string& appDir) {
    if (open_) return;
    open_ = true;
    // The library's answers are not consulted: whatever failed leaves zero
    // handles behind, and the library ignores them from then on. Only a
    // library that is not there at all is worth a word to the player.
    library_.SetOutput(kOutputWave);
    library_.SetDriver(kDriverDefault);
    if (!library_.Init(kMixRate, kMixChannels, 0) && silent_) {
        // Said once: a second opening finds the library just as missing.
        if (const auto missing = library_.Missing()) std::exchange(silent_, nullptr)(missing->library, missing->reason);
    }
    SetMusicVolume(musicVolume_);
    SetEffectsVolume(effectsVolume_);
    music_ = library_.LoadSong(appDir + "psych.xm");
    sndButton_ = library_.SampleLoad(kButtonChannel, appDir + "button.wav", kEffectSampleMode, 0);
    sndPage_ = library_.SampleLoad(kPageChannel, appDir + "page.wav", kEffectSampleMode, 0);
    sndClick_ = library_.SampleLoad(kClickChannel, appDir + "click.wav", kEffectSampleMode, 0);
    // The "Muzyka" box starts ticked, so the music starts at once.
    library_.PlaySong(music_);
}

void TSound::DoneSound() {
    if (!open_) return;
    // Everything that sounds is stopped before anything is freed.
    if (library_.IsSongPlaying(music_)) library_.StopSong(music_);
    for (int channel : {kClickChannel, kPageChannel, kButtonChannel}) {
        if (library_.IsChannelPlaying(channel)) library_.StopSound(channel);
    }
    library_.FreeSong(music_);
    library_.SampleFree(sndClick_);
    library_.SampleFree(sndPage_);
    library_.SampleFree(sndButton_);
    library_.Close();
    music_ = {};
    sndButton_ = {};
    sndPage_ = {};
    sndClick_ = {};
    open_ = false;
}

void TSound::PlayButtonSound() {
    if (open_) library_.PlaySound(kButtonChannel, sndButton_);
}

void TSound::PlayPageSound() {
    if (open_) library_.PlaySound(kPageChannel, sndPage_);
}

void TSound::PlayClickSound() {
    if (open_) library_.PlaySound(kClickChannel, sndClick_);
}

namespace {
int LibraryVolume(int percent) { return (percent * kFullVolume + 50) / 100; }
}  // namespace

void TSound::SetMusicVolume(int percent) {
    musicVolume_ = std::clamp(percent, 0, 100);
    if (open_) library_.SetMusicVolume(LibraryVolume(musicVolume_));
}

void TSound::SetEffectsVolume(int percent) {
    effectsVolume_ = std::clamp(percent, 0, 100);
    if (open_) library_.SetEffectsVolume(LibraryVolume(effectsVolume_));
}

void TSound::SetMusicOn(bool on) {
    if (!open_) return;
    // The module may have ended by itself, so the switch alone does
    // not tell whether the music plays.
    const bool playing = library_.IsSongPlaying(music_);
    if (on && !playing) {
        library_.PlaySong(music_);
    } else if (!on && playing) {
        library_.StopSong(music_);
    }
}

}  // namespace dzwonex
