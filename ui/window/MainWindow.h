#pragma once
#include <memory>

#include <QWidget>

#include "GameController.h"
#include "GameOptions.h"
#include "KeyBindings.h"
#include "Screen.h"

namespace dzwonex {

class THelpDialog;
class TAchievementsDialog;
class TMilestonePanel;

// The main window: the banner on top, the four pages (Mapa, Statystyka,
// Sprawy, Menu) in the middle, the status bar below, and the report at a
// term's end over the pages while it is read. It only composes
// them around the game's controller, binds the keys and answers the
// window's own events; what the pages show and what a press does is the
// controller's and the game's business.
class TfrmMain : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDesignWidth = 670;
    static constexpr int kDesignHeight = 459;

    explicit TfrmMain(TfrmMainOptions options = {});
    ~TfrmMain() override;

    GameController& Controller() { return *controller_; }
    Company& Game() { return controller_->Game(); }
    const Company& Game() const { return controller_->Game(); }
    // True when a picture could not be loaded and the game was not set up.
    bool StartupFailed() const { return controller_->StartupFailed(); }
    // The help, in a window of its own beside the game. The clock stands
    // while it is open and goes on at its speed when it closes.
    void ShowHelp();
    // The milestones and the best terms, in a window of their own.
    void ShowAchievements();
    // What a key of the table does.
    void Run(Command command);

signals:
    // The window has had its first paint and flushed it: what the first
    // frame does not need may begin.
    void FirstPainted();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildPages();
    void ConnectPages();
    void BindKeys();
    void LayoutClient();
    void RetranslateUi();
    void PickPage(int index);
    void FormShow();
    void ShowLogo();
    void RefreshAchievements();
    void HelpClosed();

    // The controller is the game. Every page lives in the client, which
    // is declared after it and so goes first: no page outlives the game it
    // shows.
    std::unique_ptr<GameController> controller_;
    std::unique_ptr<QWidget> client_;
    BannerBar* pnlTop_ = nullptr;
    StatusBar* pnlDown_ = nullptr;
    TPageControl* PageControl_ = nullptr;
    MapPage* tabMap_ = nullptr;
    StatisticsPage* tabStat_ = nullptr;
    CasesPage* tabSprawy_ = nullptr;
    MenuPage* tabMenu_ = nullptr;
    TermReportPage* pnlRaport_ = nullptr;
    TMilestonePanel* pnlOsiagniecie_ = nullptr;
    THelpDialog* frmPomoc_ = nullptr;
    TAchievementsDialog* frmOsiagniecia_ = nullptr;
    bool painted_ = false;
};

}  // namespace dzwonex
