#pragma once
#include <memory>
#include <string>

#include <QObject>

#include "GameSound.h"

namespace dzwonex {

class BackgroundOpenedSound;
class MenuPage;
class Settings;

// The game's sound in the window, switched from outside: the music and the
// volumes as the player left them (kept with the settings), opened once the
// window has been painted, and closed first at the end.
class Speakers : public QObject {
    Q_OBJECT
public:
    // `given` (tests, tools) opens as it is asked; none: the game's own
    // sound, which opens on a thread after the first paint.
    Speakers(std::unique_ptr<GameSound> given, Settings& settings, QObject* parent = nullptr);
    ~Speakers() override;

    GameSound& Sound() { return *sound_; }
    const GameSound& Sound() const { return *sound_; }

    // The volumes kept, before the sound opens: it starts at them. The
    // menu shows them.
    void ApplyVolumes(MenuPage& menu);
    // The sound's files are in `dir`; it opens after the first paint, or a
    // second after this when no paint comes (a window started minimised).
    void Init(const std::string& dir);
    // The music switch kept off last time stays off.
    void ApplyMusicSwitch(MenuPage& menu);
    // The window has had its first paint.
    void WindowPainted();

    // The player's switch and sliders: heard at once, kept for next time.
    void SetMusicOn(bool on);
    void SetMusicVolume(int percent);
    void SetEffectsVolume(int percent);

signals:
    // The sound found no library to play through: the game goes on silent.
    // Said once, in the player's language; the line is also written to the
    // standard error.
    void Silent(const QString& line);

private:
    Settings& settings_;
    std::unique_ptr<GameSound> sound_;
    BackgroundOpenedSound* opening_ = nullptr;  // sound_, when it opens on a thread
};

}  // namespace dzwonex
