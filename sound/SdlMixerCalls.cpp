#include "SdlMixerCalls.h"

#include <dlfcn.h>

#include <map>
#include <memory>
#include <mutex>
#include <utility>

namespace dzwonex {
namespace {

// dlerror's text without the library's path and name in front ("/usr/lib/
// .../libSDL2_mixer-2.0.so.0: undefined symbol: Mix_Init"), since the
// player is told the name beside it.
std::string Reason(const std::string& library) {
    const char* error = dlerror();
    std::string text = error ? error : "unknown error";
    const auto at = text.find(library + ": ");
    if (at != std::string::npos) text.erase(0, at + library.size() + 2);
    return text;
}

// A library by its runtime name, loaded for good.
void* Open(const std::string& library, std::optional<LibraryMissing>& missing) {
    // Lazy binding, as when the program linked them: only what is called
    // gets resolved.
    void* handle = dlopen(library.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (!handle) missing = LibraryMissing{library, Reason(library)};
    return handle;
}

template <class Pointer>
bool Find(void* handle, const char* name, Pointer& pointer, const std::string& library,
          std::optional<LibraryMissing>& missing) {
    dlerror();
    pointer = reinterpret_cast<Pointer>(dlsym(handle, name));
    if (pointer) return true;
    missing = LibraryMissing{library, Reason(library)};
    return false;
}

SdlMixerLoad Load(const SdlLibraryNames& names) {
    SdlMixerLoad load;
    void* sdl = Open(names.sdl, load.missing);
    if (!sdl) return load;
    void* mixer = Open(names.mixer, load.missing);
    if (!mixer) return load;
    auto calls = std::make_unique<SdlMixerCalls>();
    bool found = true;
    const auto find = [&](void* handle, const std::string& library, const char* name, auto& pointer) {
        if (found) found = Find(handle, name, pointer, library, load.missing);
    };
#define DZWONEX_FIND_SDL(name) find(sdl, names.sdl, #name, calls->name);
#define DZWONEX_FIND_MIXER(name) find(mixer, names.mixer, #name, calls->name);
    DZWONEX_SDL_CALLS(DZWONEX_FIND_SDL)
    DZWONEX_MIXER_CALLS(DZWONEX_FIND_MIXER)
#undef DZWONEX_FIND_SDL
#undef DZWONEX_FIND_MIXER
    if (found) load.calls = calls.release();
    return load;
}

}  // namespace

SdlMixerLoad LoadSdlMixer(const SdlLibraryNames& names) {
    // Never destroyed: the calls must outlive every sound, static ones too.
    static auto& mutex = *new std::mutex;
    static auto& loads = *new std::map<std::pair<std::string, std::string>, SdlMixerLoad>;
    std::lock_guard lock(mutex);
    auto [it, fresh] = loads.try_emplace({names.sdl, names.mixer});
    if (fresh) it->second = Load(names);
    return it->second;
}

}  // namespace dzwonex
