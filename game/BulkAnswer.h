#pragma once
#include <cstdint>

namespace dzwonex {

class Company;

enum class Answer { Yes, No, Ok };

// Answering a whole group of cases at once: every case in the inbox with
// the front case's kind and title (so "Bluzgi" letters and "Bluzgi"
// proposals, or a disconnect and a spy report, never mix). Tak and Nie
// answer a group of questions, OK a group of messages, as the buttons do.
//
// It is exactly this sequence of single answers: for each case of the
// group, in inbox order, pick it (Company::BringToFront) and answer it.
// The cases outside the group keep their order. A Nie on an application
// pushes its refusal letter to the front as a single Nie does; the next
// case of the group is then picked in front of it, so the letters wait at
// the front, the latest first, each to be read. Nothing an answer writes
// joins the group, so the count below is the number answered.

// The number of cases the group holds; 0 when the inbox is empty or the
// answer does not fit the front case (Tak or Nie on a message, OK on a
// question). The confirmation shows it.
int32_t GroupSize(const Company& game, Answer answer);

// Answers the group; returns how many cases were answered (GroupSize).
int32_t AnswerGroup(Company& game, Answer answer);

}  // namespace dzwonex
