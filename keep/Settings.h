#pragma once
#include <map>
#include <memory>
#include <optional>

#include <QByteArray>
#include <QString>
#include <QTimer>
#include <QVariant>

#include "Language.h"

class QSettings;

namespace dzwonex {

// Everything the game remembers between starts, under one roof, with the
// key each is kept under (~/.config/dzwonex/dzwonex.conf), through one
// QSettings held for the game's life. A hand-edited file may hold
// anything: each value read is checked. A volume dragged on its slider is
// written once it settles, not at every step.
class Settings {
public:
    // The settings file of the organisation and application names set on
    // the application. One that is not a regular file (a pipe, a folder) is
    // moved aside and a fresh one begun; Problem() tells.
    Settings();
    // The file at `path` (tests).
    explicit Settings(const QString& path);
    ~Settings();
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    // What went wrong with the file at start; empty when nothing did.
    const QString& Problem() const { return problem_; }
    const QString& Path() const { return path_; }

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
    // "game/stopOnNewCase": the clock stops (speed 0) when a new case
    // comes; off when nothing is stored.
    bool StopOnNewCase() const;
    void SetStopOnNewCase(bool on);
    // "game/lastExitProblem": what went wrong as the game last ended on a
    // signal (a game that could not be kept), to be told at the next start.
    QString LastExitProblem() const;
    void SetLastExitProblem(const QString& problem);

    // "player/name": the name the records give the manager, asked once;
    // none before it was asked, or when the file holds only blanks.
    std::optional<QString> PlayerName() const;
    void SetPlayerName(const QString& name);

    // Writes what waits to settle, and the file (closing, a signal).
    void Flush();
    // The settle timer's handler: what waits is written (the file follows
    // on QSettings' own schedule).
    void Settle();
    const QTimer& SettleTimer() const { return settle_; }
    static constexpr int kSettleMs = 500;

private:
    void Open(const QString& path);
    QVariant Value(const QString& key, const QVariant& fallback = {}) const;
    void Set(const QString& key, const QVariant& value);
    void SetLater(const QString& key, const QVariant& value);
    int Percent(const QString& key, int fallback) const;

    QString path_;
    QString problem_;
    std::unique_ptr<QSettings> store_;
    std::map<QString, QVariant> settling_;  // written when the timer fires
    QTimer settle_;
};

}  // namespace dzwonex
