#pragma once
// The window's command line: --assets DIR, --lang pl|en, --help, --version
// and a saved game to open.
#include <optional>
#include <string>

#include <QStringList>

#include "Language.h"

namespace dzwonex {

struct CommandLine {
    // Where the pictures, sounds and Banner.url are read; none: searched.
    std::optional<std::string> assets;
    // The language of this run; none: the player's choice or the system's.
    std::optional<Language> language;
    // A saved game to open instead of a fresh company.
    std::optional<QString> game;
};

// True when the answer to the arguments is only text, so that no display
// is needed: the help, the version, or the usage after an option that
// neither the game nor Qt takes or after more than one saved game.
bool AsksOnlyForText(int argc, const char* const* argv);

// Parses the arguments (the program's name first) after Qt has taken its
// own. --help and --version print their text to standard output and give
// the exit status 0; a wrong option or argument prints the usage to
// standard error and gives 2. Nothing: the game is to start with `out`.
std::optional<int> ParseCommandLine(const QStringList& arguments, CommandLine& out);

}  // namespace dzwonex
