#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include <QString>

#include "MessageLanguage.h"

namespace dzwonex {

// A small file of the player's own in the data folder (the records, the
// milestones): read whole and bounded, written atomically. A damaged one
// is set aside beside it, so that it is neither lost nor in the way, and
// the game goes on without it. Every message names the file.
class PlayerFile {
public:
    PlayerFile(QString path, uint64_t limit, MessageLanguage language)
        : path_(std::move(path)), limit_(limit), language_(std::move(language)) {}
    const QString& Path() const { return path_; }

    // The file's text; none when there is no file yet, or when it cannot be
    // read (`problem` then says why).
    std::optional<std::string> Read(QString& problem) const;
    // The text read could not be understood (`why`): the file is renamed
    // to PATH.uszkodzony (numbered when that is taken), and the message for
    // the player says so.
    QString SetAside(const QString& why) const;
    // Writes the text, making the folder first; false with `problem` set
    // when that failed.
    bool Write(const std::string& text, QString& problem) const;

private:
    QString path_;
    uint64_t limit_;
    MessageLanguage language_;
};

}  // namespace dzwonex
