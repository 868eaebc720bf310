// What each action changed, told to the view when the action is over.
#include <exception>

#include "Amounts.h"
#include "Company.h"

namespace dzwonex {

class Company::ReportOnExit {
public:
    ReportOnExit(Company& game, std::optional<Action> action)
        : game_(game), action_(action), outermost_(game.reportDepth_++ == 0), before_(game.LookNow()) {}
    ~ReportOnExit() {
        --game_.reportDepth_;
        // Nothing is told of an action that failed half-way.
        if (!outermost_ || !action_ || std::uncaught_exceptions() > 0) return;
        const Look after = game_.LookNow();
        ActionReport report;
        report.action = *action_;
        report.effects.cash = after.cash - before_.cash;
        report.effects.opinion = after.opinion - before_.opinion;
        report.effects.quality = after.quality - before_.quality;
        for (size_t k = 0; k < after.counts.size(); ++k) report.effects.counts[k] = after.counts[k] - before_.counts[k];
        report.effects.newCases = std::max<int64_t>(0, after.cases - before_.cases);
        if (*action_ == Action::MapPress && game_.CurrentCase())
            report.proposal = game_.ProposalOf(*game_.CurrentCase());
        game_.view_.Reported(report);
    }
    ReportOnExit(const ReportOnExit&) = delete;
    ReportOnExit& operator=(const ReportOnExit&) = delete;

private:
    Company& game_;
    std::optional<Action> action_;
    bool outermost_;
    Look before_;
};

Company::Look Company::LookNow() const {
    Look look;
    look.cash = cash_.Value();
    look.opinion = RoundToInt32(opinion_);
    look.quality = RoundToInt32(quality_);
    for (int k = 1; k <= kKindCount; ++k) look.counts[static_cast<size_t>(k - 1)] = Count(k);
    look.cases = static_cast<int64_t>(cases_.size());
    return look;
}

std::optional<Proposal> Company::ProposalOf(const Case& c) const {
    if (c.kind == ckDisconnect) return Proposal{0, c.param, -1, -1};
    if (c.kind == ckBooth) return Proposal{-kBoothPrice, skBooth, +1, +1};
    return std::nullopt;
}

void Company::NewGame() {
    const ReportOnExit quiet(*this, std::nullopt);
    SetUpNewGame();
}

void Company::NextDay() {
    const ReportOnExit report(*this, Action::Day);
    RunDay();
}

void Company::AnswerYes() {
    const ReportOnExit report(*this, Action::Yes);
    DecideYes();
}

void Company::AnswerNo() {
    const ReportOnExit report(*this, Action::No);
    DecideNo();
}

void Company::AnswerOk() {
    const ReportOnExit report(*this, Action::Ok);
    DismissFrontCase();
}

void Company::PressMap(int32_t x, int32_t y) {
    const ReportOnExit report(*this, Action::MapPress);
    RaiseMapCase(x, y);
}

}  // namespace dzwonex
