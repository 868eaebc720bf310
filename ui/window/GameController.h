#pragma once
#include <functional>
#include <future>
#include <map>
#include <memory>

#include <QImage>
#include <QObject>
#include <QTimer>

#include "BulkAnswer.h"
#include "Career.h"
#include "Company.h"
#include "CompanyKeeper.h"
#include "GameOptions.h"
#include "History.h"
#include "MapPaint.h"
#include "Pictures.h"
#include "Settings.h"

class QWidget;

namespace dzwonex {

class BackgroundOpenedSound;
class BannerBar;
class CasesPage;
class MapPage;
class MenuPage;
class StatisticsPage;
class StatusBar;
class TPageControl;
class TermReportPage;

// The window's parts the game shows itself on.
struct Screen {
    QWidget* window = nullptr;  // the parent of the game's dialogs
    BannerBar* banner = nullptr;
    StatusBar* status = nullptr;
    TPageControl* pages = nullptr;
    MapPage* map = nullptr;
    StatisticsPage* statistics = nullptr;
    CasesPage* cases = nullptr;
    MenuPage* menu = nullptr;
    TermReportPage* report = nullptr;  // over the pages at a term's end
};

// One game in a window: it owns the company, the clock (the day timer and
// the banner timer), the sound, the history, the settings, the saved games,
// the language and the manager's career (term, milestones, records). It is the company's view and passes each call to the
// page that shows it; the pages' signals come back as the operations below.
// No rule of the game is decided here.
class GameController : public QObject, public GameView {
    Q_OBJECT
public:
    explicit GameController(TfrmMainOptions options, QObject* parent = nullptr);
    ~GameController() override;

    // What the pages draw from; they live as long as the controller.
    const Company& Game() const { return *game_; }
    Company& Game() { return *game_; }
    const MapPictures& Pictures() const { return pictures_; }
    const History& GameHistory() const { return history_; }
    Language CurrentLanguage() const { return language_; }
    const TfrmMainOptions& Options() const { return options_; }
    const Settings& Remembered() const { return settings_; }
    const Career& ManagerCareer() const { return career_; }
    // Where the pictures, sounds and Banner.url are read, ending in '/'.
    const std::string& AssetDir() const { return options_.appDir; }
    const GameSound& Sound() const { return *sound_; }
    // True when a picture could not be loaded and the game was not set up.
    bool StartupFailed() const { return startupFailed_; }
    QTimer* MainTimer() const { return mainTimer_; }
    QTimer* BannerTimer() const { return bannerTimer_; }

    // The start-up: the pictures, the sound and a new game (or the saved
    // one asked for) on the screen given, then the remembered settings.
    void Start(const Screen& screen);
    // The shutdown: the sound stops, the pictures and the game go.
    void Shutdown();
    // The window has had its first paint: the game's own sound begins to
    // open, so its thread does not compete with that paint.
    void WindowPainted();
    // The window is closing: its geometry is remembered and the game kept.
    void WindowClosing(const QByteArray& geometry);
    // Decodes the map picture if that is still to be done. The map page
    // asks before it first draws: until then the game goes without the
    // picture's 4.5 MB.
    void DecodeMap();

    // --- What the player does ---
    void AnswerYes();
    void AnswerNo();
    void AnswerOk();
    // Every case of the front case's kind and title, once the player has
    // confirmed how many; the feedback line tells what they changed in all.
    void AnswerWholeGroup(Answer answer);
    // The term's report has been read: the game goes on with no term, at
    // the speed it had.
    void PlayOnAfterReport();
    void PressMap(int x, int y);
    void PickSpeed(int step);
    void StepSpeed(int delta);
    // Stops the clock, and again: back to the speed before.
    void TogglePause();
    void PageChangedByPlayer();
    void OpenBannerLink();
    void SetMusicOn(bool on);
    void SetMusicVolume(int percent);
    void SetEffectsVolume(int percent);
    // Speaks the language from now on; `remember` keeps it for next time.
    void SetLanguage(Language language, bool remember = false);
    // The language installed by anyone: the company and the screen follow.
    void ApplyLanguage(Language language);
    void SaveGameAs();
    void LoadGameFile();
    void NewGame();
    // Goes on with the most recently played kept game other than this one,
    // or with one the player picks from the list; the game in play is kept
    // first.
    void ContinueLastGame();
    void ChooseKeptGame();
    void SetStartFromLastGame(bool on);
    // Keeps the game in play in its own file among the kept games (once the
    // player has played it); false when that failed, which was told.
    bool KeepGame();
    // The same on the saver's thread, as each game month does.
    void Autosave();
    static constexpr int kAutosaveDays = 30;
    CompanyKeeper& Keeper() { return keeper_; }
    // Each reports a failure to the player and returns false; a failed load
    // leaves the game as it was.
    bool SaveGameTo(const QString& path);
    bool LoadGameFrom(const QString& path);
    // The language to start in: the player's choice, else the system's.
    static Language StartLanguage();

    // Samples the company into the history and redraws the chart.
    void RecordHistory();

    // --- The timers' ticks ---
    void MainTimerTimer();
    void BannerTimerTimer();

    // --- GameView ---
    void SetText(Control control, const std::string& text) override;
    void SetButtonEnabled(Button button, bool enabled) override;
    void SetActivePage(int index) override;
    void RepaintMap() override;
    void RepaintBanner() override;
    void SetMapSize(int width, int height) override;
    void SetSpeedPosition(int position) override;
    void StartMainTimer(int periodMs) override;
    void StopMainTimer() override;
    void PlayButtonSound() override;
    void PlayPageSound() override;
    void PlayClickSound() override;
    void DayBooked(const DayAccount& day) override;
    void Reported(const ActionReport& report) override;

signals:
    // The language changed: every page shows its words anew.
    void LanguageChanged(Language language);
    // A milestone was reached or a term entered the records.
    void CareerChanged();

private:
    void LoadGraphics();
    // The company's first day, its texts shown once it is set up.
    void SetUpNewGame();
    // Runs `work` keeping what the game writes, then shows the last text of
    // each control (also when `work` throws). Nested runs show at the end
    // of the outermost.
    void WithTextsHeld(const std::function<void()>& work);
    void ShowHeldTexts();
    void ShowText(Control control, const QString& text);
    void RestartHistory();
    // The bands and trends of opinion and quality beside their figures.
    void ShowStanding();
    void ReportError(const QString& message);
    std::string UserName() const;
    CompanyKeeper::Writer Writer() const;
    void ContinueGame(const QString& keptFile);
    void ShowContinue();
    // "rok 3, 24 867 zł" of a saved game; none when it cannot be read.
    std::optional<QString> Summary(const QString& path) const;
    // The game as a saved game holds it.
    SavedGame CurrentGame() const;
    // The career after each day and each answer: the rating shown, the
    // milestones told, the report at a term's end.
    void AfterDay();
    void AfterAnswer();
    void ShowRating();
    void ShowRating(const Rating& rating);
    void Announce(const std::vector<MilestoneId>& reached);
    void ShowTermReport(int32_t place);
    void HideTermReport();

    TfrmMainOptions options_;
    Settings settings_;
    std::unique_ptr<GameSound> sound_;
    BackgroundOpenedSound* soundToOpen_ = nullptr;  // sound_, when it opens on a thread
    std::unique_ptr<Company> game_;
    Screen screen_;
    QTimer* mainTimer_;
    QTimer* bannerTimer_;
    MapPictures pictures_;    // the map picture and the six icons
    MapPictureFile mapFile_;  // checked, waiting to be decoded
    bool mapPending_ = false;
    std::future<StartupPictures> startupPictures_;  // being read while the pages are built
    bool startupFailed_ = false;
    History history_;
    CompanyKeeper keeper_;
    bool keepFailing_ = false;                // told once until a game is kept again
    int resumeSpeed_ = Company::kStartSpeed;  // what a pause resumes
    Language language_ = Language::Polish;
    Career career_;
    bool pausedForReport_ = false;  // the report stopped the clock
    // While a group is answered, its answers' reports add up here.
    std::optional<ActionReport> group_;
    // While a new game is set up: the last text of each plain figure.
    bool holdingTexts_ = false;
    std::map<Control, QString> heldTexts_;
    int groupAnswered_ = 0;
};

}  // namespace dzwonex
