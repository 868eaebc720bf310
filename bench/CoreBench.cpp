// Headless speed of the game core: a new game and one daily turn.
#include <benchmark/benchmark.h>

#include "Company.h"
#include "CompanyBuilder.h"

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
// days (outside the timing) so every turn sees the same size.
void DailyTurn(benchmark::State& state) {
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
    for (auto _ : state) {
        state.PauseTiming();
        topUp();
        state.ResumeTiming();
        game.NextDay();
    }
}
BENCHMARK(DailyTurn)->Arg(1100)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
