#pragma once
// Saved games: the company and its course as a versioned JSON file,
// described in docs/saved-game-format.md.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "History.h"
#include "Milestones.h"
#include "Snapshot.h"
#include "Term.h"

namespace dzwonex {

// The format this version writes, and the newest it reads. Format 1 had
// no history.
inline constexpr int64_t kSavedGameFormat = 2;
// The "format" every saved game names.
inline constexpr const char* kSavedGameFormatName = "Dzwonex saved game";
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
    SavedGame() = default;
    SavedGame(CompanySnapshot c, SavedHistory h, Term t = {}, std::optional<MilestoneProgress> m = std::nullopt,
              std::optional<uint32_t> s = std::nullopt)
        : company(std::move(c)), history(std::move(h)), term(std::move(t)), milestones(m), seed(s) {}

    CompanySnapshot company;
    SavedHistory history;  // empty from a format-1 file
    // The manager's term while it runs; an ended term or none is not kept.
    Term term;
    // What the game has run up towards the milestones; none from a file
    // written without it (the runs then start again).
    std::optional<MilestoneProgress> milestones;
    // The generator's state when the game began, for the records; none
    // when the file does not say.
    std::optional<uint32_t> seed;
    bool operator==(const SavedGame&) const = default;
};

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

// The file's text. Throws SavedGameError when the game holds what the
// format cannot (an opinion or quality that is not a finite number).
std::string SavedGameText(const SavedGame& game);

// Reads a saved game's text; `name` is the file the messages name. Checks
// the format, that every reference resolves and the history, not the rules
// of the company (Company::Restore checks those).
SavedGame ParseSavedGame(std::string_view text, const std::string& name);

// What a list of saved games shows of one, without reading it all.
struct SavedGameSummary {
    int32_t day = 0;
    int32_t cash = 0;
};
// The day and cash of a saved game's text, read from its top and no further
// than those two (with "format" and "formatVersion") need: the game writes
// them first, so a large game is not parsed whole, and a file damaged only
// after them is refused when it is loaded. None when the text is not a
// saved game of a format this version reads, or the two are missing or out
// of their ranges.
std::optional<SavedGameSummary> SummaryOfSavedGame(std::string_view text);

}  // namespace dzwonex
