#include "Match.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "Session.h"

namespace dzwonex::bots {

namespace {
// More answers than a day can bring cases (13) with their refusal letters,
// and a bound on a strategy that would answer for ever.
constexpr int32_t kMaxAnswersPerDay = 10000;
}  // namespace

MatchResult PlayTerm(Strategy& strategy, uint32_t seed, int32_t years, const std::string& assets, bool trace) {
    text::Options options;
    options.seed = seed;
    options.user = "Bot";
    options.assets = assets;
    text::Session session(options);
    if (auto error = session.Start()) throw std::runtime_error(*error);
    auto run = [&](const std::string& command) {
        const auto result = session.Execute(command);
        if (result.outcome == text::Session::Outcome::Error)
            throw std::runtime_error(strategy.Name() + ": " + command + ": " + result.error);
    };
    run("term " + std::to_string(years));
    int32_t lowestCash = session.Game().Cash().Value();
    while (session.Played().CurrentTerm().Running()) {
        for (int32_t answered = 0; answered < kMaxAnswersPerDay; ++answered) {
            const std::string command = strategy.Next(session.Game(), answered);
            if (command == "day") break;
            run(command);
        }
        run("day");
        const Company& game = session.Game();
        lowestCash = std::min(lowestCash, game.Cash().Value());
        if (trace && game.Day() % 30 == 0) {
            const Rating rating = RateCompany(game, session.Played().CompanyHistory());
            std::printf("  day %4d rating %4d cash %11d opinion %8.1f quality %7.1f counts", game.Day(), rating.total,
                        game.Cash().Value(), game.Opinion(), game.Quality());
            for (int k = 1; k <= kKindCount; ++k) std::printf(" %5d", game.Count(k));
            std::printf(" inbox %zu\n", game.Cases().size());
        }
    }
    const Term& term = session.Played().CurrentTerm();
    MatchResult result;
    result.strategy = strategy.Name();
    result.seed = seed;
    result.end = term.end;
    result.endDay = term.endDay;
    result.rating = term.finalRating;
    const History& history = session.Played().CompanyHistory();
    result.last = history.Latest();
    result.lowestCash = lowestCash;
    if (const HistorySample* then = history.OnOrBefore(result.last.day - 30); then && then->day < result.last.day)
        result.netPerDay = (static_cast<double>(result.last.cash) - then->cash) / (result.last.day - then->day);
    return result;
}

}  // namespace dzwonex::bots
