#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Subscribers.h"

namespace dzwonex {

// What one daily turn booked, as it was shown.
struct DayAccount {
    int32_t income = 0;     // all five incomes together
    int32_t staff = 0;      // "Pracownicy"
    int32_t repairs = 0;    // "Naprawy"
    int32_t equipment = 0;  // "Nowy sprzęt"
    bool operator==(const DayAccount&) const = default;
};

struct PointSnapshot {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const PointSnapshot&) const = default;
};

// The point a case names. A listed point is known by its kind and place in
// that list; one that has left its list by its number among such points,
// so that two cases naming the same departed point still name one point.
struct SubjectSnapshot {
    int32_t x = 0;
    int32_t y = 0;
    bool listed = false;
    int32_t kind = 0;   // 1..6 when listed, else 0
    int32_t index = 0;  // place in the list, or number among departed points
    bool operator==(const SubjectSnapshot&) const = default;
};

struct CaseSnapshot {
    int32_t kind = 0;
    int32_t param = 0;
    int32_t param2 = 0;
    std::optional<SubjectSnapshot> subject;
    std::string title;
    std::string body;
    bool operator==(const CaseSnapshot&) const = default;
};

// A read-only copy of the whole company at one moment: what the text
// front end prints, what tests compare and what a saved game holds.
struct CompanySnapshot {
    int32_t day = 0;
    int32_t cash = 0;
    double opinion = 0;
    double quality = 0;
    std::array<std::vector<PointSnapshot>, kKindCount> subscribers;  // by kind 1..6, in list order
    std::vector<CaseSnapshot> cases;                                 // front first
    int32_t bannerIndex = 0;
    int32_t speed = 0;       // the speed gauge's position, 0..10
    uint32_t generator = 0;  // the random generator's state
    std::string userName;    // signs the refusal letters
    DayAccount lastDay;      // the latest daily turn's money
    bool operator==(const CompanySnapshot&) const = default;
};

}  // namespace dzwonex
