// Saved games: writing and reading a company of 1 100 and of 100 000
// subscribers, and the size of the file; reading files that are no game,
// up to the size limit. The files go to the temporary folder (TMPDIR), so
// the flush to the disk is part of the save.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>

#include "Company.h"
#include "CompanyBuilder.h"
#include "NullView.h"
#include "SavedGameFile.h"

using namespace dzwonex;
using dzwonex::testing::CompanyBuilder;

namespace {

// A company some days into a game, topped up to `total` subscribers.
struct Game {
    explicit Game(int total) : company(view, std::make_unique<Lcg32>(4711)) {
        company.SetMapPictureSize(1400, 1000);
        company.SetBannerStripHeight(350);
        company.NewGame();
        for (int i = 0; i < 20; ++i) company.NextDay();
        const int shares[kKindCount] = {total * 90 / 100, total * 3 / 100, total * 2 / 100, total / 200, 2,
                                        total * 2 / 100};
        CompanyBuilder build(company);
        for (int k = 1; k <= kKindCount; ++k) {
            while (company.Count(k) < shares[k - 1]) build.AddSubscriber(k);
            while (company.Count(k) > shares[k - 1]) build.RemoveSubscriberAt(k, company.Count(k) - 1);
        }
    }
    NullView view;
    Company company;
};

std::string FilePath(int total) {
    return (std::filesystem::temp_directory_path() /
            ("dzwonex-bench-" + std::to_string(::getpid()) + "-" + std::to_string(total) + ".dzwonex"))
        .string();
}

void Save(benchmark::State& state) {
    Game game(static_cast<int>(state.range(0)));
    const std::string path = FilePath(static_cast<int>(state.range(0)));
    for (auto _ : state) SaveGame(path, {game.company.Snapshot(), {}});
    int points = 0;
    for (int k = 1; k <= kKindCount; ++k) points += game.company.Count(k);
    state.counters["points"] = points;
    state.counters["fileBytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(Save)->Arg(1100)->Arg(100000)->Unit(benchmark::kMillisecond);

// The text alone, without the disk.
void SaveText(benchmark::State& state) {
    Game game(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(SavedGameText({game.company.Snapshot(), {}}));
}
BENCHMARK(SaveText)->Arg(1100)->Arg(100000)->Unit(benchmark::kMillisecond);

// Reading the file and restoring the company from it.
void Load(benchmark::State& state) {
    Game game(static_cast<int>(state.range(0)));
    const std::string path = FilePath(static_cast<int>(state.range(0)));
    SaveGame(path, {game.company.Snapshot(), {}});
    NullView view;
    Company other(view, std::make_unique<Lcg32>(1));
    other.SetMapPictureSize(1400, 1000);
    other.SetBannerStripHeight(350);
    History history;
    for (auto _ : state) RestoreGame(other, history, path);
    std::filesystem::remove(path);
}
BENCHMARK(Load)->Arg(1100)->Arg(100000)->Unit(benchmark::kMillisecond);

// A file of 1 MB, 10 MB or the size limit that holds one list of empty
// objects, or one object of many fields: parsed whole (or up to the count of
// values a game may hold) and refused. The time grows with the size, not its
// square (--benchmark_filter=ReadNoGame shows the fit).
void ReadNoGame(benchmark::State& state, bool fields) {
    const auto size = static_cast<size_t>(state.range(0));
    std::string text = R"({"format":"Dzwonex saved game","formatVersion":2,"x":)";
    text += fields ? '{' : '[';
    for (int i = 0; text.size() + 24 < size; ++i) text += fields ? "\"" + std::to_string(i) + "\":{}," : "{},";
    text += fields ? "\"e\":{}}}" : "{}]}";
    for (auto _ : state) {
        try {
            ParseSavedGame(text, "bench");
            state.SkipWithError("read as a game");
        } catch (const SavedGameError&) {
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.SetComplexityN(static_cast<int64_t>(text.size()));
}
BENCHMARK_CAPTURE(ReadNoGame, list, false)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Arg(kSavedGameMaxBytes)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadNoGame, fields, true)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Arg(kSavedGameMaxBytes)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
