#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CareerStore.h"
#include "Company.h"
#include "History.h"
#include "Milestones.h"
#include "Rating.h"
#include "SavedGame.h"
#include "Term.h"

namespace dzwonex {

// One game as every front end plays it: the company, its course (the
// history), the manager's term, the runs towards the milestones, the seed
// the game began on and the career it feeds. The window and the text front
// end both drive a session, so a game saved by either holds the same
// fields and reads back the same in the other. It decides no rule and draws
// nothing of its own: the company does, and the rating, the term and the
// milestones are read from it after each turn.
class GameSession {
public:
    // The calendar date the records and the milestones are dated with
    // ("2026-12-07").
    using Calendar = std::function<std::string()>;

    // A company on the view, its generator seeded with `seed`. `store`
    // (optional, not owned) keeps the records and the milestones' book.
    GameSession(GameView& view, uint32_t seed, Calendar today, CareerStore* store = nullptr);

    const Company& Game() const { return *company_; }
    // For the company's own operations (the start-up's picture sizes, the
    // speed, the map, the banner, the language); the turns go through the
    // session.
    Company& Game() { return *company_; }
    const History& CompanyHistory() const { return history_; }
    const Term& CurrentTerm() const { return term_; }
    const MilestoneBook& Book() const { return tracker_.Book(); }
    const MilestoneProgress& Progress() const { return tracker_.Progress(); }
    // The generator's state when the game began; none for a loaded game
    // whose file did not say.
    std::optional<uint32_t> Seed() const { return seed_; }

    // A fresh company (Company::NewGame) with a term of `years` (one of
    // Term::kChoices; 0: none) from its first day; the generator goes on
    // where it stands, and that state is the new game's seed.
    void NewGame(int32_t termYears);
    // The book kept from earlier games (the store's), for announcing each
    // milestone once.
    void AdoptBook(MilestoneBook book);

    // What a turn did beyond the company.
    struct Outcome {
        Rating rating;
        TermEnd end = TermEnd::Running;  // how the term ended with this turn
        int32_t place = 0;               // in the records, 1..10; 0 when it did not enter
        std::vector<MilestoneId> reached;
    };
    // The daily turn and what follows it.
    Outcome NextDay();
    // After each daily turn: the day's sample in the history, the rating,
    // the term's day (and the records when it is served) and the milestones.
    Outcome AfterDay();
    // The answers to the front case, and what follows each.
    Outcome AnswerYes();
    Outcome AnswerNo();
    Outcome AnswerOk();
    // After each answer: the rating and the milestones an answer reaches.
    Outcome AfterAnswer();
    // The company as it stands, rated with its history.
    Rating CurrentRating() const;

    // The name a served term enters the records under; while it is empty,
    // the company's user, who signs the letters.
    void SetRecordName(std::string name) { recordName_ = std::move(name); }
    const std::string& RecordName() const { return recordName_.empty() ? company_->UserName() : recordName_; }

    // A term of `years` from today (0: none); the one before is given up.
    void StartTerm(int32_t years);
    // An ended term's report has been read: the game goes on with no term.
    void CloseTerm() { term_ = Term{}; }

    // Everything a saved game holds.
    SavedGame Save() const;
    // Replaces the game with a saved one. The company checks every rule
    // first: when one is broken, std::invalid_argument names it and the
    // session is left as it was. A game saved without a history starts its
    // course here; one saved without milestone runs starts them again.
    void Restore(const SavedGame& saved);

private:
    // A milestone reached: the book goes to the store, and comes back with
    // what other games reached meanwhile.
    void KeepBook();

    std::unique_ptr<Company> company_;
    History history_;
    Term term_;
    MilestoneTracker tracker_;
    std::optional<uint32_t> seed_;
    Calendar today_;
    CareerStore* store_;
    std::string recordName_;
};

}  // namespace dzwonex
