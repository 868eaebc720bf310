#pragma once
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "Term.h"

namespace dzwonex {

// One row of "Najlepsi dyrektorzy": who served a term, when, on which
// seed, and the rating it ended with.
struct RecordRow {
    std::string user;  // at most kMaxText bytes
    std::string date;  // as the caller writes it (the window: "2026-12-07")
    uint32_t seed = 0;
    int32_t rating = 0;
    bool operator==(const RecordRow&) const = default;
};

// The best terms, ten per term length, best first; of equal ratings the
// earlier stays ahead. Only a term served to its end enters: the board does
// not hang a dismissed manager's portrait.
struct Records {
    static constexpr size_t kRows = 10;
    static constexpr size_t kMaxText = 255;
    // By length, in the order of Term::kChoices.
    std::array<std::vector<RecordRow>, Term::kChoices.size()> tables;
    bool operator==(const Records&) const = default;

    // The table of a term length (1, 2, 5 or 10 years); an empty one for
    // any other.
    const std::vector<RecordRow>& Table(int32_t years) const;
    // The place, 1..10, a rating would take among the terms of that length,
    // or 0 when it would not enter.
    int32_t PlaceFor(int32_t years, int32_t rating) const;
    // Enters the row (its texts cut to kMaxText bytes) and returns its place,
    // 1..10, or 0 when it does not enter and nothing changes.
    int32_t Enter(int32_t years, RecordRow row);
    // Enters an ended term with its final rating; a term still running, or
    // one the board cut short, does not enter (0).
    int32_t EnterTerm(const Term& term, const std::string& user, const std::string& date, uint32_t seed);
};

// The records as JSON text, to keep in a file.
std::string RecordsToJson(const Records& records);

// The records read back from RecordsToJson's text. A damaged text (not
// JSON, a wrong type, a rating outside 0..1000, a text too long, more than
// kMaxRecordsText bytes) throws RecordsError saying what is wrong; the
// caller names the file. A table holding more than ten rows keeps its best ten.
inline constexpr size_t kMaxRecordsText = 64 * 1024;
class RecordsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
Records RecordsFromJson(const std::string& text);

}  // namespace dzwonex
