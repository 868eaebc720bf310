#include "KeptGames.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "DataFolder.h"

namespace dzwonex {

namespace {

const QString kSuffix = QStringLiteral(".dzwonex");

}  // namespace

KeptGames::KeptGames() : KeptGames(PlayerDataFolder() + QStringLiteral("/firmy")) {}

KeptGames::KeptGames(QString folder) : folder_(std::move(folder)) {}

QString KeptGames::NewFile(const QDateTime& now) const {
    const QString stem = folder_ + QStringLiteral("/firma-") + now.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    // Made with O_EXCL: of two games asking at once, one gets the next number.
    for (int n = 1; n < 1000; ++n) {
        const QString path = n == 1 ? stem + kSuffix : stem + QStringLiteral("-%1").arg(n) + kSuffix;
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return path;
        if (file.error() != QFileDevice::OpenError || !QFileInfo::exists(path)) return {};
    }
    return {};
}

std::vector<KeptGame> KeptGames::List() const {
    std::vector<KeptGame> games;
    // Only plain files of our own ending; hidden ones are saves in progress.
    const QFileInfoList files =
        QDir(folder_).entryInfoList({QStringLiteral("*") + kSuffix}, QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo& file : files)
        if (file.size() > 0) games.push_back({file.absoluteFilePath(), file.lastModified()});
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
    const QString earlier = PlayerDataFolder() + QStringLiteral("/ostatnia-gra") + kSuffix;
    if (!QFileInfo(earlier).isFile() || !MakeFolder()) return;
    // A rename keeps the file's time, so it keeps its place in the list.
    QFile::rename(earlier, folder_ + QStringLiteral("/ostatnia-gra") + kSuffix);
}

}  // namespace dzwonex
