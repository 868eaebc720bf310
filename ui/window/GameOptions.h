#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QString>
#include <QUrl>

#include "GameSound.h"
#include "Language.h"

class QWidget;

namespace dzwonex {

// Shows an error to the player; the game's own shows a modal error box
// titled "Dzwonex".
using ErrorReporter = std::function<void(const QString& message)>;
// Hands an address to the desktop (browser or mail program).
using UrlOpener = std::function<void(const QUrl& url)>;
// Asks the player for a saved game's file; an empty text when cancelled.
// The suggestion is the name offered for a save.
using FileAsker = std::function<QString(QWidget* parent, const QString& suggestion)>;
// One kept game the player may go on with, as the list names it.
struct KeptChoice {
    QString path;
    QString text;  // "rok 3, 24 867 zł · grana 7.12.2026 15:30"
};
// Asks which kept game to go on with; an empty text when cancelled.
using KeptGameChooser = std::function<QString(QWidget* parent, const std::vector<KeptChoice>& games)>;
// Asks the player whether to do something: true when the button that says
// it (`doIt`, "Odpowiedz „Nie” na 9 spraw") was pressed, false for Anuluj.
using Confirmer = std::function<bool(QWidget* parent, const QString& question, const QString& doIt)>;
// Asks whether to start a new game and with what term: its years (1, 2, 5
// or 10), 0 for no term, none when the player would rather go on.
using TermAsker = std::function<std::optional<int32_t>(QWidget* parent, const QString& question)>;

// Asks the player's name for the best managers' table, offering
// `suggestion`; none when the player would rather not say.
using NameAsker = std::function<std::optional<QString>(QWidget* parent, const QString& suggestion)>;

// How the window is set up; the defaults are the real game's.
struct TfrmMainOptions {
    // Where the pictures, sounds and Banner.url are read; ends with '/'.
    // Empty: the executable's folder.
    std::string appDir;
    // Signs refusal letters. None: the logged-on user.
    std::optional<std::string> userName;
    // None: seeded from the clock.
    std::optional<uint32_t> seed;
    // None: the game's sound.
    std::unique_ptr<GameSound> sound;
    ErrorReporter reportError;
    UrlOpener openUrl;
    // The greeting dialog at first show.
    bool showLogo = true;
    // Saved games: where to save and what to open, as the player chooses;
    // None: the standard file dialogs.
    FileAsker askSavePath;
    FileAsker askOpenPath;
    // Before a group of cases is answered at once; None: a box whose
    // buttons say what they do.
    Confirmer confirm;
    // Before the game in progress is given up for a new one; None: a dialog
    // with the term's lengths.
    TermAsker askTerm;
    // Which kept game to go on with; None: a list in a dialog.
    KeptGameChooser chooseKeptGame;
    // The player's name, before the first term's record; None: a small dialog.
    NameAsker askName;
    // A saved game to open at start instead of the new one.
    std::optional<QString> loadPath;
    // The language of every text, for this window only (not remembered).
    // None: the one the player chose on the Menu page, or else the system's.
    std::optional<Language> language;
};

// Each option not given gets the real game's own below (the executable's
// folder for the pictures).
void FillInTheGamesOwn(TfrmMainOptions& options);

class GameClock;
// Each option that asks the player (a box, a file dialog, a question) asks
// with the clock standing: no day passes behind a modal dialog.
void HoldClockWhileAsking(TfrmMainOptions& options, GameClock& clock);

// The real game's answers to the options above.
void ShowErrorBox(const QString& message);
void OpenInDesktop(const QUrl& url);
bool AskBeforeDoing(QWidget* parent, const QString& question, const QString& doIt);
std::optional<int32_t> AskTerm(QWidget* parent, const QString& question);
// The standard file dialogs, filtered to "Gra Dzwonex (*.dzwonex)".
QString AskSaveFile(QWidget* parent, const QString& suggestion);
QString AskOpenFile(QWidget* parent, const QString& folder);
QString AskKeptGame(QWidget* parent, const std::vector<KeptChoice>& games);
std::optional<QString> AskName(QWidget* parent, const QString& suggestion);

}  // namespace dzwonex
