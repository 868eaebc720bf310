#pragma once
#include <optional>

#include <QByteArray>

#include "Language.h"

namespace dzwonex {

// Everything the game remembers between starts, under one roof, with the
// key each is kept under (QSettings: ~/.config/dzwonex/dzwonex.conf). A
// hand-edited file may hold anything: each value read is checked.
class Settings {
public:
    // "sound/music": the music switch; on when nothing is stored.
    bool MusicOn() const;
    void SetMusicOn(bool on);
    // "sound/musicVolume", "sound/effectsVolume": percent, 0..100.
    int MusicVolume(int fallback) const;
    void SetMusicVolume(int percent);
    int EffectsVolume(int fallback) const;
    void SetEffectsVolume(int percent);
    // "window/geometry": the window's place, size and maximised state.
    QByteArray Geometry() const;
    void SetGeometry(const QByteArray& geometry);
    // "window/language": the player's choice; none before one is made.
    std::optional<Language> ChosenLanguage() const;
    void SetChosenLanguage(Language language);
    // "game/startFromLast": start-up goes on with the latest kept game
    // instead of a new company; off when nothing is stored.
    bool StartFromLastGame() const;
    void SetStartFromLastGame(bool on);
};

}  // namespace dzwonex
