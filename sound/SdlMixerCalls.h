#pragma once
// The functions of SDL2 and SDL2_mixer that the game's sound calls, found
// in the installed libraries when the sound opens instead of linked into
// the program: the window starts without them and the forty-odd libraries
// they bring in (decoders, sound servers, display back ends), and without
// them installed the game plays on, silent.
#include <SDL.h>
#include <SDL_mixer.h>

#include <optional>

#include "AudioLibrary.h"
#include "SdlMixerLibrary.h"

namespace dzwonex {

#define DZWONEX_SDL_CALLS(X)  \
    X(SDL_GetAudioDeviceName) \
    X(SDL_GetError)           \
    X(SDL_GetNumAudioDevices) \
    X(SDL_InitSubSystem)      \
    X(SDL_Quit)               \
    X(SDL_QuitSubSystem)      \
    X(SDL_RWFromConstMem)     \
    X(SDL_SetHint)            \
    X(SDL_WasInit)

// Mix_PlayChannelTimed rather than Mix_PlayChannel, which older SDL2_mixer
// releases have only as a macro.
#define DZWONEX_MIXER_CALLS(X)  \
    X(Mix_AllocateChannels)     \
    X(Mix_CloseAudio)           \
    X(Mix_ExpireChannel)        \
    X(Mix_FadeOutMusic)         \
    X(Mix_FadingMusic)          \
    X(Mix_FreeChunk)            \
    X(Mix_FreeMusic)            \
    X(Mix_HaltChannel)          \
    X(Mix_HaltMusic)            \
    X(Mix_Init)                 \
    X(Mix_LoadMUS_RW)           \
    X(Mix_LoadWAV_RW)           \
    X(Mix_OpenAudioDevice)      \
    X(Mix_PlayChannelTimed)     \
    X(Mix_PlayMusic)            \
    X(Mix_Playing)              \
    X(Mix_PlayingMusic)         \
    X(Mix_QuerySpec)            \
    X(Mix_Quit)                 \
    X(Mix_RegisterEffect)       \
    X(Mix_UnregisterAllEffects) \
    X(Mix_Volume)               \
    X(Mix_VolumeMusic)

// Each call by its own name: calls.Mix_PlayMusic(music, -1).
struct SdlMixerCalls {
#define DZWONEX_CALL_POINTER(name) decltype(&::name) name = nullptr;
    DZWONEX_SDL_CALLS(DZWONEX_CALL_POINTER)
    DZWONEX_MIXER_CALLS(DZWONEX_CALL_POINTER)
#undef DZWONEX_CALL_POINTER
};

// The calls, or which library could not be used and why.
struct SdlMixerLoad {
    const SdlMixerCalls* calls = nullptr;
    std::optional<LibraryMissing> missing;
};

// Loads SDL2, then SDL2_mixer, and finds every call. Each pair of names is
// loaded once for the whole process, and a failure is not tried again; the
// libraries stay loaded to the end, since SDL leaves threads and handlers
// behind that an unloading would pull from under them. Safe from any thread.
SdlMixerLoad LoadSdlMixer(const SdlLibraryNames& names);

}  // namespace dzwonex
