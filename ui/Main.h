#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "Company.h"
#include "Controls.h"
#include "History.h"
#include "Language.h"
#include "MapPaint.h"
#include "Pictures.h"
#include "SoundPort.h"

namespace dzwonex {

class TFeedbackLine;
class THelpDialog;
class THistoryChart;
class TLegendHover;

// Shows an error to the player; the game's own shows a modal error box
// titled "Dzwonex".
using ErrorReporter = std::function<void(const QString& message)>;
// Hands an address to the desktop (browser or mail program).
using UrlOpener = std::function<void(const QUrl& url)>;

void ShowErrorBox(const QString& message);
void OpenInDesktop(const QUrl& url);

// Asks the player for a saved game's file; an empty text when cancelled.
using FileAsker = std::function<QString(QWidget* parent)>;
// Asks the player a yes-or-no question; true for Tak.
using Confirmer = std::function<bool(QWidget* parent, const QString& question)>;
bool AskTakNie(QWidget* parent, const QString& question);
// The standard file dialogs, filtered to "Gra Dzwonex (*.dzwonex)".
QString AskSaveFile(QWidget* parent);
QString AskOpenFile(QWidget* parent);

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
    std::unique_ptr<SoundPort> sound;
    ErrorReporter reportError;
    UrlOpener openUrl;
    // The greeting dialog at first show.
    bool showLogo = true;
    // Saved games: where to save and what to open, as the player chooses;
    // None: the standard file dialogs.
    FileAsker askSavePath;
    FileAsker askOpenPath;
    // Before the game in progress is given up for a new one; None: a Tak/Nie box.
    Confirmer confirm;
    // A saved game to open at start instead of the new one.
    std::optional<QString> loadPath;
    // The language of every text, for this window only (not remembered).
    // None: the one the player chose on the Menu page, or else the system's.
    std::optional<Language> language;
};

// The main window. It owns the game from creation to destruction, shows
// what the game writes through its view, and hands every press, click and
// tick to the game's operations. No rule of the game is decided here.
class TfrmMain : public QWidget, public GameView {
    Q_OBJECT
public:
    static constexpr int kDesignWidth = 670;
    static constexpr int kDesignHeight = 459;

    explicit TfrmMain(TfrmMainOptions options = {});
    ~TfrmMain() override;

    Company& Game() { return *game_; }
    const Company& Game() const { return *game_; }
    // True when a picture could not be loaded and the game was not set up.
    bool StartupFailed() const { return startupFailed_; }
    const QImage& Banners() const { return banners_; }
    const MapPictures& Pictures() const { return pictures_; }
    // Where the pictures, sounds and Banner.url are read, ending in '/'.
    const std::string& AssetDir() const { return options_.appDir; }

    // --- GameView ---
    void SetText(Control control, const std::string& text) override;
    void SetButtonEnabled(Button button, bool enabled) override;
    void SetActivePage(int index) override;
    void RepaintMap() override;
    void RepaintBanner() override;
    void SetMapSize(int width, int height) override;
    int SpeedGaugeWidth() const override;
    void SetSpeedPosition(int position) override;
    void StartMainTimer(int periodMs) override;
    void StopMainTimer() override;
    void PlayButtonSound() override;
    void PlayPageSound() override;
    void PlayClickSound() override;

    // --- Start-up and shutdown ---
    void FormCreate();
    void FormShow();
    void FormDestroy();
    void LoadGraphics();
    // Decodes the map picture if that is still to be done; the start-up
    // only checks the file, and the picture follows the first paint.
    void DecodeMap();
    void InitSound();
    void DoneSound();
    void FreeGraphics();
    void ShowLogo();

    // --- Event handlers ---
    void pnlTopResize();
    void tabStatResize();
    void tabSprawyResize();
    void pnlSprawaResize();
    void tabMenuResize();
    void pnlLegendaResize();
    void pbBannerPaint(QPainter& painter);
    void pbBannerMouseDown();
    void paintboxMapaMouseDown(int x, int y);
    void progressSpeedMouseDown(int x);
    void progressSpeedMouseMove(int x);
    void progressSpeedMouseUp();
    void PageControlChange();
    void btnOKClick();
    void btnYesClick();
    void btnNoClick();
    void chkMuzykaClick();
    void MainTimerTimer();
    void BannerTimerTimer();

    // --- Controls, named as in the layout ---
    TPanel* pnlTop = nullptr;
    TPaintBox* pbBanner = nullptr;
    TPanel* pnlDown = nullptr;
    QLabel* lblSpeed1 = nullptr;
    TSpeedGauge* progressSpeed = nullptr;
    QLabel* lblSpeed2 = nullptr;
    TPageControl* PageControl = nullptr;

    TPanel* tabMap = nullptr;
    TPanel* pnlLegenda = nullptr;
    TShape* shapeLegenda = nullptr;
    TLegendPaintBox* paintboxLegenda = nullptr;
    QScrollArea* scrollboxMapa = nullptr;
    TMapPaintBox* paintboxMapa = nullptr;

    TPanel* tabStat = nullptr;
    TPanel* pnlStat = nullptr;
    QLabel* lblKasa = nullptr;
    QLabel* lblOpinia = nullptr;
    QLabel* lblJakosc = nullptr;
    std::array<QLabel*, kKindCount> lblCounts{};  // lbl1 .. lbl6
    QLabel* lblPracownicy = nullptr;
    QLabel* lblNaprawy = nullptr;
    QLabel* lblSprzet = nullptr;

    TPanel* tabSprawy = nullptr;
    TPanel* pnlSprawa = nullptr;
    TShape* shapeSprawa = nullptr;
    QLabel* lblTytul = nullptr;
    QPlainTextEdit* memSprawa = nullptr;
    QPushButton* btnYes = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnNo = nullptr;

    TPanel* tabMenu = nullptr;
    TPanel* pnlMenu = nullptr;
    QCheckBox* chkMuzyka = nullptr;

    QTimer* MainTimer = nullptr;
    QTimer* BannerTimer = nullptr;

    // --- The language of the window and the company (MainTexts.cpp) ---
    Language WindowLanguage() const { return language_; }
    // Speaks the language from now on: the window's texts at once, the
    // company's labels and the cases it writes later. Not remembered.
    void SetLanguage(Language language);
    // Every text of the window's own, in the language installed.
    void RetranslateUi();
    // The player's choice, remembered for the next start.
    void cbJezykChange(int index);
    // The language to start in: the player's choice, else the system's.
    static Language StartLanguage();
    QLabel* lblJezyk = nullptr;
    QComboBox* cbJezyk = nullptr;

    // --- Saved games and remembered settings (MainSavedGames.cpp) ---
    // The "Gra" box on the Menu page, under the "Muzyka" box.
    void BuildGameBox();
    // Places the box's buttons on show and sizes pnlMenu around both boxes.
    void PlaceGameBox();
    // After the start-up: the remembered music switch and window geometry,
    // then the saved game of loadPath, if any.
    void RememberedStart();
    void btnZapiszClick();
    void btnWczytajClick();
    void btnNowaGraClick();
    void btnKontynuujClick();
    // Each reports a failure to the player and returns false; a failed load
    // leaves the game as it was.
    bool SaveGameTo(const QString& path);
    bool LoadGameFrom(const QString& path);
    // The game in progress, kept when the window closes.
    static QString AutosavePath();
    TShape* shapeGra = nullptr;
    QPushButton* btnZapisz = nullptr;
    QPushButton* btnWczytaj = nullptr;
    QPushButton* btnNowaGra = nullptr;
    QPushButton* btnKontynuuj = nullptr;

    // --- A company the player can read and drive: the history chart and
    //     the day's account (MainStatistics.cpp), the feedback line
    //     (MainFeedback.cpp), map hints (MainMapHints.cpp), keys and
    //     accessible names (MainKeyboard.cpp, MainAccessible.cpp), help and
    //     volume on the Menu page (MainMenu.cpp) ---
    void BuildReadableControls();
    void BuildStatExtras();
    void BuildFeedbackLine();
    void BuildMapHints();
    void BuildShortcuts();
    void BuildMenuExtras();
    void DescribeControls();
    // After the view wrote a text or a button's state.
    void TextShown(Control control);
    void ButtonsShown();
    // Samples the company into the history and redraws the chart.
    void RecordHistory();
    void ShowDayAccount();
    void ShowCashColour();
    // Runs a player's or the clock's action and tells what it changed.
    void Reported(const std::function<void()>& action);
    void TellMapPress();
    void pnlDownResize();
    // Keys.
    void AnswerByKey(QPushButton* button);
    void PressDefaultButton();
    void StepSpeed(int delta);
    void TogglePause();
    void PickPage(int index);
    void ShowHelp();
    // The Menu page's panel and everything on it.
    void LayoutMenuPanel();
    void tbMuzykaChange(int percent);
    void tbEfektyChange(int percent);
    void btnPomocClick();
    const History& GameHistory() const { return history_; }

    QLabel* lblKasaOpis = nullptr;
    QLabel* lblPrzychody = nullptr;
    QLabel* lblWydatki = nullptr;
    QLabel* lblBilans = nullptr;
    THistoryChart* chartHistoria = nullptr;
    TFeedbackLine* lblZmiany = nullptr;
    TLegendHover* legendHover = nullptr;
    QLabel* lblGlosnoscMuzyki = nullptr;
    QSlider* tbMuzyka = nullptr;
    QLabel* lblGlosnoscEfektow = nullptr;
    QSlider* tbEfekty = nullptr;
    QPushButton* btnPomoc = nullptr;
    THelpDialog* frmPomoc = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildControls();
    void BuildMapPage();
    void BuildStatPage();
    void BuildCasePage();
    void BuildMenuPage();
    void LayoutClient();
    void ReportError(const QString& message);
    // The window and the company follow the language installed.
    void ApplyLanguage(Language language);

    TfrmMainOptions options_;
    std::unique_ptr<SoundPort> sound_;
    std::unique_ptr<Company> game_;
    MapPictures pictures_;    // the map picture and the six icons
    MapPictureFile mapFile_;  // checked, waiting to be decoded
    QImage banners_;
    bool startupFailed_ = false;
    bool mapPending_ = false;
    bool mapQueued_ = false;
    bool shown_ = false;
    History history_;
    int resumeSpeed_ = 5;  // what P resumes after a pause
    Language language_ = Language::Polish;
};

}  // namespace dzwonex
