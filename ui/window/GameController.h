#pragma once
#include <memory>

#include <QByteArray>
#include <QObject>
#include <QStringList>

#include "BulkAnswer.h"
#include "CareerFiles.h"
#include "CareerPresenter.h"
#include "GameClock.h"
#include "GameKeeper.h"
#include "GameOptions.h"
#include "GamePictures.h"
#include "GameSession.h"
#include "LanguageSwitch.h"
#include "LeavingWatch.h"
#include "Screen.h"
#include "Settings.h"
#include "Speakers.h"
#include "ViewRouter.h"

namespace dzwonex {

// One game in a window. It makes the parts and wires them: the session
// (the company and what follows each turn), the view router that shows it
// on the pages, the clock, the keeper of saved and kept games, the career
// shown, the language switch, the settings, the pictures and the sound.
// The pages' signals come back as the player's operations below, each a
// line or two that hands the work to a part. No rule is decided here.
class GameController : public QObject {
    Q_OBJECT
public:
    explicit GameController(TfrmMainOptions options, QObject* parent = nullptr);
    ~GameController() override;

    // The parts, for the window and for tests.
    const Company& Game() const { return session_.Game(); }
    Company& Game() { return session_.Game(); }
    const GameSession& Session() const { return session_; }
    GameSession& Session() { return session_; }
    GameClock& Clock() { return clock_; }
    GameKeeper& Keeper() { return keeper_; }
    LanguageSwitch& Languages() { return languages_; }
    const CareerPresenter& Career() const { return career_; }
    const Settings& Remembered() const { return settings_; }
    const MapPictures& Pictures() const { return pictures_.Pictures(); }
    const TfrmMainOptions& Options() const { return options_; }
    const GameSound& Sound() const { return speakers_.Sound(); }
    Speakers& Audio() { return speakers_; }
    // Where the pictures, sounds and Banner.url are read, ending in '/'.
    const std::string& AssetDir() const { return options_.appDir; }
    // True when a picture could not be loaded and the game was not set up.
    bool StartupFailed() const { return startupFailed_; }

    // The start-up: the pictures, the sound and a new game (or the saved
    // one asked for) on the screen given, then the remembered settings.
    void Start(const Screen& screen);
    // Where the help is, how to go on with the last game, what went wrong
    // as it ended: on the feedback line once the greeting has closed (at
    // once when there is none).
    void TellStartHints();
    void Shutdown();
    // The window is closing: its geometry is remembered and the game kept.
    void WindowClosing(const QByteArray& geometry);
    // The process is ending on a signal: the game is kept, and a failure
    // told on stderr and at the next start, never in a box.
    void LeavingOnSignal();
    // The map page is about to draw: its picture is decoded if need be.
    void DecodeMap();

    // --- What the player does ---
    void AnswerYes();
    void AnswerNo();
    void AnswerOk();
    // Every case of the front case's kind and title, once the player has
    // confirmed how many; the feedback line tells what they changed in all.
    void AnswerWholeGroup(Answer answer);
    void PressMap(int x, int y);
    void PickSpeed(int step) { clock_.PickSpeed(step); }
    void StepSpeed(int delta);
    void TogglePause() { clock_.TogglePause(); }
    void PageChangedByPlayer() { session_.Game().PageChangedByPlayer(); }
    void OpenBannerLink();
    void SetStartFromLastGame(bool on) { settings_.SetStartFromLastGame(on); }
    // The clock stops (the player's pause, speed 0) when a day brings a case.
    void SetStopOnNewCase(bool on) { settings_.SetStopOnNewCase(on); }
    // A new company, once the player has picked its term; the game in play
    // is kept first.
    void NewGame();
    void PlayOnAfterReport() { career_.PlayOn(); }

signals:
    // The language changed: every page shows its words anew.
    void LanguageChanged(Language language);
    void CareerChanged();

private:
    void LoadGraphics();
    void SetUpNewGame(int32_t termYears);
    void ApplyLanguage(Language language);
    void AfterDay();
    void AfterAnswer(const GameSession::Outcome& outcome);
    // The day that ends a term enters it in the records: the player's name
    // is asked first, once for good.
    void AskNameBeforeTheFirstRecord();
    // A kind of subscriber started to leave today: the line at the bottom says why.
    void WarnOfLeaving();
    // Another game is in play: its course, rating and cases shown.
    void ShowNewGame();
    void ReportError(const QString& message) const { options_.reportError(message); }
    // The button that answers a group of two or more: "Odpowiedz „Nie” na 9 spraw".
    static QString AnswerAllButton(const QString& word, int32_t count);

    TfrmMainOptions options_;
    Settings settings_;
    LanguageSwitch languages_;
    Speakers speakers_;
    GameClock clock_;
    ViewRouter router_;
    CareerFiles careerFiles_;
    GameSession session_;
    GamePictures pictures_;
    GameKeeper keeper_;
    CareerPresenter career_;
    Screen screen_;
    LeavingWatch leaving_;
    bool startupFailed_ = false;
    QStringList startHints_;  // until the greeting closes
};

}  // namespace dzwonex
