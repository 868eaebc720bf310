#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "AudioLibrary.h"

namespace dzwonex {

// What the opened output device really runs at.
struct AudioOutputFormat {
    int rate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    bool isSigned = false;
    bool isFloat = false;
    bool bigEndian = false;
};

// The libraries the sound loads when it opens, by the names their runtime
// packages install (the unversioned names come only with the development
// files).
struct SdlLibraryNames {
    std::string sdl = "libSDL2-2.0.so.0";
    std::string mixer = "libSDL2_mixer-2.0.so.0";
};

// The game's sound library on top of SDL2_mixer: the module plays on the
// mixer's music stream, the samples on mixer channels. Only SDL's audio
// subsystem is started, and it is shut down again at Close (SDL as a whole
// too when nothing else of it runs), so the window toolkit is left alone.
// SDL2 and SDL2_mixer are loaded at the first Init, not linked: where they
// cannot be, Init fails and Missing says why.
// Files are read through the game's own reader, so only regular files of
// a sane size reach SDL_mixer; one that cannot be used is said on the
// standard error and loads as a zero handle. Every call checks that the
// output is open and that the handle is one it handed out and has not
// freed yet; SDL2_mixer itself is not safe with every stale or null
// pointer.
class SdlMixerLibrary final : public AudioLibrary {
public:
    explicit SdlMixerLibrary(SdlLibraryNames names = {});
    ~SdlMixerLibrary() override;
    SdlMixerLibrary(const SdlMixerLibrary&) = delete;
    SdlMixerLibrary& operator=(const SdlMixerLibrary&) = delete;

    void SetOutput(int output) override;
    void SetDriver(int driver) override;
    bool Init(int mixRate, int maxChannels, unsigned flags) override;
    SongHandle LoadSong(const std::string& path) override;
    void PlaySong(SongHandle song) override;
    bool IsSongPlaying(SongHandle song) override;
    void StopSong(SongHandle song) override;
    void FreeSong(SongHandle song) override;
    SampleHandle SampleLoad(int slot, const std::string& path, unsigned mode, int length) override;
    void PlaySound(int channel, SampleHandle sample) override;
    bool IsChannelPlaying(int channel) override;
    void StopSound(int channel) override;
    void SampleFree(SampleHandle sample) override;
    void SetMusicVolume(int volume) override;
    void SetEffectsVolume(int volume) override;
    void Close() override;
    std::optional<LibraryMissing> Missing() const override;

    bool IsOpen() const;
    // The device's format while open.
    std::optional<AudioOutputFormat> OutputFormat() const;

    // Frames per mixing buffer: about 23 ms at 44100 Hz, short enough for a
    // click to follow the press and long enough not to starve.
    static constexpr int kBufferFrames = 1024;

private:
    struct State;
    SdlLibraryNames names_;
    std::unique_ptr<State> state_;
};

}  // namespace dzwonex
