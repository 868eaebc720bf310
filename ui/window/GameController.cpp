#include "GameController.h"

#include <cstdio>
#include <new>
#include <utility>

#include <QGuiApplication>

#include "BannerBar.h"
#include "CasesPage.h"
#include "Changes.h"
#include "DataFolder.h"
#include "MapPage.h"
#include "MenuPage.h"
#include "Platform.h"
#include "Shortcut.h"
#include "StatisticsPage.h"
#include "StatusBar.h"
#include "Translations.h"
#include "WordedError.h"

namespace dzwonex {

GameController::GameController(TfrmMainOptions options, QObject* parent)
    : QObject(parent),
      options_(std::move(options)),
      languages_(settings_),
      speakers_(std::move(options_.sound), settings_),
      router_(clock_, speakers_.Sound()),
      careerFiles_(PlayerDataFolder(), InstalledLanguage),
      session_(router_, options_.seed ? *options_.seed : ClockSeed(), TodayIsoDate, &careerFiles_),
      keeper_(session_, options_),
      career_(session_, careerFiles_, clock_) {
    setObjectName(QStringLiteral("GameController"));
    FillInTheGamesOwn(options_);
    HoldClockWhileAsking(options_, clock_);
    router_.Follow(session_);
    clock_.Drive(session_.Game());
    // Before any text is written, so the first letter is in it too.
    languages_.Pick(LanguageSwitch::StartLanguage(settings_, options_.language));
    connect(&languages_, &LanguageSwitch::Changed, this, &GameController::ApplyLanguage);
    connect(&clock_, &GameClock::DayDue, this, &GameController::AfterDay);
    connect(&clock_, &GameClock::BannerDue, this, [this] { session_.Game().NextBanner(); });
    connect(&keeper_, &GameKeeper::Loaded, this, &GameController::ShowNewGame);
    connect(&career_, &CareerPresenter::Changed, this, &GameController::CareerChanged);
    connect(&career_, &CareerPresenter::Reached, this, [this](const QString& line) {
        speakers_.Sound().PlayButtonSound();
        router_.Log(line);
    });
    connect(&speakers_, &Speakers::Silent, this, [this](const QString& line) {
        if (screen_.status) screen_.status->Tell(line);
    });
    // The desktop's log-out asks first: the game is kept then.
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(gui, &QGuiApplication::commitDataRequest, this, [this] { keeper_.KeepGame(); });
    // Read while the window builds its pages; Start waits for them.
    pictures_.BeginReading(AssetDir());
}

GameController::~GameController() = default;

void GameController::Start(const Screen& screen) {
    screen_ = screen;
    router_.Attach(screen);
    keeper_.Attach(screen);
    career_.Attach(screen);
    screen_.map->SetBeforePaint([this] { DecodeMap(); });
    if (!settings_.Problem().isEmpty()) ReportError(settings_.Problem());
    speakers_.ApplyVolumes(*screen_.menu);
    screen_.menu->ShowLanguage(languages_.Current());
    screen_.statistics->ShowDayAccount(Game().LastDay(), languages_.Current());
    try {
        Game().Reset(options_.userName ? *options_.userName : LogonUserName());
        LoadGraphics();
        speakers_.Init(AssetDir());
        // The first game serves the usual term; "Nowa gra" offers the others.
        SetUpNewGame(Term::kDefaultYears);
    } catch (const std::bad_alloc&) {
        // Each file's loader says which file it was; this is the rest.
        startupFailed_ = true;
        ReportError(tr("Za mało pamięci, by zacząć grę."));
    } catch (const std::exception& e) {
        // The rest of the start-up is skipped.
        startupFailed_ = true;
        ReportError(QString::fromStdString(Worded(e, languages_.Current())));
    }
    if (const std::optional<QString> name = settings_.PlayerName()) session_.SetRecordName(name->toStdString());
    screen_.menu->ShowStartFromLast(settings_.StartFromLastGame());
    screen_.menu->ShowStopOnNewCase(settings_.StopOnNewCase());
    keeper_.ShowContinue();
    if (startupFailed_) return;
    keeper_.Activate();
    for (const QString& problem : career_.Load()) ReportError(problem);
    speakers_.ApplyMusicSwitch(*screen_.menu);
    router_.ShowCourse();
    career_.ShowRating();
    const std::optional<KeptGame> latest = keeper_.Keeper().Latest();
    startHints_.clear();
    if (options_.loadPath) {
        if (keeper_.LoadGameFrom(*options_.loadPath)) keeper_.Keeper().StartFrom();
    } else if (latest && settings_.StartFromLastGame()) {
        keeper_.ContinueAtStart(latest->path);
    } else if (const auto summary = latest ? keeper_.Summary(latest->path) : std::nullopt) {
        // How to go on with the game of last time, for a few seconds.
        startHints_ << tr("Ostatnia gra: %1 — Ctrl+K").arg(*summary);
    }
    // What went wrong as the game last ended, first of all.
    if (const QString problem = settings_.LastExitProblem(); !problem.isEmpty()) {
        startHints_ << tr("Przy ostatnim zamknięciu: %1").arg(problem);
        settings_.SetLastExitProblem({});
    }
    // With a greeting they wait for it to close, or it would hide them.
    if (!options_.showLogo) TellStartHints();
}

void GameController::TellStartHints() {
    if (startupFailed_) return;
    screen_.status->ShowHelpHint();
    // The last is the one that stays to be read.
    for (const QString& hint : std::exchange(startHints_, {})) screen_.status->TellAndHold(hint);
}

void GameController::LoadGraphics() {
    const GamePictures::FirstFrame read = pictures_.FinishReading();
    screen_.banner->SetStrip(read.banners);
    Game().SetBannerStripHeight(read.banners.height());
    Game().SetMapPictureSize(read.mapSize.width, read.mapSize.height);
    screen_.map->RepaintLegend();
}

void GameController::DecodeMap() {
    // No repaint needed: a map on show got here from its own paint.
    if (const auto problem = pictures_.DecodeMap(languages_.Current())) ReportError(*problem);
}

void GameController::Shutdown() {
    clock_.Stop();
    speakers_.Sound().DoneSound();
    pictures_.Release();
    if (screen_.banner) screen_.banner->SetStrip(QImage());
    Game().Clear();
}

void GameController::WindowClosing(const QByteArray& geometry) {
    settings_.SetGeometry(geometry);
    // A failure is told, and the window still closes: the earlier kept
    // game is left as it was.
    keeper_.KeepGame();
    settings_.Flush();
}

void GameController::LeavingOnSignal() {
    // Nobody may be there to close a box: the terminal and the next start.
    options_.reportError = [this](const QString& message) {
        std::fprintf(stderr, "dzwonex: %s\n", message.toLocal8Bit().constData());
        settings_.SetLastExitProblem(message);
    };
}

void GameController::SetUpNewGame(int32_t termYears) {
    // The first subscribers are placed one by one, each showing every
    // count, and the first cases come one by one: only the last text of
    // each control is worth laying out.
    router_.WithTextsHeld([&] {
        if (Game().TextLanguage() != languages_.Current()) Game().SetLanguage(languages_.Current());
        session_.NewGame(termYears);
    });
}

void GameController::ShowNewGame() {
    leaving_.Reset();
    // The log is the company's: another company starts it afresh.
    screen_.cases->ClearChanges();
    career_.HideReport();
    router_.ShowCourse();
    career_.ShowRating();
    // As a new game does: the game is turned to its cases, without a sound.
    router_.SetActivePage(kPageCases);
}

void GameController::NewGame() {
    if (!keeper_.Active()) return;
    // A slip of Ctrl+N must not cost a game the player would rather go on with.
    // A company never played is not kept, and the question says so.
    const QString question =
        keeper_.Keeper().WantsKeeping()
            ? tr("Zacząć nową grę? Obecna gra zostanie zachowana: wrócisz do niej "
                 "przyciskiem „Kontynuuj”.")
            : tr("Zacząć nową grę? Obecna gra nie zostanie zachowana: nic w niej jeszcze nie zrobiono.");
    const std::optional<int32_t> years = options_.askTerm(screen_.window, question);
    if (!years || !keeper_.KeepGame()) return;
    // Replaces the game; the generator goes on where it stands.
    Game().Reset(options_.userName ? *options_.userName : LogonUserName());
    SetUpNewGame(*years);
    keeper_.StartFresh();
    leaving_.Reset();
    screen_.cases->ClearChanges();
    career_.HideReport();
    router_.ShowCourse();
    career_.ShowRating();
}

void GameController::ApplyLanguage(Language language) {
    // A company that never started has nothing to show.
    if (!startupFailed_ && Game().TextLanguage() != language) Game().SetLanguage(language);
    emit LanguageChanged(language);
    if (!screen_.statistics) return;
    screen_.statistics->ShowDayAccount(Game().LastDay(), language);
    screen_.menu->ShowLanguage(language);
}

void GameController::AfterDay() {
    AskNameBeforeTheFirstRecord();
    const size_t cases = Game().Cases().size();
    career_.Show(session_.NextDay(), [this](const QString& problem) { ReportError(problem); });
    // The player's own pause, so the speed bar or P goes on from it.
    if (settings_.StopOnNewCase() && Game().Cases().size() > cases && Game().SpeedPosition() > 0) {
        clock_.TogglePause();
        screen_.status->TellAndHold(tr("Nowa sprawa: zegar zatrzymany (P wznawia)"));
    }
    router_.ShowCourse();
    WarnOfLeaving();
    keeper_.DayPassed();
}

void GameController::AskNameBeforeTheFirstRecord() {
    const Term& term = session_.CurrentTerm();
    if (settings_.PlayerName() || !term.Running() || term.DaysServed(Game().Day() + 1) < term.LengthDays()) return;
    // The clock stands while the player answers; the report holds it next.
    clock_.Hold(PauseReason::Report);
    const QString login = QString::fromStdString(Game().UserName());
    // Asked once: the login name stands for a player who would not say.
    const QString name = options_.askName(screen_.window, login).value_or(login);
    clock_.Release(PauseReason::Report);
    settings_.SetPlayerName(name);
    session_.SetRecordName(name.toStdString());
}

void GameController::WarnOfLeaving() {
    // What the player did is read first: the warning waits for a day the
    // line is free, and is held then.
    if (screen_.status->Holding()) return;
    if (const QString warning = leaving_.Check(KindsLeaving(Game()), Game().Day()); !warning.isEmpty())
        screen_.status->TellAndHold(warning);
}

void GameController::AfterAnswer(const GameSession::Outcome& outcome) {
    career_.Show(outcome, [this](const QString& problem) { ReportError(problem); });
}

void GameController::AnswerYes() {
    keeper_.Played();
    AfterAnswer(session_.AnswerYes());
}

void GameController::AnswerNo() {
    keeper_.Played();
    AfterAnswer(session_.AnswerNo());
}

void GameController::AnswerOk() {
    keeper_.Played();
    AfterAnswer(session_.AnswerOk());
}

void GameController::AnswerWholeGroup(Answer answer) {
    const int32_t count = GroupSize(Game(), answer);
    if (startupFailed_ || count == 0) return;
    const QString word = answer == Answer::Yes ? tr("Tak") : answer == Answer::No ? tr("Nie") : tr("OK");
    const QString title = QString::fromStdString(Game().CurrentCase()->title).trimmed();
    // A group of one is the front case alone: nothing to ask.
    if (count > 1 &&
        !options_.confirm(
            screen_.window,
            tr("Sprawy „%1” w skrzynce: %2. Odpowiedzieć „%3” na wszystkie naraz?").arg(title).arg(count).arg(word),
            AnswerAllButton(word, count)))
        return;
    keeper_.Played();
    router_.BeginGroup(answer == Answer::Yes ? Action::Yes : answer == Answer::No ? Action::No : Action::Ok);
    AnswerGroup(Game(), answer);
    const ActionReport sum = router_.EndGroup();
    const QString told = tr("%1 ×%2").arg(word).arg(count);
    const Language language = languages_.Current();
    screen_.status->TellAndHold(told + QString::fromUtf8(" \xC2\xB7 ") + TellReport(sum, language));
    if (const QString entry = LogEntry(sum, language); !entry.isEmpty())
        router_.Log(told + QString::fromUtf8(" \xC2\xB7 ") + entry);
    AfterAnswer(session_.AfterAnswer());
}

QString GameController::AnswerAllButton(const QString& word, int32_t count) {
    // Polish counts 2 to 4 (but not 12 to 14) as "sprawy", the rest as "spraw".
    const int32_t ones = count % 10;
    const int32_t tens = count % 100 / 10;
    if (ones >= 2 && ones <= 4 && tens != 1) return tr("Odpowiedz „%1” na %2 sprawy").arg(word).arg(count);
    return tr("Odpowiedz „%1” na %2 spraw").arg(word).arg(count);
}

void GameController::PressMap(int x, int y) {
    keeper_.Played();
    Game().PressMap(x, y);
    career_.ShowRating();
}

void GameController::StepSpeed(int delta) {
    // The mouse has the gauge.
    if (!screen_.status->SpeedDragging()) clock_.StepSpeed(delta);
}

void GameController::OpenBannerLink() {
    const QString path = QString::fromStdString(AssetDir() + "Banner.url");
    if (auto url = WebLinkFromShortcutFile(path)) options_.openUrl(*url);
}

}  // namespace dzwonex
