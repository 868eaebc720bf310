// Headless speed of the game core: a new game, one daily turn, the history
// the window keeps of the turns, and the rating, term and milestones read
// from them after each day.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include "Company.h"
#include "CompanyBuilder.h"
#include "History.h"
#include "Milestones.h"
#include "NullView.h"
#include "Rating.h"
#include "Term.h"

using namespace dzwonex;
using dzwonex::testing::CompanyBuilder;

namespace {

void NewGame(benchmark::State& state) {
    uint32_t seed = 1;
    for (auto _ : state) {
        NullView view;
        Company game(view, std::make_unique<Lcg32>(seed++));
        game.SetMapPictureSize(1400, 1000);
        game.SetBannerStripHeight(200);
        game.NewGame();
        benchmark::DoNotOptimize(game.Cash());
    }
}
BENCHMARK(NewGame)->Unit(benchmark::kMicrosecond);

// One day on a company of the given size; the lists are topped up between
// days (outside the timing) so every turn sees the same size. With
// `rated`, the day also does what the window does after each turn: records
// its sample, rates the company, counts the term's day and looks for
// milestones.
void Day(benchmark::State& state, bool rated) {
    const int total = static_cast<int>(state.range(0));
    NullView view;
    Company game(view, std::make_unique<Lcg32>(4711));
    game.SetMapPictureSize(1400, 1000);
    const int shares[6] = {total * 90 / 100, total * 3 / 100, total * 2 / 100, total / 200, 2, total * 2 / 100};
    CompanyBuilder build(game);
    auto topUp = [&] {
        for (int k = 1; k <= 6; ++k) {
            while (game.Count(k) < shares[k - 1]) build.AddSubscriber(k);
            while (game.Count(k) > shares[k - 1]) build.RemoveSubscriberAt(k, game.Count(k) - 1);
        }
        build.ClearCases().Opinion(0).Quality(0).Cash(10000);
    };
    History history;
    Term term = Term::Start(10, 0);
    MilestoneTracker milestones;
    // A year of days behind, as the rating reads them.
    for (int32_t day = 0; day < History::kDailySpan; ++day) {
        HistorySample sample = History::Sample(game);
        sample.day = day;
        history.Record(sample);
    }
    build.SetDay(History::kDailySpan);
    for (auto _ : state) {
        state.PauseTiming();
        topUp();
        if (!term.Running()) term = Term::Start(10, game.Day());
        state.ResumeTiming();
        game.NextDay();
        if (rated) {
            history.Record(game);
            const Rating rating = RateCompany(game, history);
            term.AfterDay(game, rating);
            benchmark::DoNotOptimize(milestones.AfterDay(game, rating, "2026-12-07"));
        }
    }
}

void DailyTurn(benchmark::State& state) { Day(state, false); }
void DailyTurnRated(benchmark::State& state) { Day(state, true); }
BENCHMARK(DailyTurn)->Arg(1100)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(DailyTurnRated)->Arg(1100)->Unit(benchmark::kMicrosecond);

// The rating of one day at about 1,100 subscribers, with a year of daily
// history behind it (target: 1 µs).
void RatingOfADay(benchmark::State& state) {
    NullView view;
    Company game(view, std::make_unique<Lcg32>(4711));
    game.SetMapPictureSize(1400, 1000);
    CompanyBuilder(game).Counts({990, 33, 22, 5, 2, 22}).Cash(25000).Opinion(3);
    History history;
    for (int32_t day = 0; day <= History::kDailySpan; ++day) {
        HistorySample sample = History::Sample(game);
        sample.day = day;
        sample.cash = day % 7 == 0 ? -100 : 25000 + day;  // some days in debt, so none is skipped
        history.Record(sample);
    }
    CompanyBuilder(game).SetDay(History::kDailySpan);
    for (auto _ : state) benchmark::DoNotOptimize(RateCompany(game, history));
}
BENCHMARK(RatingOfADay)->Unit(benchmark::kNanosecond);

// What the window adds after each turn, alone: the day's sample, the
// rating, the term's day and the milestones, at about 1,100 subscribers.
void AfterTheTurn(benchmark::State& state) {
    NullView view;
    Company game(view, std::make_unique<Lcg32>(4711));
    game.SetMapPictureSize(1400, 1000);
    CompanyBuilder build(game);
    build.Counts({990, 33, 22, 5, 2, 22}).Cash(25000).Opinion(3);
    History history;
    Term term = Term::Start(10, 0);
    MilestoneTracker milestones;
    int32_t day = 0;
    for (auto _ : state) {
        build.SetDay(++day);
        history.Record(game);
        const Rating rating = RateCompany(game, history);
        term.AfterDay(game, rating);
        benchmark::DoNotOptimize(milestones.AfterDay(game, rating, "2026-12-07"));
        if (!term.Running()) term = Term::Start(10, day);
    }
}
BENCHMARK(AfterTheTurn)->Unit(benchmark::kNanosecond);

// What recording a day adds to the turn: reading the company of about
// 1,100 subscribers and keeping the sample, one new day each time, with
// its share of moving older samples to the coarser parts.
void HistoryRecord(benchmark::State& state) {
    NullView view;
    Company game(view, std::make_unique<Lcg32>(4711));
    game.SetMapPictureSize(1400, 1000);
    CompanyBuilder(game).Counts({990, 33, 22, 5, 2, 22});
    History history;
    int32_t day = 0;
    for (auto _ : state) {
        HistorySample sample = History::Sample(game);
        sample.day = ++day;
        history.Record(sample);
    }
    benchmark::DoNotOptimize(history.Size());
    state.counters["samples"] = static_cast<double>(history.Size());
}
BENCHMARK(HistoryRecord)->Unit(benchmark::kNanosecond);

// The heap a hundred game years of history take (target: 2 MB).
void HistoryMemory(benchmark::State& state) {
    const int32_t days = static_cast<int32_t>(state.range(0)) * 360;
    size_t bytes = 0, samples = 0;
    for (auto _ : state) {
        const size_t before = mallinfo2().uordblks;
        {
            History history;
            HistorySample sample;
            for (int32_t day = 1; day <= days; ++day) {
                sample.day = day;
                sample.cash = day;
                history.Record(sample);
            }
            bytes = mallinfo2().uordblks - before;
            samples = history.Size();
        }
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    state.counters["samples"] = static_cast<double>(samples);
}
BENCHMARK(HistoryMemory)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
