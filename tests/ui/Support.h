#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <QUrl>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QTimer>

#include "BannerBar.h"
#include "CasesPage.h"
#include "FeedbackLine.h"
#include "GameSound.h"
#include "HelpDialog.h"
#include "HistoryChart.h"
#include "LegendHover.h"
#include "MainWindow.h"
#include "MapPage.h"
#include "MenuPage.h"
#include "MilestonePanel.h"
#include "StatisticsPage.h"
#include "StatusBar.h"
#include "TermReportPage.h"
#include "ViewRouter.h"

// Readable values in failure messages.
void PrintTo(const QRect& r, std::ostream* os);
void PrintTo(const QPoint& p, std::ostream* os);
void PrintTo(const QSize& s, std::ostream* os);
void PrintTo(const QString& s, std::ostream* os);
void PrintTo(const QColor& c, std::ostream* os);
void PrintTo(const QUrl& u, std::ostream* os);

namespace dzwonex::uitest {

// Colours of the test pictures.
inline const QColor kBand0{255, 0, 0};
inline const QColor kBand1{0, 255, 0};
inline const QColor kStripTail{0, 0, 255};
// Icon k is this colour; the booth icon (6) has its left half white.
QColor IconColour(int kind);

// A folder of small pictures whose pixels the tests know: a 640 x 480 map,
// a banner strip 120 px high (two banners and 20 spare rows), six icons,
// the logo and an https Banner.url. No sound files: sound is recorded.
class TestAssets {
public:
    TestAssets();
    // With a trailing separator, as the game wants it.
    std::string Dir() const;
    QString File(const QString& name) const;
    void Remove(const QString& name) const;
    void Write(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
};

// Every call the window makes into the sound.
struct SoundLog {
    std::vector<std::string> calls;
    int music = 50;  // the volumes last set, in percent
    int effects = 60;
    int Count(const std::string& call) const;
};

class RecordingSound final : public GameSound {
public:
    explicit RecordingSound(std::shared_ptr<SoundLog> log) : log_(std::move(log)) {}
    void InitSound(const std::string& appDir) override { log_->calls.push_back("InitSound(" + appDir + ")"); }
    void DoneSound() override { log_->calls.push_back("DoneSound"); }
    void PlayButtonSound() override { log_->calls.push_back("PlayButtonSound"); }
    void PlayPageSound() override { log_->calls.push_back("PlayPageSound"); }
    void PlayClickSound() override { log_->calls.push_back("PlayClickSound"); }
    void SetMusicOn(bool on) override {
        log_->calls.push_back(std::string("SetMusicOn(") + (on ? "true" : "false") + ")");
    }
    void SetMusicVolume(int percent) override {
        log_->music = percent;
        log_->calls.push_back("SetMusicVolume(" + std::to_string(percent) + ")");
    }
    void SetEffectsVolume(int percent) override {
        log_->effects = percent;
        log_->calls.push_back("SetEffectsVolume(" + std::to_string(percent) + ")");
    }
    int MusicVolume() const override { return log_->music; }
    int EffectsVolume() const override { return log_->effects; }

private:
    std::shared_ptr<SoundLog> log_;
};

// A window on test assets whose sound, error boxes and opened links are
// recorded instead of shown, in Polish, with a fixed seed and no logo
// dialog; `adjust` may change the options further.
struct WindowUnderTest {
    explicit WindowUnderTest(const std::string& appDir, uint32_t seed = 12345, bool showLogo = false,
                             const std::function<void(TfrmMainOptions&)>& adjust = {});
    ~WindowUnderTest();
    TfrmMain& operator*() { return *window; }
    TfrmMain* operator->() { return window.get(); }
    // Shows the window at the design size and waits until it is exposed.
    void Show();

    std::shared_ptr<SoundLog> sound = std::make_shared<SoundLog>();
    std::shared_ptr<std::vector<QString>> errors = std::make_shared<std::vector<QString>>();
    std::shared_ptr<std::vector<QUrl>> urls = std::make_shared<std::vector<QUrl>>();
    // What the window asked, and the answer every question gets.
    std::shared_ptr<std::vector<QString>> questions = std::make_shared<std::vector<QString>>();
    std::shared_ptr<bool> answer = std::make_shared<bool>(true);
    // The term a new game is given when the answer is Tak; 0 for none.
    std::shared_ptr<int32_t> termYears = std::make_shared<int32_t>(Term::kDefaultYears);
    // The name offered each time the player's name is asked, and the answer.
    std::shared_ptr<std::vector<QString>> names = std::make_shared<std::vector<QString>>();
    std::shared_ptr<std::optional<QString>> playerName = std::make_shared<std::optional<QString>>();
    std::unique_ptr<TfrmMain> window;

    // The window's controls, found by the names they have always had.
    BannerBar* pnlTop = nullptr;
    TPaintBox* pbBanner = nullptr;
    StatusBar* pnlDown = nullptr;
    QLabel* lblSpeed1 = nullptr;
    TSpeedGauge* progressSpeed = nullptr;
    QLabel* lblSpeed2 = nullptr;
    TFeedbackLine* lblZmiany = nullptr;
    TPageControl* PageControl = nullptr;
    TPanel* tabMap = nullptr;
    TPanel* pnlLegenda = nullptr;
    TShape* shapeLegenda = nullptr;
    TLegendPaintBox* paintboxLegenda = nullptr;
    TLegendHover* legendHover = nullptr;
    QScrollArea* scrollboxMapa = nullptr;
    TMapPaintBox* paintboxMapa = nullptr;
    TPanel* tabStat = nullptr;
    TPanel* pnlStat = nullptr;
    QLabel* lblKasa = nullptr;
    QLabel* lblKasaOpis = nullptr;
    QLabel* lblOpinia = nullptr;
    QLabel* lblJakosc = nullptr;
    std::array<QLabel*, kKindCount> lblCounts{};  // lbl1 .. lbl6
    QLabel* lblPracownicy = nullptr;
    QLabel* lblNaprawy = nullptr;
    QLabel* lblSprzet = nullptr;
    QLabel* lblPrzychody = nullptr;
    QLabel* lblWydatki = nullptr;
    QLabel* lblBilans = nullptr;
    THistoryChart* chartHistoria = nullptr;
    TPanel* tabSprawy = nullptr;
    TPanel* pnlSprawa = nullptr;
    TShape* shapeSprawa = nullptr;
    QLabel* lblTytul = nullptr;
    QPlainTextEdit* memSprawa = nullptr;
    QPushButton* btnYes = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnNo = nullptr;
    MenuPage* tabMenu = nullptr;
    TPanel* pnlMenu = nullptr;
    QCheckBox* chkMuzyka = nullptr;
    QSlider* tbMuzyka = nullptr;
    QSlider* tbEfekty = nullptr;
    QLabel* lblJezyk = nullptr;
    QComboBox* cbJezyk = nullptr;
    QPushButton* btnPomoc = nullptr;
    QPushButton* btnZapisz = nullptr;
    QPushButton* btnWczytaj = nullptr;
    QPushButton* btnNowaGra = nullptr;
    QPushButton* btnKontynuuj = nullptr;
    QTimer* MainTimer = nullptr;
    QTimer* BannerTimer = nullptr;
    // The help, once it has been opened.
    THelpDialog* frmPomoc() const;
    // The pages the game shows itself on, as the controller was given them.
    Screen Pages() const;

private:
    void FindControls();
};

// What the game tells the window, sent straight to the window's pages
// through a router of the test's own, as the controller's router does.
struct ToldWindow {
    explicit ToldWindow(WindowUnderTest& w);
    ViewRouter* operator->() { return &router; }
    // The session's course recorded for the day it stands on, and shown.
    void RecordDay();

    WindowUnderTest& window;
    RecordingSound sound{std::make_shared<SoundLog>()};
    ViewRouter router;
};

// A control of the window by its name; the test fails without it.
template <typename T>
T* Control(QObject* root, const char* name) {
    T* found = root->findChild<T*>(QString::fromLatin1(name));
    if (!found) std::abort();
    return found;
}

// Runs the event loop until the condition holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs);

// A widget's pixels as the screen would show them.
QImage Grab(QWidget* widget);

// A place on the map that no point reaches within 8 px on both axes.
QPoint EmptyGround(const Company& game);

}  // namespace dzwonex::uitest
