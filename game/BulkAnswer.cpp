// A group of like cases answered together, one by one.
#include "BulkAnswer.h"

#include <algorithm>

#include "Company.h"

namespace dzwonex {

namespace {

bool Fits(const Case& front, Answer answer) {
    const bool question = front.kind >= ckDisconnect && front.kind <= kLastCaseKind;
    return answer == Answer::Ok ? front.kind == ckInfo : question;
}

bool SameGroup(const Case& a, const Case& b) { return a.kind == b.kind && a.title == b.title; }

void Give(Company& game, Answer answer) {
    switch (answer) {
        case Answer::Yes:
            game.AnswerYes();
            break;
        case Answer::No:
            game.AnswerNo();
            break;
        case Answer::Ok:
            game.AnswerOk();
            break;
    }
}

}  // namespace

int32_t GroupSize(const Company& game, Answer answer) {
    const Case* front = game.CurrentCase();
    if (!front || !Fits(*front, answer)) return 0;
    const auto& cases = game.Cases();
    return static_cast<int32_t>(
        std::count_if(cases.begin(), cases.end(), [&](const Case& c) { return SameGroup(c, *front); }));
}

int32_t AnswerGroup(Company& game, Answer answer) {
    const int32_t count = GroupSize(game, answer);
    if (count == 0) return 0;
    const Case model = *game.CurrentCase();
    // The cases before the latest one picked hold none of the group, so the
    // search for the next goes on from there (plus a letter pushed in front).
    size_t from = 0;
    for (int32_t answered = 0; answered < count; ++answered) {
        const auto& cases = game.Cases();
        size_t at = from;
        while (at < cases.size() && !SameGroup(cases[at], model)) ++at;
        if (at == cases.size()) return answered;  // never: no answer removes another case
        const size_t before = cases.size();
        game.BringToFront(at);
        Give(game, answer);
        from = at + (game.Cases().size() + 1 - before);
    }
    return count;
}

}  // namespace dzwonex
