#pragma once
// Saved games: a company snapshot as a versioned JSON file, described in
// docs/saved-game-format.md.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Snapshot.h"

namespace dzwonex {

// The format this version writes, and the newest it reads.
inline constexpr int64_t kSavedGameFormat = 1;
// Larger files are refused before they are read: a game of 100 000
// subscribers takes about 1 MB.
inline constexpr uint64_t kSavedGameMaxBytes = 64ull << 20;
// The format nests five levels deep; anything deeper is refused.
inline constexpr size_t kSavedGameMaxDepth = 8;

// A saved game that cannot be written or read. what() is the message for
// the player and names the file.
class SavedGameError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file's text. Throws SavedGameError when the snapshot holds what the
// format cannot (an opinion or quality that is not a finite number).
std::string SavedGameText(const CompanySnapshot& snapshot);

// Reads a saved game's text; `name` is the file the messages name. Checks
// the format and that every reference resolves, not the rules of the game
// (Company::Restore checks those).
CompanySnapshot ParseSavedGame(std::string_view text, const std::string& name);

}  // namespace dzwonex
