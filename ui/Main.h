#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "Controls.h"
#include "Game.h"
#include "MapPaint.h"
#include "Pictures.h"
#include "SoundPort.h"

namespace dzwonex {

// Shows an error to the player; the game's own shows a modal error box
// titled "Dzwonex".
using ErrorReporter = std::function<void(const QString& message)>;
// Hands an address to the desktop (browser or mail program).
using UrlOpener = std::function<void(const QUrl& url)>;

void ShowErrorBox(const QString& message);
void OpenInDesktop(const QUrl& url);

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

    TGame& Game() { return *FGame; }
    // True when a picture could not be loaded and the game was not set up.
    bool StartupFailed() const { return FStartupFailed; }
    const QImage& Banners() const { return FBanners; }
    const MapPictures& Pictures() const { return FPictures; }

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

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void BuildControls();
    void BuildMapPage();
    void BuildStatPage();
    void BuildCasePage();
    void BuildMenuPage();
    void LayoutClient();
    void ReportError(const QString& message);

    TfrmMainOptions FOptions;
    std::unique_ptr<SoundPort> FSound;
    std::unique_ptr<TGame> FGame;
    MapPictures FPictures;    // FMap and FIcons
    MapPictureFile FMapFile;  // checked, waiting to be decoded
    QImage FBanners;
    bool FStartupFailed = false;
    bool FMapPending = false;
    bool FMapQueued = false;
    bool FShown = false;
};

}  // namespace dzwonex
