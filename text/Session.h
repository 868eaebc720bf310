#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "GameSession.h"
#include "Options.h"
#include "RecordingView.h"

namespace dzwonex::text {

// One game driven by text commands. Start() does the game's own start-up;
// Execute() runs one command line.
class Session {
public:
    explicit Session(const Options& options);

    // Reads the assets and sets up a new game, or the saved one of --load.
    // Returns an error text naming the file when an asset or the saved game
    // cannot be used.
    std::optional<std::string> Start();

    enum class Outcome { Done, Quit, Error };
    struct Result {
        Outcome outcome = Outcome::Done;
        std::string output;  // for stdout (the state line)
        std::string error;   // for stderr
    };
    Result Execute(const std::string& line);

    // The state as one line of JSON, without the line end.
    std::string StateLine() const;
    // A screen for a person at a terminal.
    std::string Screen() const;

    const Company& Game() const { return session_.Game(); }
    const RecordingView& View() const { return view_; }
    // The game as the window plays it: the company, its course, the term
    // begun by `term N` (none until then), the milestone runs and the seed.
    const GameSession& Played() const { return session_; }

private:
    std::optional<std::string> StartSaved();
    // save PATH and load PATH; the path is the rest of the line.
    Result SaveOrLoad(const std::string& command, const std::string& line);
    // rating, and term N (years; 0 ends the term).
    Result RatingOrTerm(const std::vector<std::string>& words);

    Options options_;
    RecordingView view_;
    // No store: the text front end keeps no records and no milestones' book
    // of its own, only what a saved game holds.
    GameSession session_;
};

// The commands, for a person at a terminal.
std::string HelpText(Language language);

}  // namespace dzwonex::text
