#include "MainWindow.h"

#include <algorithm>

#include <QCloseEvent>
#include <QShortcut>
#include <QTimer>

#include "AchievementsDialog.h"
#include "BannerBar.h"
#include "CasesPage.h"
#include "HelpDialog.h"
#include "Logo.h"
#include "MapPage.h"
#include "MenuPage.h"
#include "MilestonePanel.h"
#include "StatisticsPage.h"
#include "StatusBar.h"
#include "TermReportPage.h"
#include "Translations.h"

namespace dzwonex {

namespace {
constexpr int kTopHeight = 60;
constexpr int kDownHeight = 25;
}  // namespace

TfrmMain::TfrmMain(TfrmMainOptions options)
    : controller_(std::make_unique<GameController>(std::move(options))), client_(std::make_unique<QWidget>(this)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Dzwonex"));
    setFont(WindowFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kWhite);
    setPalette(pal);
    setAutoFillBackground(true);
    client_->setObjectName(QStringLiteral("client"));

    BuildPages();
    ConnectPages();
    BindKeys();
    // Smaller, the rating box and the records' columns would not fit.
    setMinimumSize(kDesignWidth, kDesignHeight);
    resize(kDesignWidth, kDesignHeight);
    LayoutClient();
    RetranslateUi();
    connect(controller_.get(), &GameController::LanguageChanged, this, &TfrmMain::RetranslateUi);

    controller_->Start(
        {this, pnlTop_, pnlDown_, PageControl_, tabMap_, tabStat_, tabSprawy_, tabMenu_, pnlRaport_, pnlOsiagniecie_});
    if (const QByteArray geometry = controller_->Remembered().Geometry(); !geometry.isEmpty())
        restoreGeometry(geometry);
}

TfrmMain::~TfrmMain() { controller_->Shutdown(); }

void TfrmMain::BuildPages() {
    QWidget* c = client_.get();
    pnlTop_ = new BannerBar(controller_->Game(), c);
    pnlDown_ = new StatusBar(c);
    PageControl_ = new TPageControl(c);
    PageControl_->setObjectName(QStringLiteral("PageControl"));
    // Each page is made inside the window, so what its controls measure is
    // in the window's font from the start, not first in the default one.
    tabMap_ = new MapPage(controller_->Pictures(), controller_->Game(), PageControl_);
    tabStat_ = new StatisticsPage(PageControl_);
    tabSprawy_ = new CasesPage(PageControl_);
    tabMenu_ = new MenuPage(PageControl_);
    PageControl_->AddPage(tabMap_, QString());
    PageControl_->AddPage(tabStat_, QString());
    PageControl_->AddPage(tabSprawy_, QStringLiteral("X"));
    PageControl_->AddPage(tabMenu_, QString());
    PageControl_->SetActivePage(kPageMenu);
    pnlRaport_ = new TermReportPage(c);
    pnlRaport_->hide();
    // Over the pages and the report.
    pnlOsiagniecie_ = new TMilestonePanel(c);
}

void TfrmMain::ConnectPages() {
    GameController* game = controller_.get();
    connect(pnlTop_, &BannerBar::Pressed, game, &GameController::OpenBannerLink);
    connect(pnlDown_, &StatusBar::SpeedPicked, game, &GameController::PickSpeed);
    connect(pnlDown_, &StatusBar::SpeedStepped, game, &GameController::StepSpeed);
    connect(PageControl_, &TPageControl::Change, game, &GameController::PageChangedByPlayer);
    connect(tabMap_, &MapPage::Pressed, game, &GameController::PressMap);
    connect(tabSprawy_, &CasesPage::YesClicked, game, &GameController::AnswerYes);
    connect(tabSprawy_, &CasesPage::NoClicked, game, &GameController::AnswerNo);
    connect(tabSprawy_, &CasesPage::OkClicked, game, &GameController::AnswerOk);
    Speakers* speakers = &game->Audio();
    connect(tabMenu_, &MenuPage::MusicSwitched, speakers, &Speakers::SetMusicOn);
    connect(tabMenu_, &MenuPage::MusicVolumeChanged, speakers, &Speakers::SetMusicVolume);
    connect(tabMenu_, &MenuPage::EffectsVolumeChanged, speakers, &Speakers::SetEffectsVolume);
    connect(tabMenu_, &MenuPage::LanguagePicked, game,
            [game](Language language) { game->Languages().Pick(language, true); });
    connect(tabMenu_, &MenuPage::HelpWanted, this, &TfrmMain::ShowHelp);
    connect(tabMenu_, &MenuPage::AchievementsWanted, this, &TfrmMain::ShowAchievements);
    connect(pnlRaport_, &TermReportPage::PlayOn, game, &GameController::PlayOnAfterReport);
    connect(game, &GameController::CareerChanged, this, &TfrmMain::RefreshAchievements);
    GameKeeper* keeper = &game->Keeper();
    connect(tabMenu_, &MenuPage::SaveWanted, keeper, &GameKeeper::SaveGameAs);
    connect(tabMenu_, &MenuPage::LoadWanted, keeper, &GameKeeper::LoadGameFile);
    connect(tabMenu_, &MenuPage::NewGameWanted, game, &GameController::NewGame);
    connect(tabMenu_, &MenuPage::ContinueWanted, keeper, &GameKeeper::ContinueLastGame);
    connect(tabMenu_, &MenuPage::KeptGamesWanted, keeper, &GameKeeper::ChooseKeptGame);
    connect(tabMenu_, &MenuPage::StartFromLastChanged, game, &GameController::SetStartFromLastGame);
    connect(tabMenu_, &MenuPage::StopOnNewCaseChanged, game, &GameController::SetStopOnNewCase);
}

void TfrmMain::BindKeys() {
    for (const KeyBinding& binding : KeyBindings()) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(binding.keys);
        shortcut->setAutoRepeat(false);
        const Command command = binding.command;
        connect(shortcut, &QShortcut::activated, this, [this, command] { Run(command); });
    }
}

void TfrmMain::Run(Command command) {
    GameController& game = *controller_;
    // While the term's report is read, Enter closes it and only the help opens.
    if (pnlRaport_->isVisible()) {
        if (command == Command::DefaultAnswer) pnlRaport_->PlayOnButton()->click();
        if (command == Command::Help) ShowHelp();
        return;
    }
    // The answers' letters act where the case is shown; elsewhere the line
    // says where to answer.
    const bool caseShown = PageControl_->ActivePageIndex() == kPageCases;
    if (!caseShown && AnswersCase(command)) {
        pnlDown_->TellAndHold(tr("Odpowiedzi na stronie Sprawy (Ctrl+3)"));
        return;
    }
    switch (command) {
        case Command::Yes:
            return tabSprawy_->AnswerByKey(Button::btnYes);
        case Command::No:
            return tabSprawy_->AnswerByKey(Button::btnNo);
        case Command::Ok:
            return tabSprawy_->AnswerByKey(Button::btnOK);
        case Command::YesToGroup:
            return game.AnswerWholeGroup(Answer::Yes);
        case Command::NoToGroup:
            return game.AnswerWholeGroup(Answer::No);
        case Command::OkToGroup:
            return game.AnswerWholeGroup(Answer::Ok);
        case Command::DefaultAnswer:
            return tabSprawy_->PressDefaultButton(caseShown);
        case Command::Faster:
            return game.StepSpeed(+1);
        case Command::Slower:
            return game.StepSpeed(-1);
        case Command::Pause:
            return game.TogglePause();
        case Command::PageMap:
            return PickPage(kPageMap);
        case Command::PageStatistics:
            return PickPage(kPageStat);
        case Command::PageCases:
            return PickPage(kPageCases);
        case Command::PageMenu:
            return PickPage(kPageMenu);
        case Command::NextPage:
            return PickPage((PageControl_->ActivePageIndex() + 1) % 4);
        case Command::PreviousPage:
            return PickPage((PageControl_->ActivePageIndex() + 3) % 4);
        case Command::Help:
            return ShowHelp();
        case Command::Save:
            return game.Keeper().SaveGameAs();
        case Command::Load:
            return game.Keeper().LoadGameFile();
        case Command::NewGame:
            return game.NewGame();
        case Command::Continue:
            return game.Keeper().ContinueLastGame();
    }
}

void TfrmMain::PickPage(int index) {
    // As the player's own pick: the page sounds when it changes.
    PageControl_->TabBar()->setCurrentIndex(index);
}

void TfrmMain::ShowHelp() {
    if (!frmPomoc_) {
        frmPomoc_ = new THelpDialog(controller_->Languages().Current(), this);
        connect(frmPomoc_, &QDialog::finished, this, &TfrmMain::HelpClosed);
    }
    // No day passes unread while the player reads the help.
    if (!frmPomoc_->isVisible()) controller_->Clock().Hold(PauseReason::Help);
    frmPomoc_->show();
    frmPomoc_->raise();
    frmPomoc_->activateWindow();
}

void TfrmMain::ShowAchievements() {
    if (!frmOsiagniecia_) {
        frmOsiagniecia_ = new TAchievementsDialog(this);
        connect(frmOsiagniecia_, &QDialog::finished, this,
                [this] { controller_->Clock().Release(PauseReason::Achievements); });
    }
    RefreshAchievements();
    // As with the help: no day passes while the player reads.
    if (!frmOsiagniecia_->isVisible()) controller_->Clock().Hold(PauseReason::Achievements);
    frmOsiagniecia_->show();
    frmOsiagniecia_->raise();
    frmOsiagniecia_->activateWindow();
}

void TfrmMain::RefreshAchievements() {
    if (!frmOsiagniecia_) return;
    frmOsiagniecia_->ShowBook(controller_->Session().Book(), controller_->Career().Files().Table(),
                              controller_->Languages().Current(), controller_->Career().RecordsLength());
}

void TfrmMain::HelpClosed() {
    // At the speed it had, unless the player has set one meanwhile.
    controller_->Clock().Release(PauseReason::Help);
}

void TfrmMain::LayoutClient() {
    const int w = width();
    const int h = height();
    client_->setGeometry(0, 0, w, h);
    SetBounds(pnlTop_, {0, 0, w, kTopHeight});
    SetBounds(pnlDown_, {0, h - kDownHeight, w, kDownHeight});
    SetBounds(PageControl_, {0, kTopHeight, w, std::max(0, h - kTopHeight - kDownHeight)});
    SetBounds(pnlRaport_, PageControl_->geometry());
    pnlOsiagniecie_->PlaceIn(PageControl_->geometry());
    // The page control lays out its pages itself when it is visible; it
    // is not yet while the window is built.
    if (!PageControl_->isVisible()) {
        for (int i = 0; i < 4; ++i) SetBounds(PageControl_->Page(i), PageControl_->PageRect());
    }
}

void TfrmMain::resizeEvent(QResizeEvent*) { LayoutClient(); }

void TfrmMain::RetranslateUi() {
    PageControl_->SetCaption(kPageMap, tr("Mapa"));
    PageControl_->SetCaption(kPageStat, tr("Statystyka"));
    PageControl_->SetCaption(kPageMenu, tr("Menu"));
    pnlTop_->RetranslateUi();
    pnlDown_->RetranslateUi();
    tabMap_->RetranslateUi();
    tabStat_->RetranslateUi();
    tabSprawy_->RetranslateUi();
    tabMenu_->RetranslateUi();
    if (frmPomoc_) frmPomoc_->SetLanguage(controller_->Languages().Current());
    pnlRaport_->RetranslateUi();
    pnlOsiagniecie_->RetranslateUi();
    RefreshAchievements();

    Describe(this, tr("Dzwonex"), tr("Gra ekonomiczna: oddział firmy telekomunikacyjnej"));
    Describe(client_.get(), tr("Dzwonex"), tr("Gra ekonomiczna: oddział firmy telekomunikacyjnej"));
    Describe(PageControl_, tr("Strony"), tr("Mapa, Statystyka, Sprawy i Menu; Ctrl+1 do Ctrl+4"));
    TButtonTabBar* tabs = PageControl_->TabBar();
    Describe(tabs, tr("Strony"), tr("Wybór strony; Ctrl+1 do Ctrl+4, Ctrl+Tab"));
    tabs->setTabToolTip(kPageMap, tr("Miasto z abonentami: kliknij abonenta albo puste miejsce (Ctrl+1)"));
    tabs->setTabToolTip(kPageStat, tr("Kasa, opinia, jakość, abonenci, wydatki i wykres (Ctrl+2)"));
    tabs->setTabToolTip(kPageCases, tr("Sprawy do odpowiedzi i ostatnie zmiany (Ctrl+3)"));
    tabs->setTabToolTip(kPageMenu, tr("Muzyka, język, pomoc (F1) i zapisane gry (Ctrl+4)"));
    // The tab bar's own arrows, shown when the window is too narrow: Qt
    // makes the left one first.
    bool left = true;
    for (QObject* child : tabs->children()) {
        auto* arrow = qobject_cast<QWidget*>(child);
        if (!arrow) continue;
        Describe(arrow, left ? tr("Strony w lewo") : tr("Strony w prawo"), tr("Przewija przyciski stron"));
        left = false;
    }
}

void TfrmMain::changeEvent(QEvent* event) {
    // Whoever installed a language, the window speaks it. The window's own
    // installations (at start and from the Menu) are applied already.
    if (event->type() == QEvent::LanguageChange) controller_->Languages().Follow(Game().TextLanguage());
    QWidget::changeEvent(event);
}

void TfrmMain::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!painted_) {
        painted_ = true;
        // Behind the rest of this paint and its flush to the screen.
        QTimer::singleShot(0, &controller_->Audio(), &Speakers::WindowPainted);
        QTimer::singleShot(0, this, &TfrmMain::FormShow);
        QTimer::singleShot(0, this, &TfrmMain::FirstPainted);
    }
}

void TfrmMain::FormShow() {
    // After the window has had its first paint, which the greeting would
    // hold up; the hints wait for it to close.
    if (!controller_->Options().showLogo) return;
    ShowLogo();
    controller_->TellStartHints();
}

void TfrmMain::ShowLogo() {
    TfrmLogo logo(controller_->AssetDir(), controller_->Options().reportError, controller_->Options().openUrl, this);
    // No day passes behind the greeting.
    const ClockHold hold(controller_->Clock());
    logo.exec();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    controller_->WindowClosing(saveGeometry());
    event->accept();
}

}  // namespace dzwonex
