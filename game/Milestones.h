#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Language.h"
#include "MilestoneId.h"
#include "Rating.h"

namespace dzwonex {

class Company;

// What one game has run up towards the milestones that need days in a row.
// Saved with the game; a new game starts from the default.
struct MilestoneProgress {
    int32_t startBooths = -1;  // the booths on the first day seen; -1 before
    int32_t daysWithoutDebt = 0;
    int32_t daysInDebt = 0;
    int32_t daysInProfit = 0;
    int32_t daysGoodOpinion = 0;
    bool operator==(const MilestoneProgress&) const = default;
};

// When a milestone was first reached: the game's day and the caller's
// calendar date (the window: "2026-12-07").
struct MilestoneReached {
    int32_t day = 0;
    std::string date;  // at most kMaxMilestoneDate bytes
    bool operator==(const MilestoneReached&) const = default;
};
inline constexpr size_t kMaxMilestoneDate = 64;

// The milestones reached in any game so far, kept across games.
struct MilestoneBook {
    std::array<std::optional<MilestoneReached>, kMilestoneCount> reached;
    bool operator==(const MilestoneBook&) const = default;
    int32_t Count() const;
};

// Recognises the milestones from the company's state, one game at a time,
// and announces each once: a milestone already in the book, from this game
// or an earlier one, is not announced again. Draws nothing, changes nothing
// in the company.
class MilestoneTracker {
public:
    // The opinion from which it counts as good.
    static constexpr double kGoodOpinion = 5;

    MilestoneTracker() = default;
    explicit MilestoneTracker(MilestoneBook book, MilestoneProgress progress = {})
        : book_(std::move(book)), progress_(progress) {}

    // A new game (or a loaded one without progress): the runs start again.
    void NewGame() { progress_ = {}; }
    // After each daily turn, with that day's rating (RateCompany). Returns
    // the milestones reached for the first time, in MilestoneId order.
    std::vector<MilestoneId> AfterDay(const Company& game, const Rating& rating, const std::string& date);
    // After each answer of the player: the milestones an answer can reach
    // (the inbox emptied on a month's last day).
    std::vector<MilestoneId> AfterAnswer(const Company& game, const std::string& date);

    const MilestoneBook& Book() const { return book_; }
    const MilestoneProgress& Progress() const { return progress_; }

private:
    void Reach(MilestoneId id, bool reached, int32_t day, const std::string& date, std::vector<MilestoneId>& out);

    MilestoneBook book_;
    MilestoneProgress progress_;
};

// The milestone's name and how it is reached, in a language.
const char* MilestoneName(MilestoneId id, Language language);
const char* MilestoneHow(MilestoneId id, Language language);
// The key that stands for it in the book's text ("isdn-100").
const char* MilestoneKey(MilestoneId id);

// The book as JSON text, to keep in a file, and read back. A damaged text
// (not JSON, a wrong type, a day below 0, a date too long, more than
// kMaxMilestonesText bytes) throws MilestonesError saying what is wrong;
// the caller names the file. A key this game does not know is skipped, so
// an older game reads a newer book.
inline constexpr size_t kMaxMilestonesText = 64 * 1024;
class MilestonesError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
std::string MilestonesToJson(const MilestoneBook& book);
MilestoneBook MilestonesFromJson(const std::string& text);

}  // namespace dzwonex
