// Saved games in the text front end: save PATH, load PATH and --load PATH.
#include "SavedGameFile.h"
#include "Session.h"
#include "WordedError.h"

namespace dzwonex::text {

namespace {

// The line after its first word, without the spaces around it, so that a
// path may hold spaces.
std::string RestOfLine(const std::string& line, const std::string& command) {
    const char* const blanks = " \t";
    const size_t start = line.find_first_not_of(blanks);
    const size_t from = line.find_first_not_of(blanks, start + command.size());
    if (from == std::string::npos) return {};
    return line.substr(from, line.find_last_not_of(blanks) + 1 - from);
}

}  // namespace

std::optional<std::string> Session::StartSaved() {
    try {
        RestoreGame(session_, *options_.load);
    } catch (const SavedGameError& e) {
        return Worded(e, options_.language);
    }
    // A game opens on its cases, loaded or new. The sound counters start at
    // 0 as in any new process: they count what this process played.
    view_.SetActivePage(kPageCases);
    return std::nullopt;
}

Session::Result Session::SaveOrLoad(const std::string& command, const std::string& line) {
    Result result;
    const std::string path = RestOfLine(line, command);
    if (path.empty()) {
        result.outcome = Outcome::Error;
        result.error = command + " needs a file: " + command + " PATH";
        return result;
    }
    try {
        // The page and the sound counters stay the session's own: they are
        // what this session showed and played, not the game.
        if (command == "save")
            SaveGame(path, session_);
        else
            RestoreGame(session_, path);
    } catch (const SavedGameError& e) {
        result.outcome = Outcome::Error;
        result.error = Worded(e, options_.language);
    }
    return result;
}

}  // namespace dzwonex::text
