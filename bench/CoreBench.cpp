// Headless speed of the game core: a new game and one daily turn.
#include <benchmark/benchmark.h>

#include "Game.h"

using namespace dzwonex;

namespace {

void NewGame(benchmark::State& state) {
    uint32_t seed = 1;
    for (auto _ : state) {
        NullView view;
        TGame game(view, std::make_unique<Lcg32>(seed++));
        game.SetMapPictureSize(1400, 1000);
        game.SetBannerStripHeight(200);
        game.NewGame();
        benchmark::DoNotOptimize(game.FMoney);
    }
}
BENCHMARK(NewGame)->Unit(benchmark::kMicrosecond);

// One day on a company of the given size; the lists are topped up between
// days (outside the timing) so every turn sees the same size.
void DailyTurn(benchmark::State& state) {
    const int total = static_cast<int>(state.range(0));
    NullView view;
    TGame game(view, std::make_unique<Lcg32>(4711));
    game.SetMapPictureSize(1400, 1000);
    const int shares[6] = {total * 90 / 100, total * 3 / 100, total * 2 / 100, total / 200, 2, total * 2 / 100};
    auto topUp = [&] {
        for (int k = 1; k <= 6; ++k) {
            while (game.Count(k) < shares[k - 1])
                game.Subscribers(k).push_back(std::make_shared<TCos>(game.Rng(), 1400, 1000));
            while (game.Count(k) > shares[k - 1]) game.Subscribers(k).pop_back();
        }
        game.FCases.clear();
        game.FOpinion = 0;
        game.FQuality = 0;
        game.FMoney = 10000;
    };
    for (auto _ : state) {
        state.PauseTiming();
        topUp();
        state.ResumeTiming();
        game.MainTimerTimer();
    }
}
BENCHMARK(DailyTurn)->Arg(1100)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
