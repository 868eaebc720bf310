#include "GameKeeper.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

#include "Amounts.h"
#include "GameSession.h"
#include "MenuPage.h"
#include "SavedGameFile.h"
#include "StatusBar.h"
#include "Translations.h"
#include "WordedError.h"

namespace dzwonex {

namespace {

// A path as the file system spells it.
std::string FileName(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString DocumentsFolder() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

}  // namespace

GameKeeper::GameKeeper(GameSession& session, const TfrmMainOptions& options, QObject* parent)
    : QObject(parent), session_(session), options_(options), keeper_(KeptGames(), InstalledLanguage) {
    connect(&keeper_, &CompanyKeeper::Kept, this, [this] {
        keepFailing_ = false;
        ShowContinue();
    });
    connect(&keeper_, &CompanyKeeper::Failed, this, [this](const QString& message) {
        // A disk that fails every month is told once.
        if (!keepFailing_) ReportError(message);
        keepFailing_ = true;
    });
}

void GameKeeper::DayPassed() {
    keeper_.DayPassed();
    // Every game month, so a crash or a lost display costs a month at most.
    if (session_.Game().Day() % kAutosaveDays == 0) Autosave();
}

void GameKeeper::StartFresh() {
    keeper_.StartFresh();
    ShowContinue();
}

bool GameKeeper::KeepGame() {
    if (!active_) return true;
    // A failure now is told even after failed autosaves.
    keepFailing_ = false;
    return keeper_.KeepNow([&game = session_](const std::string& path) { SaveGame(path, game); });
}

void GameKeeper::Autosave() {
    // Copied here, on the game's thread; only the writing is the saver's.
    if (active_) keeper_.KeepLater([game = session_.Save()](const std::string& path) { SaveGame(path, game); });
}

bool GameKeeper::SaveGameTo(const QString& path) {
    try {
        SaveGame(FileName(path), session_);
        return true;
    } catch (const SavedGameError& e) {
        ReportError(QString::fromStdString(Worded(e, InstalledLanguage())));
        return false;
    }
}

bool GameKeeper::LoadGameFrom(const QString& path) {
    try {
        RestoreGame(session_, FileName(path));
    } catch (const SavedGameError& e) {
        ReportError(QString::fromStdString(Worded(e, InstalledLanguage())));
        return false;
    }
    emit Loaded();
    return true;
}

void GameKeeper::SaveGameAs() {
    if (!active_) return;
    // The documents folder, or the home folder where there is none.
    QString folder = DocumentsFolder();
    if (!QFileInfo(folder).isDir()) folder = QDir::homePath();
    const QString suggestion =
        QDir(folder).filePath(QStringLiteral("dzwonex-rok%1.dzwonex").arg(session_.Game().Day() / 360 + 1));
    const QString path = options_.askSavePath(screen_.window, suggestion);
    if (!path.isEmpty() && SaveGameTo(path))
        screen_.status->TellAndHold(tr("Zapisano: %1").arg(QDir::toNativeSeparators(path)));
}

void GameKeeper::LoadGameFile() {
    if (!active_) return;
    const QString path = options_.askOpenPath(screen_.window, DocumentsFolder());
    if (path.isEmpty() || !KeepGame()) return;
    if (LoadGameFrom(path)) keeper_.StartFrom();
}

void GameKeeper::ContinueLastGame() {
    if (!active_) return;
    if (const std::optional<KeptGame> latest = keeper_.Latest(); latest && KeepGame()) ContinueGame(latest->path);
}

void GameKeeper::ContinueAtStart(const QString& keptFile) { ContinueGame(keptFile); }

void GameKeeper::ChooseKeptGame() {
    if (!active_) return;
    std::vector<KeptChoice> choices;
    const QLocale locale(InstalledLanguage() == Language::Polish ? QLocale::Polish : QLocale::English);
    for (const KeptGame& game : keeper_.Games().List()) {
        if (game.path == QFileInfo(keeper_.File()).absoluteFilePath()) continue;
        const QString when = locale.toString(game.lastPlayed, QLocale::ShortFormat);
        choices.push_back(
            {game.path, tr("%1 · grana %2").arg(Summary(game.path).value_or(tr("nie do odczytania")), when)});
    }
    const QString path = options_.chooseKeptGame(screen_.window, choices);
    if (!path.isEmpty() && KeepGame()) ContinueGame(path);
}

void GameKeeper::ContinueGame(const QString& keptFile) {
    if (LoadGameFrom(keptFile)) keeper_.StartFrom(keptFile);
    ShowContinue();
}

std::optional<QString> GameKeeper::Summary(const QString& path) const {
    const std::optional<SavedGameSummary> summary = ReadSavedGameSummary(FileName(path));
    if (!summary) return std::nullopt;
    return tr("rok %1, %2")
        .arg(summary->day / 360 + 1)
        .arg(QString::fromStdString(FormatMoney(summary->cash, InstalledLanguage())));
}

void GameKeeper::ShowContinue() {
    if (screen_.menu) screen_.menu->ShowContinue(keeper_.Latest().has_value());
}

}  // namespace dzwonex
