#include "KeptGames.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace dzwonex {

namespace {

const QString kSuffix = QStringLiteral(".dzwonex");

QString DataFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

}  // namespace

KeptGames::KeptGames() : KeptGames(DataFolder() + QStringLiteral("/firmy")) {}

KeptGames::KeptGames(QString folder) : folder_(std::move(folder)) {}

QString KeptGames::NewFile(const QDateTime& now) const {
    const QString stem = folder_ + QStringLiteral("/firma-") + now.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString path = stem + kSuffix;
    for (int n = 2; QFileInfo::exists(path); ++n) path = stem + QStringLiteral("-%1").arg(n) + kSuffix;
    return path;
}

std::vector<KeptGame> KeptGames::List() const {
    std::vector<KeptGame> games;
    // Only plain files of our own ending; hidden ones are saves in progress.
    const QFileInfoList files =
        QDir(folder_).entryInfoList({QStringLiteral("*") + kSuffix}, QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo& file : files) games.push_back({file.absoluteFilePath(), file.lastModified()});
    std::stable_sort(games.begin(), games.end(), [](const KeptGame& a, const KeptGame& b) {
        return a.lastPlayed != b.lastPlayed ? a.lastPlayed > b.lastPlayed : a.path > b.path;
    });
    return games;
}

std::optional<KeptGame> KeptGames::Latest(const QString& except) const {
    const QString skipped = except.isEmpty() ? QString() : QFileInfo(except).absoluteFilePath();
    for (const KeptGame& game : List())
        if (game.path != skipped) return game;
    return std::nullopt;
}

bool KeptGames::MakeFolder() const { return QDir().mkpath(folder_); }

void KeptGames::Prune(const QString& keep) const {
    const QString kept = keep.isEmpty() ? QString() : QFileInfo(keep).absoluteFilePath();
    int left = kKept;
    for (const KeptGame& game : List()) {
        if (game.path == kept) continue;
        // The one in play counts among the ten.
        if (--left < (kept.isEmpty() ? 0 : 1)) QFile::remove(game.path);
    }
}

void KeptGames::AdoptEarlierGame() const {
    const QString earlier = DataFolder() + QStringLiteral("/ostatnia-gra") + kSuffix;
    if (!QFileInfo(earlier).isFile() || !MakeFolder()) return;
    // A rename keeps the file's time, so it keeps its place in the list.
    QFile::rename(earlier, folder_ + QStringLiteral("/ostatnia-gra") + kSuffix);
}

}  // namespace dzwonex
