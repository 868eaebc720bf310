#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QString>

#include "MessageLanguage.h"

class QLockFile;

namespace dzwonex {

// A small file of the player's own in the data folder (the records, the
// milestones): read whole and bounded, written atomically, and changed only
// under its lock, so that two games at once each re-read it before they
// write. A damaged or oversized one is set aside beside it, so that it is
// neither lost nor in the way; one that cannot be read at all (no
// permission, a pipe, a folder) is never written over. Every message names
// the file.
class PlayerFile {
public:
    PlayerFile(QString path, uint64_t limit, MessageLanguage language)
        : path_(std::move(path)), limit_(limit), language_(std::move(language)) {}
    const QString& Path() const { return path_; }

    // What a read found.
    struct Contents {
        enum class State {
            Text,        // `text` holds the file
            Missing,     // no file yet: nothing kept so far
            Unreadable,  // there, but not to be read or replaced; `problem` says why
            TooLarge,    // over the limit; `problem` says so
        };
        State state = State::Missing;
        std::string text;
        QString problem;
    };
    Contents Read() const;
    // The file could not be understood (`why`): it is renamed to
    // PATH.uszkodzony (numbered when that is taken), and the message for the
    // player says so.
    QString SetAside(const QString& why) const;
    // Writes the text, making the folder first; false with `problem` set
    // when that failed.
    bool Write(const std::string& text, QString& problem) const;

    // Holds the file's lock for its lifetime, so that a read, a merge and a
    // write are one step against other games; Held() is false when another
    // game kept it too long (Read and Write should then not be trusted).
    class Lock {
    public:
        explicit Lock(const PlayerFile& file);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;
        bool Held() const { return held_; }

    private:
        std::unique_ptr<QLockFile> lock_;
        bool held_ = false;
    };
    // The message for a lock that could not be had.
    QString BusyProblem() const;

    // Test seams: called when the lock is found taken (before each wait),
    // and just before each write.
    std::function<void()> onLockBusy;
    std::function<void()> beforeWrite;

private:
    QString path_;
    uint64_t limit_;
    MessageLanguage language_;
};

}  // namespace dzwonex
