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
        LoadSaved(*options_.load);
    } catch (const SavedGameError& e) {
        return Worded(e, options_.language);
    }
    // A game opens on its cases, loaded or new. The sound counters start at
    // 0 as in any new process: they count what this process played.
    view_.SetActivePage(kPageCases);
    return std::nullopt;
}

void Session::LoadSaved(const std::string& path) {
    const SavedGame saved = RestoreGame(*game_, history_, path);
    // A game of format 1 brings no history: its course starts here. The
    // term goes on where the file left it, if it holds one.
    if (history_.Empty()) history_.Record(*game_);
    term_ = saved.term;
    seed_ = saved.seed;
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
        // what this session showed and played, not the company.
        if (command == "save")
            SaveGame(path, {game_->Snapshot(), history_.Saved(), term_, std::nullopt, seed_});
        else
            LoadSaved(path);
    } catch (const SavedGameError& e) {
        result.outcome = Outcome::Error;
        result.error = Worded(e, options_.language);
    }
    return result;
}

}  // namespace dzwonex::text
