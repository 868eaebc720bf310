#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <QString>

#include "Milestones.h"
#include "PlayerFile.h"
#include "Rating.h"
#include "Records.h"
#include "SavedGame.h"
#include "Term.h"

namespace dzwonex {

class Company;
class History;

// The manager's career in the window: the term of the game in play, the
// milestones reached and the best terms ("Najlepsi dyrektorzy"), the last
// two kept in the data folder across games. It decides nothing: the core
// rates the company, ends the term and recognises the milestones; this
// keeps their files and tells what happened.
class Career {
public:
    // The files in `folder`; by default the player's data folder.
    explicit Career(MessageLanguage language);
    Career(const QString& folder, MessageLanguage language);

    // Reads the records and the milestones: a message for each file that
    // could not be used; the game goes on without it.
    std::vector<QString> Load();

    // A new game from the game's day `day` (its first), with a term of
    // `years` (Term::kChoices) or none (0).
    void NewGame(int32_t years, int32_t day, uint32_t seed);
    // A loaded game: its term, milestone runs and seed.
    void Restore(const SavedGame& saved);
    // What a saved game keeps of the career.
    void Keep(SavedGame& game) const;

    // What a day did to the career.
    struct Day {
        Rating rating;
        TermEnd end = TermEnd::Running;  // how the term ended today
        int32_t place = 0;               // in the records, 1..10; 0 when it did not enter
        std::vector<MilestoneId> reached;
        std::vector<QString> problems;  // files that could not be written
    };
    // After each daily turn, once the history holds the day.
    Day AfterDay(const Company& game, const History& history, const std::string& user, const std::string& date);
    // After each answer: the milestones an answer reaches.
    std::vector<MilestoneId> AfterAnswer(const Company& game, const std::string& date, std::vector<QString>& problems);
    // The report of the ended term has been read: the game goes on with no term.
    void CloseTerm() { term_ = Term{}; }

    const Term& CurrentTerm() const { return term_; }
    const Records& Table() const { return records_; }
    const MilestoneBook& Book() const { return tracker_.Book(); }
    const QString& RecordsPath() const { return recordsFile_.Path(); }
    const QString& MilestonesPath() const { return milestonesFile_.Path(); }

private:
    void SaveMilestones(std::vector<QString>& problems);

    PlayerFile recordsFile_;
    PlayerFile milestonesFile_;
    Term term_;
    MilestoneTracker tracker_;
    Records records_;
    std::optional<uint32_t> seed_;
};

}  // namespace dzwonex
