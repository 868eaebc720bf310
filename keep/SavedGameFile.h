#pragma once
// Saved games on the disk: the core's format (SavedGame.h), read through
// the bounded reader and written through the atomic writer.
#include <cstddef>
#include <optional>
#include <string>

#include "SavedGame.h"

namespace dzwonex {

class Company;
class GameSession;

// Writes the game with WriteFileAtomically: whatever fails, an earlier
// file at `path` is left as it was and no temporary stays behind; only a
// regular file or a new name is replaced, through any symbolic links. For
// tests, failAfterBytes makes the write fail as a full disk would once
// that many bytes are written. Throws SavedGameError.
void SaveGame(const std::string& path, const SavedGame& game, std::optional<std::size_t> failAfterBytes = std::nullopt);

// Reads a saved game. Refuses anything but a regular file of at most
// kSavedGameMaxBytes, without waiting on a pipe or device. Throws
// SavedGameError.
SavedGame LoadGame(const std::string& path);

// The day and cash of a saved game (SummaryOfSavedGame); none when the file
// cannot be read or holds no summary.
std::optional<SavedGameSummary> ReadSavedGameSummary(const std::string& path);

// Loads the file into the company and its history alone, and returns the
// rest of what it holds. On any fault both stay as they were and
// SavedGameError explains.
SavedGame RestoreGame(Company& company, History& history, const std::string& path);

// The session's game, as SaveGame above.
void SaveGame(const std::string& path, const GameSession& session);
// Loads the file into the session: the company, its history, the term, the
// milestone runs and the seed. On any fault the session stays as it was
// and SavedGameError explains.
void RestoreGame(GameSession& session, const std::string& path);

}  // namespace dzwonex
