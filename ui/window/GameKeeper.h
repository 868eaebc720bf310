#pragma once
#include <optional>

#include <QObject>
#include <QString>

#include "CompanyKeeper.h"
#include "GameOptions.h"
#include "Screen.h"

namespace dzwonex {

class GameSession;

// Saved and kept games in the window: "Zapisz" and "Wczytaj" through the
// file dialogs, the company kept in its own file among the kept games
// (closing, quitting, every game month in the background) and going on
// with one of them. Each failure is told to the player; a failed load
// leaves the game as it was.
class GameKeeper : public QObject {
    Q_OBJECT
public:
    GameKeeper(GameSession& session, const TfrmMainOptions& options, QObject* parent = nullptr);

    void Attach(const Screen& screen) { screen_ = screen; }
    // From now on there is a game to keep (the start-up set one up).
    void Activate() { active_ = true; }
    bool Active() const { return active_; }

    // The player acted on the company; a day went by.
    void Played() { keeper_.Played(); }
    void DayPassed();
    // A new company in play: kept from its first answer.
    void StartFresh();

    // Keeps the game in play in its own file among the kept games (once the
    // player has played it); false when that failed, which was told.
    bool KeepGame();
    // The same on the saver's thread, as each game month does.
    void Autosave();
    static constexpr int kAutosaveDays = 30;

    // Each reports a failure to the player and returns false; a failed load
    // leaves the game as it was.
    bool SaveGameTo(const QString& path);
    bool LoadGameFrom(const QString& path);
    // The dialogs: save as, load, and the list of kept games.
    void SaveGameAs();
    void LoadGameFile();
    void ChooseKeptGame();
    // Goes on with the most recently played kept game other than this one;
    // the game in play is kept first.
    void ContinueLastGame();
    // Goes on with that kept game at the start (no game in play to keep).
    void ContinueAtStart(const QString& keptFile);
    // "rok 3, 24 867 zł" of a saved game; none when it cannot be read.
    std::optional<QString> Summary(const QString& path) const;
    // Whether the Menu offers to go on with a kept game.
    void ShowContinue();

    CompanyKeeper& Keeper() { return keeper_; }
    const CompanyKeeper& Keeper() const { return keeper_; }

signals:
    // Another game is in play, read from a file.
    void Loaded();

private:
    void ContinueGame(const QString& keptFile);
    void ReportError(const QString& message) const { options_.reportError(message); }

    GameSession& session_;
    const TfrmMainOptions& options_;
    Screen screen_;
    CompanyKeeper keeper_;
    bool active_ = false;
    bool keepFailing_ = false;  // told once until a game is kept again
};

}  // namespace dzwonex
