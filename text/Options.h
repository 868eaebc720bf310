#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "Language.h"

namespace dzwonex::text {

struct Options {
    std::optional<uint32_t> seed;
    std::optional<std::string> user;
    std::optional<std::string> assets;
    std::optional<std::string> load;       // a saved game to start from
    Language language = Language::Polish;  // of the game's texts and the screen
    bool help = false;                     // --help: print the usage and stop
    bool version = false;                  // --version: print the version and stop
};

// Parses --seed N, --user NAME, --assets DIR, --load PATH, --lang pl|en,
// -h/--help and -v/--version.
// Returns an error text, or nothing when the arguments are fine.
std::optional<std::string> ParseOptions(int argc, const char* const* argv, Options& out);

// The usage of dzwonex-text: options and commands, as --help prints it.
std::string UsageText();

// "dzwonex-text VERSION".
std::string VersionText();

}  // namespace dzwonex::text
