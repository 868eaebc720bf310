#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace dzwonex {

// Opaque handles handed out by an audio library. Zero is what a failed load
// returns; every call of the library must accept it and do nothing with it.
struct SongHandle {
    uint32_t id = 0;
    explicit operator bool() const { return id != 0; }
    friend bool operator==(SongHandle, SongHandle) = default;
};
struct SampleHandle {
    uint32_t id = 0;
    explicit operator bool() const { return id != 0; }
    friend bool operator==(SampleHandle, SampleHandle) = default;
};

// Output and driver numbers. The game asks for the system's standard wave
// output and its first (default) device; "no sound" opens nothing.
inline constexpr int kOutputNoSound = 0;
inline constexpr int kOutputWave = 1;
inline constexpr int kDriverDefault = 0;

// Sample load mode bits.
inline constexpr unsigned kSampleLoopOff = 0x001;
inline constexpr unsigned kSampleLoopNormal = 0x002;
inline constexpr unsigned kSample16Bits = 0x010;
inline constexpr unsigned kSampleMono = 0x020;
inline constexpr unsigned kSampleSigned = 0x100;
// The mode every effect is loaded with: 305, one-shot 16-bit signed mono.
inline constexpr unsigned kEffectSampleMode = kSampleLoopOff | kSample16Bits | kSampleMono | kSampleSigned;

// The full loudness of the music and of the effects.
inline constexpr int kFullVolume = 128;

// A sound library that cannot be used at all: it is not installed, or
// lacks a function the game calls. `reason` says which, as the system
// words it.
struct LibraryMissing {
    std::string library;
    std::string reason;
};

// The sixteen calls the game makes into its sound library. The game
// never tests a result except the two "is playing" questions (and, when
// Init fails, whether the library is missing at all), so an
// implementation must stay silent and harmless after any failure: a closed
// library, a zero handle, a handle already freed or an unknown channel
// make a call do nothing (and the questions answer false).
class AudioLibrary {
public:
    virtual ~AudioLibrary() = default;

    virtual void SetOutput(int output) = 0;
    virtual void SetDriver(int driver) = 0;
    // Opens the output mixing at mixRate Hz with at most maxChannels effect
    // channels. True when sound is available.
    virtual bool Init(int mixRate, int maxChannels, unsigned flags) = 0;

    // Loads a music module; zero on any failure.
    virtual SongHandle LoadSong(const std::string& path) = 0;
    // Starts the module from its beginning; it repeats until stopped.
    virtual void PlaySong(SongHandle song) = 0;
    virtual bool IsSongPlaying(SongHandle song) = 0;
    virtual void StopSong(SongHandle song) = 0;
    virtual void FreeSong(SongHandle song) = 0;

    // Loads a sample into a slot; zero on any failure. length matters only
    // for loads from memory, which the game does not make.
    virtual SampleHandle SampleLoad(int slot, const std::string& path, unsigned mode, int length) = 0;
    // Plays the sample on the channel, cutting off whatever sounds there.
    virtual void PlaySound(int channel, SampleHandle sample) = 0;
    virtual bool IsChannelPlaying(int channel) = 0;
    virtual void StopSound(int channel) = 0;
    virtual void SampleFree(SampleHandle sample) = 0;

    // Loudness of the music and of every effect channel while open, from 0
    // (silent) to kFullVolume; Init starts both at full.
    virtual void SetMusicVolume(int volume) = 0;
    virtual void SetEffectsVolume(int volume) = 0;

    virtual void Close() = 0;

    // After an Init that failed because the library itself could not be
    // loaded: which and why. None for a library that loaded (or that is
    // part of the program).
    virtual std::optional<LibraryMissing> Missing() const { return std::nullopt; }
};

}  // namespace dzwonex
