#pragma once
#include <optional>
#include <vector>

#include <QDateTime>
#include <QString>

namespace dzwonex {

// One kept company as the list shows it.
struct KeptGame {
    QString path;
    QDateTime lastPlayed;  // when it was last written
};

// The games kept for the player, one file per company, in the data folder
// (~/.local/share/dzwonex/dzwonex/firmy). A company gets its file when it
// is first kept; closing, the autosave and quitting write that file only,
// so a new company never overwrites another's game. The ten most recently
// played are kept; older ones go when another is written.
class KeptGames {
public:
    static constexpr int kKept = 10;

    // The folder under the user's data folder; made when first needed.
    KeptGames();
    explicit KeptGames(QString folder);
    const QString& Folder() const { return folder_; }

    // Takes a file name for a company kept for the first time:
    // "firma-2026-12-07-153012.dzwonex", numbered when that is taken. The
    // file is made, empty, at once, so another game on the same account
    // can never pick the same name; empty when none could be made.
    QString NewFile(const QDateTime& now = QDateTime::currentDateTime()) const;
    // Every kept game, the most recently played first; a name taken and
    // not yet written is none.
    std::vector<KeptGame> List() const;
    // The most recently played one other than `except`.
    std::optional<KeptGame> Latest(const QString& except = {}) const;
    // Makes the folder; false when it cannot be made.
    bool MakeFolder() const;
    // Removes all but the kKept most recently played; never `keep`.
    void Prune(const QString& keep) const;
    // The one game the earlier versions kept, beside the folder, moves in.
    void AdoptEarlierGame() const;

private:
    QString folder_;
};

}  // namespace dzwonex
