#pragma once
#include <cstdint>
#include <string>

#include "Milestones.h"
#include "Term.h"

namespace dzwonex {

// Where a manager's career outlives the game: the best terms and the
// milestones reached in any game. The window keeps them in the player's
// files; a session without a store keeps the book for its own run only and
// enters no records.
class CareerStore {
public:
    virtual ~CareerStore() = default;
    // Enters a term served to its end into the records as they stand now
    // (another window may have entered one since): its place, 1..10, or 0
    // when it did not enter.
    virtual int32_t EnterTerm(const Term& term, const std::string& user, const std::string& date, uint32_t seed) = 0;
    // Keeps a book that has just reached a milestone; what another game has
    // reached meanwhile is merged into `book`.
    virtual void KeepBook(MilestoneBook& book) = 0;
};

}  // namespace dzwonex
