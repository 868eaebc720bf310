#pragma once
// Saved games: a company snapshot as a versioned JSON file, described in
// docs/saved-game-format.md.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

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
// the player in English, PolishMessage() in Polish; both name the file.
// The details of a damaged file (which field, what JSON said) stay in the
// words of the format in either language.
class SavedGameError : public std::runtime_error {
public:
    explicit SavedGameError(const std::string& message, std::string polishMessage = {})
        : std::runtime_error(message), polish_(std::move(polishMessage)) {}
    // The English where no Polish was given.
    std::string PolishMessage() const { return polish_.empty() ? what() : polish_; }

private:
    std::string polish_;
};

// The message for a file that is not a saved game: "<name> is not a Dzwonex
// saved game (<why>)", in Polish with the Polish reason where one is given.
SavedGameError NotASavedGame(const std::string& name, const std::string& why, const std::string& polishWhy = {});

// The file's text. Throws SavedGameError when the snapshot holds what the
// format cannot (an opinion or quality that is not a finite number).
std::string SavedGameText(const CompanySnapshot& snapshot);

// Reads a saved game's text; `name` is the file the messages name. Checks
// the format and that every reference resolves, not the rules of the game
// (Company::Restore checks those).
CompanySnapshot ParseSavedGame(std::string_view text, const std::string& name);

}  // namespace dzwonex
