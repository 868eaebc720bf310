#pragma once
#include <functional>
#include <string>

namespace dzwonex {

// What the game asks of its sound: music from start to end, three effects,
// the music switch and the two volumes. Every call is harmless when the
// sound could not start. TSound plays it through SDL2_mixer; tests record it.
class GameSound {
public:
    // Told which library the sound misses and why, when it stays silent
    // for want of it; called from whichever thread opens the sound.
    using SilenceReport = std::function<void(const std::string& library, const std::string& reason)>;

    virtual ~GameSound() = default;
    // Opens the device and loads the music and effects from appDir (ending
    // in a separator), then starts the music; DoneSound closes everything.
    virtual void InitSound(const std::string& appDir) = 0;
    virtual void DoneSound() = 0;
    // OK, Tak and Nie; a page the player turned to; a press on the map.
    virtual void PlayButtonSound() = 0;
    virtual void PlayPageSound() = 0;
    virtual void PlayClickSound() = 0;
    // The music stops and starts again.
    virtual void SetMusicOn(bool on) = 0;
    // Loudness in percent, 0..100; kept while the sound is closed.
    virtual void SetMusicVolume(int percent) = 0;
    virtual void SetEffectsVolume(int percent) = 0;
    virtual int MusicVolume() const = 0;
    virtual int EffectsVolume() const = 0;
    // Whom to tell, once at the most, when the sound has no library to play
    // through; set before InitSound. A sound that needs no library ignores it.
    virtual void WhenSilent(SilenceReport report) { (void)report; }
};

}  // namespace dzwonex
