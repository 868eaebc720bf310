#include "Sound.h"

#include <utility>

#include "SdlMixerLibrary.h"

namespace dzwonex {

TSound::TSound(AudioLibrary& library) : FLibrary(library) {}

TSound::TSound(std::unique_ptr<AudioLibrary> library) : FOwnedLibrary(std::move(library)), FLibrary(*FOwnedLibrary) {}

std::unique_ptr<TSound> TSound::CreateWithSdlMixer() {
    return std::make_unique<TSound>(std::make_unique<SdlMixerLibrary>());
}

TSound::~TSound() { DoneSound(); }

void TSound::InitSound(const std::string& appDir) {
    if (FOpen) return;
    FOpen = true;
    // The library's answers are not consulted: whatever failed leaves zero
    // handles behind, and the library ignores them from then on.
    FLibrary.SetOutput(kOutputWave);
    FLibrary.SetDriver(kDriverDefault);
    FLibrary.Init(kMixRate, kMixChannels, 0);
    FMusic = FLibrary.LoadSong(appDir + "psych.xm");
    FSndButton = FLibrary.SampleLoad(kButtonChannel, appDir + "button.wav", kEffectSampleMode, 0);
    FSndPage = FLibrary.SampleLoad(kPageChannel, appDir + "page.wav", kEffectSampleMode, 0);
    FSndClick = FLibrary.SampleLoad(kClickChannel, appDir + "click.wav", kEffectSampleMode, 0);
    // The "Muzyka" box starts ticked, so the music starts at once.
    FLibrary.PlaySong(FMusic);
}

void TSound::DoneSound() {
    if (!FOpen) return;
    // Everything that sounds is stopped before anything is freed.
    if (FLibrary.IsSongPlaying(FMusic)) FLibrary.StopSong(FMusic);
    for (int channel : {kClickChannel, kPageChannel, kButtonChannel}) {
        if (FLibrary.IsChannelPlaying(channel)) FLibrary.StopSound(channel);
    }
    FLibrary.FreeSong(FMusic);
    FLibrary.SampleFree(FSndClick);
    FLibrary.SampleFree(FSndPage);
    FLibrary.SampleFree(FSndButton);
    FLibrary.Close();
    FMusic = {};
    FSndButton = {};
    FSndPage = {};
    FSndClick = {};
    FOpen = false;
}

void TSound::PlayButtonSound() {
    if (FOpen) FLibrary.PlaySound(kButtonChannel, FSndButton);
}

void TSound::PlayPageSound() {
    if (FOpen) FLibrary.PlaySound(kPageChannel, FSndPage);
}

void TSound::PlayClickSound() {
    if (FOpen) FLibrary.PlaySound(kClickChannel, FSndClick);
}

void TSound::chkMuzykaClick(bool ticked) {
    if (!FOpen) return;
    // The module may have ended by itself, so the box's state alone does
    // not tell whether the music plays.
    const bool playing = FLibrary.IsSongPlaying(FMusic);
    if (ticked && !playing) {
        FLibrary.PlaySong(FMusic);
    } else if (!ticked && playing) {
        FLibrary.StopSong(FMusic);
    }
}

}  // namespace dzwonex
