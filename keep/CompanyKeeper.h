#pragma once
#include <functional>
#include <optional>
#include <string>

#include <QObject>

#include "BackgroundSaver.h"
#include "KeptGames.h"

namespace dzwonex {

// Keeps the company in play in its own file among the kept games: at once
// (closing, quitting, before another company takes its place) or in the
// background (the monthly autosave). A fresh company the player never
// touched is not kept, so opening the game "just to look" pushes no real
// game out of the list.
class CompanyKeeper : public QObject {
    Q_OBJECT
public:
    // Writes the game to the path given; throws std::exception with the
    // message for the player. It holds its own copy of the game.
    using Writer = std::function<void(const std::string& path)>;

    CompanyKeeper(KeptGames games, MessageLanguage language, QObject* parent = nullptr);

    const KeptGames& Games() const { return games_; }
    // A new company: kept from its first answer or press on the map.
    void StartFresh();
    // A company from a file: `keptFile` is its file among the kept games,
    // if it came from there, and is written again once the company has
    // changed; one from elsewhere is kept at once from now on.
    void StartFrom(const QString& keptFile = {});
    // The player acted on the company.
    void Played() { played_ = true; }
    // A day went by: a company from the kept games has changed.
    void DayPassed();
    bool WantsKeeping() const { return played_; }
    // The file the company in play is kept in; empty before it is kept.
    const QString& File() const { return file_; }

    // Writes the company now, after any background write; false (with
    // the message told) when it could not be written.
    bool KeepNow(const Writer& write);
    // Writes the company on the saver's thread.
    void KeepLater(Writer write);
    // Returns once every write queued has been made (and told).
    void Finish() { saver_.Flush(); }
    // The most recently played kept game other than the one in play.
    std::optional<KeptGame> Latest() const { return games_.Latest(file_); }

signals:
    void Kept(const QString& path);
    void Failed(const QString& message);

private:
    // The company's file, its name taken when it is first kept; none
    // (`problem` says why) when the folder or the file cannot be made.
    std::optional<QString> FileToKeepIn(QString& problem);
    // A first keeping failed: its file goes, and the next try takes a name.
    void ForgetUnwritten(const QString& path);
    void AfterKept(const QString& path);

    KeptGames games_;
    MessageLanguage language_;
    BackgroundSaver saver_;
    QString file_;
    bool played_ = false;
    bool unwritten_ = false;  // file_ is a name taken, not yet written
};

}  // namespace dzwonex
