#include "GameController.h"

#include <algorithm>
#include <new>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QStandardPaths>

#include "Amounts.h"
#include "BackgroundOpenedSound.h"
#include "BannerBar.h"
#include "CasesPage.h"
#include "Changes.h"
#include "ImageFiles.h"
#include "MapPage.h"
#include "MenuPage.h"
#include "Platform.h"
#include "RatingBox.h"
#include "SavedGameFile.h"
#include "Shortcut.h"
#include "Sound.h"
#include "StatisticsPage.h"
#include "StatusBar.h"
#include "TermReportPage.h"
#include "Translations.h"
#include "WordedError.h"

namespace dzwonex {

namespace {

// The sound opens after the window's first paint, or this long after the
// start-up when no paint comes.
constexpr int kSoundOpensAtTheLatestMs = 1000;

// A path as the file system spells it.
std::string FileName(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString DocumentsFolder() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

// The calendar date the records and milestones are dated with.
std::string Today() { return QDate::currentDate().toString(Qt::ISODate).toStdString(); }

void AddUp(Effects& sum, const Effects& more) {
    sum.cash += more.cash;
    sum.opinion += more.opinion;
    sum.quality += more.quality;
    for (size_t k = 0; k < sum.counts.size(); ++k) sum.counts[k] += more.counts[k];
    sum.newCases += more.newCases;
}

}  // namespace

GameController::GameController(TfrmMainOptions options, QObject* parent)
    : QObject(parent),
      options_(std::move(options)),
      mainTimer_(new QTimer(this)),
      bannerTimer_(new QTimer(this)),
      keeper_(KeptGames(), InstalledLanguage),
      career_(InstalledLanguage) {
    setObjectName(QStringLiteral("GameController"));
    sound_ = options_.sound ? std::move(options_.sound)
                            : std::make_unique<BackgroundOpenedSound>(TSound::CreateWithSdlMixer());
    // The game's own sound opens on a thread once the window has been
    // painted; one given to the window opens as it is asked.
    soundToOpen_ = dynamic_cast<BackgroundOpenedSound*>(sound_.get());
    if (!options_.reportError) options_.reportError = ShowErrorBox;
    if (!options_.openUrl) options_.openUrl = OpenInDesktop;
    if (!options_.askSavePath) options_.askSavePath = AskSaveFile;
    if (!options_.askOpenPath) options_.askOpenPath = AskOpenFile;
    if (!options_.confirm) options_.confirm = AskTakNie;
    if (!options_.askTerm) options_.askTerm = AskTerm;
    if (!options_.chooseKeptGame) options_.chooseKeptGame = AskKeptGame;
    if (options_.appDir.empty()) options_.appDir = ExecutableDir();
    game_ = std::make_unique<Company>(*this, std::make_unique<Lcg32>(options_.seed ? *options_.seed : ClockSeed()));
    // Before any text is written, so the first letter is in it too.
    language_ = options_.language.value_or(StartLanguage());
    InstallLanguage(language_);

    mainTimer_->setObjectName(QStringLiteral("MainTimer"));
    // Days should come on time even at 20 s.
    mainTimer_->setTimerType(Qt::PreciseTimer);
    connect(mainTimer_, &QTimer::timeout, this, &GameController::MainTimerTimer);
    connect(&keeper_, &CompanyKeeper::Kept, this, [this] {
        keepFailing_ = false;
        if (screen_.menu) ShowContinue();
    });
    connect(&keeper_, &CompanyKeeper::Failed, this, [this](const QString& message) {
        // A disk that fails every month is told once.
        if (!keepFailing_) ReportError(message);
        keepFailing_ = true;
    });
    // The desktop's log-out asks first: the game is kept then.
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(gui, &QGuiApplication::commitDataRequest, this, [this] { KeepGame(); });
    bannerTimer_->setObjectName(QStringLiteral("BannerTimer"));
    connect(bannerTimer_, &QTimer::timeout, this, &GameController::BannerTimerTimer);
    bannerTimer_->start(60000);
    // Read while the window builds its pages; Start waits for them.
    startupPictures_ = std::async(std::launch::async, [dir = AssetDir()] { return ReadStartupPictures(dir); });
}

GameController::~GameController() = default;

// ------------------------------------------------------ start-up, shutdown

void GameController::Start(const Screen& screen) {
    screen_ = screen;
    screen_.map->SetBeforePaint([this] { DecodeMap(); });
    // The volumes are set before the sound opens: it starts at them.
    sound_->SetMusicVolume(settings_.MusicVolume(sound_->MusicVolume()));
    sound_->SetEffectsVolume(settings_.EffectsVolume(sound_->EffectsVolume()));
    screen_.menu->ShowVolumes(sound_->MusicVolume(), sound_->EffectsVolume());
    screen_.menu->ShowLanguage(language_);
    screen_.statistics->ShowDayAccount(game_->LastDay(), language_);
    try {
        game_->Reset(UserName());
        LoadGraphics();
        sound_->InitSound(AssetDir());
        // A window that is not painted soon (started minimised) still sounds.
        if (soundToOpen_) QTimer::singleShot(kSoundOpensAtTheLatestMs, this, &GameController::WindowPainted);
        const uint32_t seed = game_->GeneratorState();
        WithTextsHeld([this] {
            if (game_->TextLanguage() != language_) game_->SetLanguage(language_);
            SetUpNewGame();
        });
        // The first game serves the usual term; "Nowa gra" offers the others.
        career_.NewGame(Term::kDefaultYears, game_->Day(), seed);
    } catch (const std::bad_alloc&) {
        // Each file's loader says which file it was; this is the rest.
        startupFailed_ = true;
        ReportError(tr("Za mało pamięci, by zacząć grę."));
    } catch (const std::exception& e) {
        // The rest of the start-up is skipped.
        startupFailed_ = true;
        ReportError(QString::fromStdString(Worded(e, language_)));
    }
    screen_.menu->ShowStartFromLast(settings_.StartFromLastGame());
    ShowContinue();
    if (startupFailed_) return;
    for (const QString& problem : career_.Load()) ReportError(problem);
    if (!settings_.MusicOn()) {
        screen_.menu->ShowMusicOn(false);
        sound_->SetMusicOn(false);
    }
    RecordHistory();
    ShowRating();
    const std::optional<KeptGame> latest = keeper_.Latest();
    if (options_.loadPath) {
        if (LoadGameFrom(*options_.loadPath)) keeper_.StartFrom();
    } else if (latest && settings_.StartFromLastGame()) {
        ContinueGame(latest->path);
    } else if (latest) {
        // How to go on with the game of last time, for a few seconds.
        if (const auto summary = Summary(latest->path)) {
            screen_.status->TellAndHold(tr("Ostatnia gra: %1 — Ctrl+K").arg(*summary));
            return;
        }
    }
    screen_.status->ShowHelpHint();
}

void GameController::LoadGraphics() {
    StartupPictures read = startupPictures_.get();
    screen_.banner->SetStrip(read.banners);
    game_->SetBannerStripHeight(read.banners.height());
    // The whole map file has been checked, so a bad one stops the start-up
    // here; its decoding waits until the map is first shown.
    mapFile_ = std::move(read.map);
    mapPending_ = true;
    game_->SetMapPictureSize(read.mapSize.width, read.mapSize.height);
    pictures_.icons = std::move(read.icons);
    screen_.map->RepaintLegend();
}

void GameController::DecodeMap() {
    if (!mapPending_) return;
    mapPending_ = false;
    try {
        pictures_.map = mapFile_.Decode();
    } catch (const FileError& e) {
        // Only when memory runs out; the map stays blank.
        ReportError(QString::fromStdString(Worded(e, language_)));
    }
    // No repaint needed: a map on show got here from its own paint.
}

void GameController::WindowPainted() {
    if (soundToOpen_) soundToOpen_->StartOpening();
}

void GameController::Shutdown() {
    mainTimer_->stop();
    bannerTimer_->stop();
    sound_->DoneSound();
    mapPending_ = false;
    mapFile_ = {};
    for (QImage& icon : pictures_.icons) icon = QImage();
    pictures_.map = QImage();
    if (screen_.banner) screen_.banner->SetStrip(QImage());
    game_->Clear();
}

void GameController::WindowClosing(const QByteArray& geometry) {
    settings_.SetGeometry(geometry);
    // A failure is told, and the window still closes: the earlier kept
    // game is left as it was.
    KeepGame();
}

void GameController::ReportError(const QString& message) { options_.reportError(message); }

std::string GameController::UserName() const { return options_.userName ? *options_.userName : LogonUserName(); }

// --------------------------------------------------------- the player

void GameController::AnswerYes() {
    keeper_.Played();
    game_->AnswerYes();
    AfterAnswer();
}

void GameController::AnswerNo() {
    keeper_.Played();
    game_->AnswerNo();
    AfterAnswer();
}

void GameController::AnswerOk() {
    keeper_.Played();
    game_->AnswerOk();
    AfterAnswer();
}

void GameController::AnswerWholeGroup(Answer answer) {
    const int32_t count = GroupSize(*game_, answer);
    if (startupFailed_ || count == 0) return;
    const QString word = answer == Answer::Yes ? tr("Tak") : answer == Answer::No ? tr("Nie") : tr("OK");
    const QString title = QString::fromStdString(game_->CurrentCase()->title).trimmed();
    if (!options_.confirm(screen_.window,
                          tr("Sprawy „%1”: %2. Odpowiedzieć „%3” na wszystkie?").arg(title).arg(count).arg(word)))
        return;
    keeper_.Played();
    group_.emplace();
    group_->action = answer == Answer::Yes ? Action::Yes : answer == Answer::No ? Action::No : Action::Ok;
    groupAnswered_ = 0;
    AnswerGroup(*game_, answer);
    const ActionReport sum = *group_;
    group_.reset();
    const QString told = tr("%1 ×%2").arg(word).arg(count);
    screen_.status->TellAndHold(told + QString::fromUtf8(" \xC2\xB7 ") + TellReport(sum, language_));
    if (const QString entry = LogEntry(sum, language_); !entry.isEmpty())
        screen_.cases->LogChange(told + QString::fromUtf8(" \xC2\xB7 ") + entry);
    AfterAnswer();
}

void GameController::PressMap(int x, int y) {
    keeper_.Played();
    game_->PressMap(x, y);
    ShowRating();
}

void GameController::PickSpeed(int step) { game_->SetSpeedStep(step); }

void GameController::StepSpeed(int delta) {
    if (screen_.status->SpeedDragging()) return;  // the mouse has the gauge
    const int target = std::clamp(game_->SpeedPosition() + delta, 0, 10);
    if (target != game_->SpeedPosition()) game_->SetSpeedStep(target);
}

void GameController::TogglePause() {
    const int position = game_->SpeedPosition();
    StepSpeed(position > 0 ? -position : resumeSpeed_);
}

void GameController::PageChangedByPlayer() { game_->PageChangedByPlayer(); }

void GameController::OpenBannerLink() {
    const QString path = QString::fromStdString(AssetDir() + "Banner.url");
    if (auto url = WebLinkFromShortcutFile(path)) options_.openUrl(*url);
}

void GameController::SetMusicOn(bool on) {
    sound_->SetMusicOn(on);
    settings_.SetMusicOn(on);
}

void GameController::SetMusicVolume(int percent) {
    sound_->SetMusicVolume(percent);
    settings_.SetMusicVolume(percent);
}

void GameController::SetEffectsVolume(int percent) {
    sound_->SetEffectsVolume(percent);
    settings_.SetEffectsVolume(percent);
}

// --------------------------------------------------------------- language

Language GameController::StartLanguage() {
    if (const auto chosen = Settings().ChosenLanguage()) return *chosen;
    return LanguageOfLocale(QLocale());
}

void GameController::SetLanguage(Language language, bool remember) {
    if (remember) settings_.SetChosenLanguage(language);
    InstallLanguage(language);
    // At once: the change the installation announces comes later.
    ApplyLanguage(language);
}

void GameController::ApplyLanguage(Language language) {
    language_ = language;
    // A company that never started has nothing to show.
    if (!startupFailed_ && game_->TextLanguage() != language) game_->SetLanguage(language);
    emit LanguageChanged(language);
    if (!screen_.statistics) return;
    screen_.statistics->ShowDayAccount(game_->LastDay(), language_);
    screen_.menu->ShowLanguage(language_);
}

// ------------------------------------------------------------ saved games

SavedGame GameController::CurrentGame() const {
    SavedGame game{game_->Snapshot(), history_.Saved()};
    career_.Keep(game);
    return game;
}

bool GameController::SaveGameTo(const QString& path) {
    try {
        SaveGame(FileName(path), CurrentGame());
        return true;
    } catch (const SavedGameError& e) {
        ReportError(QString::fromStdString(Worded(e, language_)));
        return false;
    }
}

bool GameController::LoadGameFrom(const QString& path) {
    try {
        career_.Restore(RestoreGame(*game_, history_, FileName(path)));
    } catch (const SavedGameError& e) {
        ReportError(QString::fromStdString(Worded(e, language_)));
        return false;
    }
    HideTermReport();
    // The game's course comes with it; a file of format 1 has none, and
    // its course starts here.
    RecordHistory();
    ShowRating();
    // As a new game does: the game is turned to its cases, without a sound.
    SetActivePage(kPageCases);
    return true;
}

CompanyKeeper::Writer GameController::Writer() const {
    return [game = CurrentGame()](const std::string& path) { SaveGame(path, game); };
}

bool GameController::KeepGame() {
    if (startupFailed_) return true;
    // A failure now is told even after failed autosaves.
    keepFailing_ = false;
    return keeper_.KeepNow(Writer());
}

void GameController::Autosave() {
    if (!startupFailed_) keeper_.KeepLater(Writer());
}

void GameController::ShowContinue() { screen_.menu->ShowContinue(keeper_.Latest().has_value()); }

std::optional<QString> GameController::Summary(const QString& path) const {
    const std::optional<SavedGameSummary> summary = ReadSavedGameSummary(FileName(path));
    if (!summary) return std::nullopt;
    return tr("rok %1, %2")
        .arg(summary->day / 360 + 1)
        .arg(QString::fromStdString(FormatMoney(summary->cash, language_)));
}

void GameController::SaveGameAs() {
    if (startupFailed_) return;
    // The documents folder, or the home folder where there is none.
    QString folder = DocumentsFolder();
    if (!QFileInfo(folder).isDir()) folder = QDir::homePath();
    const QString suggestion =
        QDir(folder).filePath(QStringLiteral("dzwonex-rok%1.dzwonex").arg(game_->Day() / 360 + 1));
    const QString path = options_.askSavePath(screen_.window, suggestion);
    if (!path.isEmpty() && SaveGameTo(path))
        screen_.status->TellAndHold(tr("Zapisano: %1").arg(QDir::toNativeSeparators(path)));
}

void GameController::LoadGameFile() {
    if (startupFailed_) return;
    const QString path = options_.askOpenPath(screen_.window, DocumentsFolder());
    if (path.isEmpty() || !KeepGame()) return;
    if (LoadGameFrom(path)) keeper_.StartFrom();
}

void GameController::NewGame() {
    if (startupFailed_) return;
    // A slip of Ctrl+N must not cost a game the player would rather go on with.
    const std::optional<int32_t> years =
        options_.askTerm(screen_.window, tr("Zacząć nową grę? Obecna gra zostanie zachowana: wrócisz do niej "
                                            "przyciskiem „Kontynuuj”."));
    if (!years || !KeepGame()) return;
    // Replaces the game; the generator goes on where it stands.
    const uint32_t seed = game_->GeneratorState();
    game_->Reset(UserName());
    SetUpNewGame();
    career_.NewGame(*years, game_->Day(), seed);
    HideTermReport();
    keeper_.StartFresh();
    RestartHistory();
    ShowRating();
    ShowContinue();
}

void GameController::SetUpNewGame() {
    // The first subscribers are placed one by one, each showing every
    // count, and the first cases come one by one: only the last text of
    // each control is worth laying out.
    WithTextsHeld([this] { game_->NewGame(); });
}

void GameController::WithTextsHeld(const std::function<void()>& work) {
    const bool outermost = !holdingTexts_;
    holdingTexts_ = true;
    try {
        work();
    } catch (...) {
        if (outermost) ShowHeldTexts();
        throw;
    }
    if (outermost) ShowHeldTexts();
}

void GameController::ShowHeldTexts() {
    holdingTexts_ = false;
    // Each shown as the game now stands, whatever came between.
    for (const auto& [control, text] : heldTexts_) ShowText(control, text);
    heldTexts_.clear();
}

void GameController::ContinueLastGame() {
    if (startupFailed_) return;
    if (const std::optional<KeptGame> latest = keeper_.Latest(); latest && KeepGame()) ContinueGame(latest->path);
}

void GameController::ChooseKeptGame() {
    if (startupFailed_) return;
    std::vector<KeptChoice> choices;
    for (const KeptGame& game : keeper_.Games().List()) {
        if (game.path == QFileInfo(keeper_.File()).absoluteFilePath()) continue;
        const QString when = QLocale(language_ == Language::Polish ? QLocale::Polish : QLocale::English)
                                 .toString(game.lastPlayed, QLocale::ShortFormat);
        choices.push_back(
            {game.path, tr("%1 · grana %2").arg(Summary(game.path).value_or(tr("nie do odczytania")), when)});
    }
    const QString path = options_.chooseKeptGame(screen_.window, choices);
    if (!path.isEmpty() && KeepGame()) ContinueGame(path);
}

void GameController::ContinueGame(const QString& keptFile) {
    if (LoadGameFrom(keptFile)) keeper_.StartFrom(keptFile);
    ShowContinue();
}

void GameController::SetStartFromLastGame(bool on) { settings_.SetStartFromLastGame(on); }

// ---------------------------------------------------------------- history

void GameController::RecordHistory() {
    history_.Record(*game_);
    screen_.statistics->ShowHistory(history_);
    ShowStanding();
}

void GameController::ShowStanding() {
    const int32_t today = game_->Day();
    screen_.statistics->ShowStanding({BandOfOpinion(game_->Opinion()), BandOfQuality(game_->Quality()),
                                      OpinionChange(history_, today, game_->Opinion()),
                                      QualityChange(history_, today, game_->Quality())});
}

void GameController::RestartHistory() {
    // Another company: its course starts here.
    history_.Clear();
    RecordHistory();
}

// ----------------------------------------------------------------- timers

// ----------------------------------------------------------------- career

void GameController::AfterDay() {
    const Career::Day day = career_.AfterDay(*game_, history_, UserName(), Today());
    ShowRating(day.rating);
    for (const QString& problem : day.problems) ReportError(problem);
    Announce(day.reached);
    if (day.end != TermEnd::Running) ShowTermReport(day.place);
}

void GameController::AfterAnswer() {
    std::vector<QString> problems;
    const std::vector<MilestoneId> reached = career_.AfterAnswer(*game_, Today(), problems);
    ShowRating();
    for (const QString& problem : problems) ReportError(problem);
    Announce(reached);
}

void GameController::ShowRating() { ShowRating(RateCompany(*game_, history_)); }

void GameController::ShowRating(const Rating& rating) {
    screen_.statistics->ShowRating(rating, career_.CurrentTerm(), game_->Day());
}

void GameController::Announce(const std::vector<MilestoneId>& reached) {
    if (reached.empty()) return;
    QStringList names;
    for (MilestoneId id : reached) names << QString::fromUtf8(MilestoneName(id, language_));
    // Each is told once, in the line the day's changes use.
    screen_.status->TellAndHold(tr("Osiągnięcie: %1").arg(names.join(QString::fromUtf8(" \xC2\xB7 "))));
    emit CareerChanged();
}

void GameController::ShowTermReport(int32_t place) {
    const Term& term = career_.CurrentTerm();
    screen_.report->ShowReport(ReportOf(term), career_.Table().Table(term.years), place);
    screen_.report->show();
    screen_.report->raise();
    screen_.report->PlayOnButton()->setFocus();
    // The clock waits while the player reads.
    if (game_->SpeedPosition() > 0) {
        pausedForReport_ = true;
        game_->SetSpeedStep(0);
    }
    if (place > 0) emit CareerChanged();
}

void GameController::HideTermReport() {
    screen_.report->hide();
    pausedForReport_ = false;
}

void GameController::PlayOnAfterReport() {
    // Only an ended term has a report to close.
    if (career_.CurrentTerm().Running()) return;
    career_.CloseTerm();
    const bool resume = pausedForReport_;
    HideTermReport();
    ShowRating();
    if (resume) game_->SetSpeedStep(resumeSpeed_);
}

void GameController::MainTimerTimer() {
    game_->NextDay();
    RecordHistory();
    AfterDay();
    // Every game month, so a crash or a lost display costs a month at most.
    if (game_->Day() % kAutosaveDays == 0) Autosave();
}

void GameController::BannerTimerTimer() { game_->NextBanner(); }

// ------------------------------------------------------------------- view

void GameController::SetText(Control control, const std::string& text) {
    QString s = QString::fromStdString(text);
    if (holdingTexts_) {
        heldTexts_[control] = std::move(s);
        return;
    }
    ShowText(control, s);
}

void GameController::ShowText(Control control, const QString& s) {
    switch (control) {
        case Control::lblSpeed1:
            screen_.status->ShowSpeedCaption(s);
            break;
        case Control::lblSpeed2:
            screen_.status->ShowDate(s);
            break;
        case Control::lblTytul:
            screen_.cases->ShowTitle(s);
            break;
        case Control::memSprawa:
            screen_.cases->ShowBody(s);
            break;
        case Control::tabSprawy:
            screen_.pages->SetCaption(kPageCases, s);
            break;
        case Control::lblKasa:
            screen_.statistics->ShowFigure(control, s);
            screen_.statistics->ShowCashBelowZero(game_->Cash().Value() < 0);
            break;
        case Control::lblOpinia:
        case Control::lblJakosc:
            screen_.statistics->ShowFigure(control, s);
            ShowStanding();
            break;
        default:
            screen_.statistics->ShowFigure(control, s);
            break;
    }
}

void GameController::SetButtonEnabled(Button button, bool enabled) { screen_.cases->SetButtonEnabled(button, enabled); }

void GameController::SetActivePage(int index) { screen_.pages->SetActivePage(index); }

void GameController::RepaintMap() { screen_.map->RepaintMap(); }

void GameController::RepaintBanner() { screen_.banner->ShowBanner(); }

void GameController::SetMapSize(int width, int height) { screen_.map->SetMapSize(width, height); }

void GameController::SetSpeedPosition(int position) {
    screen_.status->ShowSpeed(position);
    if (position > 0) resumeSpeed_ = position;
}

void GameController::StartMainTimer(int periodMs) {
    // QTimer::start restarts a running timer, so an unchanged period must
    // leave it alone to keep its count.
    if (mainTimer_->isActive() && mainTimer_->interval() == periodMs) return;
    mainTimer_->start(periodMs);
}

void GameController::StopMainTimer() { mainTimer_->stop(); }

// A group sounds as its first answer does, not once per case.
void GameController::PlayButtonSound() {
    if (!group_ || groupAnswered_ == 0) sound_->PlayButtonSound();
}

void GameController::PlayPageSound() {
    if (!group_ || groupAnswered_ == 0) sound_->PlayPageSound();
}

void GameController::PlayClickSound() {
    if (!group_ || groupAnswered_ == 0) sound_->PlayClickSound();
}

void GameController::DayBooked(const DayAccount& day) { screen_.statistics->ShowDayAccount(day, language_); }

void GameController::Reported(const ActionReport& report) {
    if (group_) {
        AddUp(group_->effects, report.effects);
        ++groupAnswered_;
        return;
    }
    const QString text = TellReport(report, language_);
    if (text.isEmpty()) return;
    // What the player did stays to be read; a day's news waits for it.
    if (report.action == Action::Day)
        screen_.status->Tell(text);
    else
        screen_.status->TellAndHold(text);
    if (const QString entry = LogEntry(report, language_); !entry.isEmpty()) screen_.cases->LogChange(entry);
}

}  // namespace dzwonex
