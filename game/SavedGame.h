#pragma once
// Saved games: the company and its course as a versioned JSON file,
// described in docs/saved-game-format.md.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "History.h"
#include "Snapshot.h"

namespace dzwonex {

class Company;

// The format this version writes, and the newest it reads. Format 1 had
// no history.
inline constexpr int64_t kSavedGameFormat = 2;
// Larger files are refused before they are read. The largest game the
// rules can reach (every kind and the inbox at its cap, Limits.h, every
// number at its widest) takes 40 MB (tools/MeasureRanges.cpp), and reading
// it about 420 MB and two seconds.
inline constexpr uint64_t kSavedGameMaxBytes = 64ull << 20;
// The format nests five levels deep (a point in its list of a kind);
// anything deeper is refused.
inline constexpr size_t kSavedGameMaxDepth = 5;

// Everything a saved game holds.
struct SavedGame {
    CompanySnapshot company;
    SavedHistory history;  // empty from a format-1 file
    bool operator==(const SavedGame&) const = default;
};

// A saved game that cannot be written or read. what() is the message for
// the player and names the file.
class SavedGameError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file's text. Throws SavedGameError when the game holds what the
// format cannot (an opinion or quality that is not a finite number).
std::string SavedGameText(const SavedGame& game);

// Reads a saved game's text; `name` is the file the messages name. Checks
// the format, that every reference resolves and the history, not the rules
// of the company (Company::Restore checks those).
SavedGame ParseSavedGame(std::string_view text, const std::string& name);

// Writes the file through a temporary file in the same folder, flushed to
// the disk and renamed over `path`: whatever fails, an earlier file at
// `path` is left as it was and no temporary stays behind. For tests,
// failAfterBytes makes the write fail as a full disk would once that many
// bytes are written.
void SaveGame(const std::string& path, const SavedGame& game, std::optional<size_t> failAfterBytes = std::nullopt);

// Reads a saved game. Refuses anything but a regular file of at most
// kSavedGameMaxBytes, without waiting on a pipe or device.
SavedGame LoadGame(const std::string& path);

// Loads the file into the company and its history. On any fault both stay
// as they were and SavedGameError explains.
void RestoreGame(Company& company, History& history, const std::string& path);

}  // namespace dzwonex
