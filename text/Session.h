#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Company.h"
#include "History.h"
#include "Options.h"
#include "RecordingView.h"
#include "Term.h"

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

    const Company& Game() const { return *game_; }
    const RecordingView& View() const { return view_; }
    // The company's course, a sample after every day, as the window keeps it.
    const History& CompanyHistory() const { return history_; }
    // The term begun by `term N`; none until then.
    const Term& CurrentTerm() const { return term_; }

private:
    std::optional<std::string> StartSaved();
    // The company and its history from the file; throws SavedGameError.
    void LoadSaved(const std::string& path);
    // save PATH and load PATH; the path is the rest of the line.
    Result SaveOrLoad(const std::string& command, const std::string& line);
    // After each day: its sample of the history, then the term's day.
    void AfterDay();
    // rating, and term N (years; 0 ends the term).
    Result RatingOrTerm(const std::vector<std::string>& words);

    Options options_;
    RecordingView view_;
    std::unique_ptr<Company> game_;
    History history_;
    Term term_;
    // The seed the game began with, which a saved game keeps; none for a
    // loaded game whose file does not say.
    std::optional<uint32_t> seed_;
};

// The commands, for a person at a terminal.
std::string HelpText(Language language);

}  // namespace dzwonex::text
