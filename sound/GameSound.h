#pragma once
#include <string>

namespace dzwonex {

// What the game asks of its sound: music from start to end, three effects,
// the music switch and the two volumes. Every call is harmless when the
// sound could not start. TSound plays it through SDL2_mixer; tests record it.
class GameSound {
public:
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
};

}  // namespace dzwonex
