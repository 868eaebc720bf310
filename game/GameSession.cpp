#include "GameSession.h"

#include "Random.h"

namespace dzwonex {

GameSession::GameSession(GameView& view, uint32_t seed, Calendar today, CareerStore* store)
    : company_(std::make_unique<Company>(view, std::make_unique<Lcg32>(seed))),
      seed_(seed),
      today_(std::move(today)),
      store_(store) {}

void GameSession::NewGame(int32_t termYears) {
    const uint32_t seed = company_->GeneratorState();
    company_->NewGame();
    seed_ = seed;
    history_.Clear();
    history_.Record(*company_);
    term_ = Term::Start(termYears, company_->Day());
    tracker_.NewGame();
}

void GameSession::AdoptBook(MilestoneBook book) { tracker_ = MilestoneTracker(std::move(book), tracker_.Progress()); }

GameSession::Outcome GameSession::NextDay() {
    company_->NextDay();
    return AfterDay();
}

GameSession::Outcome GameSession::AfterDay() {
    history_.Record(*company_);
    Outcome outcome;
    outcome.rating = RateCompany(*company_, history_);
    outcome.end = term_.AfterDay(*company_, outcome.rating);
    const std::string date = today_();
    // A game whose file did not say its seed enters with 0.
    if (outcome.end == TermEnd::Completed && store_)
        outcome.place = store_->EnterTerm(term_, RecordName(), date, seed_.value_or(0));
    outcome.reached = tracker_.AfterDay(*company_, outcome.rating, date);
    if (!outcome.reached.empty() && store_) KeepBook();
    return outcome;
}

GameSession::Outcome GameSession::AnswerYes() {
    company_->AnswerYes();
    return AfterAnswer();
}

GameSession::Outcome GameSession::AnswerNo() {
    company_->AnswerNo();
    return AfterAnswer();
}

GameSession::Outcome GameSession::AnswerOk() {
    company_->AnswerOk();
    return AfterAnswer();
}

GameSession::Outcome GameSession::AfterAnswer() {
    Outcome outcome;
    outcome.reached = tracker_.AfterAnswer(*company_, today_());
    if (!outcome.reached.empty() && store_) KeepBook();
    outcome.rating = CurrentRating();
    return outcome;
}

void GameSession::KeepBook() {
    MilestoneBook book = tracker_.Book();
    store_->KeepBook(book);
    tracker_ = MilestoneTracker(std::move(book), tracker_.Progress());
}

Rating GameSession::CurrentRating() const { return RateCompany(*company_, history_); }

void GameSession::StartTerm(int32_t years) { term_ = Term::Start(years, company_->Day()); }

SavedGame GameSession::Save() const {
    return {company_->Snapshot(), history_.Saved(), term_, tracker_.Progress(), seed_};
}

void GameSession::Restore(const SavedGame& saved) {
    // Checks every rule before it changes anything.
    company_->Restore(saved.company);
    history_.Restore(saved.history);
    if (history_.Empty()) history_.Record(*company_);
    term_ = saved.term;
    tracker_ = MilestoneTracker(tracker_.Book(), saved.milestones.value_or(MilestoneProgress{}));
    seed_ = saved.seed;
}

}  // namespace dzwonex
