#include "SdlMixerLibrary.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "ReadFile.h"
#include "SdlMixerCalls.h"

namespace dzwonex {
namespace {

// A sound cut off in the middle of its wave clicks. An effect replaced
// while it still sounds is faded out over this many frames (10 ms) on its
// own voice while the new one starts on the channel's second voice.
constexpr int kRampFrames = 441;
// The faded voice is let go once its ramp has surely run: the ramp starts
// with the next mixing buffer (23 ms) and lasts 10 ms.
constexpr int kRampExpireMs = 60;
// Stopping the music fades it out; the mixer lowers the volume once per
// buffer, so this is five steps.
constexpr int kMusicFadeMs = 120;
// The longest FreeSong waits for that fade to end.
constexpr int kMusicFadeWaitMs = 300;

// Per-voice state of the fade-out, touched by the audio thread only while
// the effect is registered on that voice.
struct Ramp {
    int remaining = 0;
};

void SDLCALL RampDown(int /*chan*/, void* stream, int len, void* udata) {
    auto* ramp = static_cast<Ramp*>(udata);
    auto* samples = static_cast<Sint16*>(stream);
    const int frames = len / 4;  // 16-bit stereo, checked at Init
    for (int i = 0; i < frames; ++i) {
        if (ramp->remaining > 0) --ramp->remaining;
        const int gain = ramp->remaining;  // of kRampFrames
        samples[2 * i] = static_cast<Sint16>(samples[2 * i] * gain / kRampFrames);
        samples[2 * i + 1] = static_cast<Sint16>(samples[2 * i + 1] * gain / kRampFrames);
    }
}

// A sound file the player would miss: said on the standard error, since
// the game goes on without it.
void ReportUnusable(const std::string& message) {
    std::fprintf(stderr, "dzwonex: %s The game goes on without this sound.\n", message.c_str());
}

// The file's bytes, or nothing (said) when it cannot be one of ours: only
// regular files of a sane size ever reach SDL_mixer.
std::optional<std::vector<unsigned char>> ReadSoundFile(const std::string& path, std::size_t limit) {
    try {
        return ReadRegularFile(path, limit);
    } catch (const FileError& e) {
        ReportUnusable(e.what());
        return std::nullopt;
    }
}

SDL_RWops* ReaderOf(const SdlMixerCalls& sdl, const std::vector<unsigned char>& bytes) {
    return sdl.SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
}

}  // namespace

struct SdlMixerLibrary::State {
    // SDL2 and SDL2_mixer, once Init has loaded them. Nothing below calls
    // them before: until then no output is open and no handle loaded.
    const SdlMixerCalls* sdl = nullptr;
    std::optional<LibraryMissing> missing;  // why they could not be loaded
    int output = kOutputWave;
    int driver = kDriverDefault;
    bool audioSubsystem = false;  // SDL's audio subsystem started by Init
    bool mixerDecoders = false;   // Mix_Init called by Init
    bool open = false;            // the mixer's output is open
    int channels = 0;             // channels as the game numbers them
    bool canRamp = false;         // the mix is 16-bit stereo
    // Each channel plays on one of two mixer voices, channel and channel +
    // channels; active[channel] is the one its last play went to.
    std::vector<int> active;
    std::vector<Ramp> ramps;
    uint32_t nextId = 1;
    struct LoadedSong {
        Mix_Music* music = nullptr;
        // The module's file, which SDL_mixer may read from while it plays.
        std::unique_ptr<std::vector<unsigned char>> bytes;
    };
    std::map<uint32_t, LoadedSong> songs;
    struct Sample {
        Mix_Chunk* chunk = nullptr;
        int loops = 0;
    };
    std::map<uint32_t, Sample> samples;
    uint32_t currentSong = 0;  // the song last started on the music stream

    Mix_Music* Song(SongHandle h) const {
        auto it = songs.find(h.id);
        return it == songs.end() ? nullptr : it->second.music;
    }
    const Sample* FindSample(SampleHandle h) const {
        auto it = samples.find(h.id);
        return it == samples.end() ? nullptr : &it->second;
    }
    bool ValidChannel(int channel) const { return open && channel >= 0 && channel < channels; }
    int Voice(int channel) const { return channel + active[channel] * channels; }
    uint32_t NewId() {
        uint32_t id = nextId++;
        if (nextId == 0) nextId = 1;
        return id;
    }
};

SdlMixerLibrary::SdlMixerLibrary(SdlLibraryNames names) : names_(std::move(names)), state_(std::make_unique<State>()) {}

SdlMixerLibrary::~SdlMixerLibrary() { Close(); }

void SdlMixerLibrary::SetOutput(int output) {
    if (!state_->open) state_->output = output;
}

void SdlMixerLibrary::SetDriver(int driver) {
    if (!state_->open) state_->driver = driver;
}

bool SdlMixerLibrary::Init(int mixRate, int maxChannels, unsigned /*flags*/) {
    State& s = *state_;
    if (s.open) return true;
    if (s.output == kOutputNoSound || mixRate <= 0 || maxChannels <= 0) return false;
    if (!s.sdl) {
        SdlMixerLoad load = LoadSdlMixer(names_);
        s.missing = std::move(load.missing);
        if (!load.calls) return false;
        s.sdl = load.calls;
    }
    const SdlMixerCalls& sdl = *s.sdl;

    // SDL must not take over SIGINT and SIGTERM from the window toolkit.
    sdl.SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (!s.audioSubsystem) {
        if (sdl.SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        s.audioSubsystem = true;
    }
    if (!s.mixerDecoders) {
        // Whether the module decoder came up shows when the song loads.
        sdl.Mix_Init(MIX_INIT_MOD);
        s.mixerDecoders = true;
    }

    // Driver 0 is the system's default device; a higher number picks that
    // device from SDL's list when it exists.
    const char* device = nullptr;
    if (s.driver > 0 && s.driver < sdl.SDL_GetNumAudioDevices(0)) device = sdl.SDL_GetAudioDeviceName(s.driver, 0);

    // No format changes allowed: the mixer runs at exactly the rate asked
    // for, and SDL converts for the device when it has to.
    if (sdl.Mix_OpenAudioDevice(mixRate, AUDIO_S16SYS, 2, kBufferFrames, device, 0) != 0) {
        Close();
        return false;
    }
    s.open = true;
    s.channels = sdl.Mix_AllocateChannels(2 * maxChannels) / 2;
    s.active.assign(s.channels, 0);
    s.ramps.assign(2 * s.channels, Ramp{});
    // The mixer keeps volumes from an earlier opening; start at full.
    sdl.Mix_VolumeMusic(MIX_MAX_VOLUME);
    sdl.Mix_Volume(-1, MIX_MAX_VOLUME);
    int rate = 0, outChannels = 0;
    Uint16 format = 0;
    s.canRamp = sdl.Mix_QuerySpec(&rate, &format, &outChannels) != 0 && format == AUDIO_S16SYS && outChannels == 2;
    return true;
}

SongHandle SdlMixerLibrary::LoadSong(const std::string& path) {
    State& s = *state_;
    if (!s.open) return {};
    const SdlMixerCalls& sdl = *s.sdl;
    auto bytes = ReadSoundFile(path, kMusicFileLimit);
    if (!bytes) return {};
    auto kept = std::make_unique<std::vector<unsigned char>>(std::move(*bytes));
    // The mixer closes the reader with the music, or at once on failure.
    Mix_Music* music = sdl.Mix_LoadMUS_RW(ReaderOf(sdl, *kept), 1);
    if (music == nullptr) {
        ReportUnusable("File " + path + " is not a music module SDL_mixer can play (" + sdl.SDL_GetError() + ").");
        return {};
    }
    uint32_t id = s.NewId();
    s.songs[id] = State::LoadedSong{music, std::move(kept)};
    return SongHandle{id};
}

void SdlMixerLibrary::PlaySong(SongHandle song) {
    State& s = *state_;
    Mix_Music* music = s.Song(song);
    if (!s.open || music == nullptr) return;
    const SdlMixerCalls& sdl = *s.sdl;
    // SDL2_mixer would wait for a fade-out still running; cut its tail.
    if (sdl.Mix_FadingMusic() == MIX_FADING_OUT) sdl.Mix_HaltMusic();
    // -1: the module repeats from its beginning when it ends.
    if (sdl.Mix_PlayMusic(music, -1) == 0) s.currentSong = song.id;
}

bool SdlMixerLibrary::IsSongPlaying(SongHandle song) {
    const State& s = *state_;
    if (!s.open || s.Song(song) == nullptr || s.currentSong != song.id) return false;
    const SdlMixerCalls& sdl = *s.sdl;
    // Music fading out after StopSong counts as stopped.
    return sdl.Mix_PlayingMusic() != 0 && sdl.Mix_FadingMusic() != MIX_FADING_OUT;
}

void SdlMixerLibrary::StopSong(SongHandle song) {
    if (IsSongPlaying(song)) state_->sdl->Mix_FadeOutMusic(kMusicFadeMs);
}

void SdlMixerLibrary::FreeSong(SongHandle song) {
    State& s = *state_;
    auto it = s.songs.find(song.id);
    if (it == s.songs.end()) return;
    const SdlMixerCalls& sdl = *s.sdl;
    if (s.currentSong == song.id) {
        // Let a fade-out finish (a hard stop would click), but not for long.
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(kMusicFadeWaitMs);
        while (sdl.Mix_PlayingMusic() && sdl.Mix_FadingMusic() == MIX_FADING_OUT &&
               std::chrono::steady_clock::now() < until) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        sdl.Mix_HaltMusic();
        s.currentSong = 0;
    }
    sdl.Mix_FreeMusic(it->second.music);
    s.songs.erase(it);
}

SampleHandle SdlMixerLibrary::SampleLoad(int /*slot*/, const std::string& path, unsigned mode, int /*length*/) {
    State& s = *state_;
    if (!s.open) return {};
    const SdlMixerCalls& sdl = *s.sdl;
    const auto bytes = ReadSoundFile(path, kSoundFileLimit);
    if (!bytes) return {};
    // Mix_LoadWAV_RW converts the whole sound to the output's format,
    // whatever the file's own bits and channels are, so the file's bytes
    // are not needed after it.
    Mix_Chunk* chunk = sdl.Mix_LoadWAV_RW(ReaderOf(sdl, *bytes), 1);
    if (chunk == nullptr) {
        ReportUnusable("File " + path + " is not a sound SDL_mixer can play (" + sdl.SDL_GetError() + ").");
        return {};
    }
    uint32_t id = s.NewId();
    s.samples[id] = State::Sample{chunk, (mode & kSampleLoopNormal) != 0 && (mode & kSampleLoopOff) == 0 ? -1 : 0};
    return SampleHandle{id};
}

void SdlMixerLibrary::PlaySound(int channel, SampleHandle sample) {
    State& s = *state_;
    const State::Sample* found = s.FindSample(sample);
    if (!s.ValidChannel(channel) || found == nullptr) return;
    const SdlMixerCalls& sdl = *s.sdl;
    // The new play takes the channel's place from what sounds there: that
    // voice fades out quickly while the other voice starts the sample.
    int voice = s.Voice(channel);
    if (s.canRamp && sdl.Mix_Playing(voice)) {
        sdl.Mix_UnregisterAllEffects(voice);
        s.ramps[voice].remaining = kRampFrames;
        if (sdl.Mix_RegisterEffect(voice, RampDown, nullptr, &s.ramps[voice]) != 0) {
            sdl.Mix_ExpireChannel(voice, kRampExpireMs);
            s.active[channel] ^= 1;
            voice = s.Voice(channel);
        }
    }
    sdl.Mix_PlayChannelTimed(voice, found->chunk, found->loops, -1);
}

bool SdlMixerLibrary::IsChannelPlaying(int channel) {
    // A voice fading out after a replay no longer counts.
    return state_->ValidChannel(channel) && state_->sdl->Mix_Playing(state_->Voice(channel)) != 0;
}

void SdlMixerLibrary::StopSound(int channel) {
    State& s = *state_;
    if (!s.ValidChannel(channel)) return;
    s.sdl->Mix_HaltChannel(channel);
    s.sdl->Mix_HaltChannel(channel + s.channels);
}

void SdlMixerLibrary::SampleFree(SampleHandle sample) {
    State& s = *state_;
    auto it = s.samples.find(sample.id);
    if (it == s.samples.end()) return;
    // SDL2_mixer halts every channel still playing the chunk first.
    s.sdl->Mix_FreeChunk(it->second.chunk);
    s.samples.erase(it);
}

void SdlMixerLibrary::SetMusicVolume(int volume) {
    if (state_->open) state_->sdl->Mix_VolumeMusic(std::clamp(volume, 0, MIX_MAX_VOLUME));
}

void SdlMixerLibrary::SetEffectsVolume(int volume) {
    // -1: both voices of every channel.
    if (state_->open) state_->sdl->Mix_Volume(-1, std::clamp(volume, 0, MIX_MAX_VOLUME));
}

void SdlMixerLibrary::Close() {
    State& s = *state_;
    // Without the libraries nothing was opened or loaded.
    if (!s.sdl) return;
    const SdlMixerCalls& sdl = *s.sdl;
    if (s.open) {
        sdl.Mix_HaltMusic();
        sdl.Mix_HaltChannel(-1);
    }
    // Whatever the caller left loaded goes before the output closes.
    for (auto& [id, song] : s.songs) sdl.Mix_FreeMusic(song.music);
    s.songs.clear();
    for (auto& [id, sample] : s.samples) sdl.Mix_FreeChunk(sample.chunk);
    s.samples.clear();
    s.currentSong = 0;
    if (s.open) {
        sdl.Mix_CloseAudio();
        s.open = false;
        s.channels = 0;
        s.active.clear();
        s.ramps.clear();
    }
    if (s.mixerDecoders) {
        sdl.Mix_Quit();
        s.mixerDecoders = false;
    }
    if (s.audioSubsystem) {
        sdl.SDL_QuitSubSystem(SDL_INIT_AUDIO);
        s.audioSubsystem = false;
        // With nothing else of SDL's still running, SDL itself goes too,
        // and with it what it keeps for the whole process (its D-Bus
        // connection among others).
        if (sdl.SDL_WasInit(SDL_INIT_EVERYTHING) == 0) sdl.SDL_Quit();
    }
}

bool SdlMixerLibrary::IsOpen() const { return state_->open; }

std::optional<LibraryMissing> SdlMixerLibrary::Missing() const { return state_->missing; }

std::optional<AudioOutputFormat> SdlMixerLibrary::OutputFormat() const {
    if (!state_->open) return std::nullopt;
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    if (state_->sdl->Mix_QuerySpec(&rate, &format, &channels) == 0) return std::nullopt;
    AudioOutputFormat f;
    f.rate = rate;
    f.channels = channels;
    f.bitsPerSample = SDL_AUDIO_BITSIZE(format);
    f.isSigned = SDL_AUDIO_ISSIGNED(format);
    f.isFloat = SDL_AUDIO_ISFLOAT(format);
    f.bigEndian = SDL_AUDIO_ISBIGENDIAN(format);
    return f;
}

}  // namespace dzwonex
