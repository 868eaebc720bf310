#pragma once
#include <memory>
#include <string>
#include <utility>

#include "AudioLibrary.h"
#include "GameSound.h"

namespace dzwonex {

// Each effect has one channel of its own, numbered like the slot its sample
// is loaded into: a new play of an effect cuts off the same effect still
// sounding, and different effects sound together.
inline constexpr int kButtonChannel = 0;
inline constexpr int kPageChannel = 1;
inline constexpr int kClickChannel = 2;

inline constexpr int kMixRate = 44100;

// Loudness in percent of full when the player has not chosen any: the
// music and the effects together keep clear of full scale.
inline constexpr int kDefaultMusicVolume = 50;
inline constexpr int kDefaultEffectsVolume = 60;
inline constexpr int kMixChannels = 16;

// The game's music and sound effects. The window owns one, calls
// InitSound when it is created and DoneSound when it is destroyed, and
// plays the effects from its handlers. Nothing here ever fails: without a
// sound device or with a file missing, the affected sounds stay silent and
// everything else goes on.
class TSound final : public GameSound {
public:
    // Uses a library owned by the caller, which must outlive this object.
    explicit TSound(AudioLibrary& library);
    // Owns the library.
    explicit TSound(std::unique_ptr<AudioLibrary> library);
    // The SDL2_mixer binding.
    static std::unique_ptr<TSound> CreateWithSdlMixer();

    // Runs DoneSound when the owner has not.
    ~TSound() override;
    TSound(const TSound&) = delete;
    TSound& operator=(const TSound&) = delete;

    // Opens the library, loads "psych.xm", "button.wav", "page.wav" and
    // "click.wav" from appDir (which ends with a path separator) and starts
    // the music. A second call before DoneSound does nothing.
    void InitSound(const std::string& appDir) override;
    // Stops the music and the three effect channels, frees the module and
    // the samples and closes the library. Does nothing when InitSound has
    // not run since the last DoneSound.
    void DoneSound() override;

    // The effects: OK, Tak and Nie; a page change by the player; a press on
    // the map. Nothing happens outside InitSound .. DoneSound.
    void PlayButtonSound() override;
    void PlayPageSound() override;
    void PlayClickSound() override;

    // Stops the music, or starts it where it is not playing.
    void SetMusicOn(bool on) override;

    // Loudness in percent, held to 0..100. It is kept while the sound is
    // closed and applied whenever it opens.
    void SetMusicVolume(int percent) override;
    void SetEffectsVolume(int percent) override;
    int MusicVolume() const override { return musicVolume_; }
    int EffectsVolume() const override { return effectsVolume_; }
    // Told when InitSound finds the library missing.
    void WhenSilent(SilenceReport report) override { silent_ = std::move(report); }

    bool IsOpen() const { return open_; }
    SongHandle Music() const { return music_; }
    SampleHandle ButtonSample() const { return sndButton_; }
    SampleHandle PageSample() const { return sndPage_; }
    SampleHandle ClickSample() const { return sndClick_; }
    AudioLibrary& Library() { return library_; }

private:
    std::unique_ptr<AudioLibrary> ownedLibrary_;
    AudioLibrary& library_;
    SilenceReport silent_;
    bool open_ = false;
    SongHandle music_;
    SampleHandle sndButton_;
    SampleHandle sndPage_;
    SampleHandle sndClick_;
    int musicVolume_ = kDefaultMusicVolume;
    int effectsVolume_ = kDefaultEffectsVolume;
};

}  // namespace dzwonex
