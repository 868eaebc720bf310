// dzwonex-bots: plays every strategy for a term on many seeds and tells
// how the company's rating ranks them.
//
//   dzwonex-bots [--seeds N] [--first-seed S] [--years Y] [--assets DIR]
//                [--strategy NAME]... [--games] [--trace] [--check]
//
// Prints a Markdown table: each strategy's final rating over the seeds
// (median, 10th and 90th percentile), the terms the board cut short, and
// how often the thoughtful manager did better. --games adds a line per
// game, --trace the company at every month's end too; --check exits 1 when the rating fails to rank the thoughtful
// manager first (see Verdicts below). Every run also plays its first game
// twice and exits 1 if the two differ.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "Match.h"
#include "ParseNumber.h"
#include "Platform.h"

using namespace dzwonex;
using namespace dzwonex::bots;

namespace {

struct Settings {
    uint32_t seeds = 50;
    uint32_t firstSeed = 1;
    int32_t years = 5;
    std::string assets;
    std::vector<std::string> strategies;
    bool games = false;
    bool check = false;
    bool trace = false;
};

bool Parse(int argc, char** argv, Settings& out, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        const std::string value = hasValue ? argv[i + 1] : "";
        auto number = [&](auto& target) {
            if (!hasValue || !text::ParseNumber(value, target)) {
                error = arg + " needs a whole number";
                return false;
            }
            ++i;
            return true;
        };
        if (arg == "--seeds") {
            if (!number(out.seeds)) return false;
        } else if (arg == "--first-seed") {
            if (!number(out.firstSeed)) return false;
        } else if (arg == "--years") {
            if (!number(out.years)) return false;
        } else if (arg == "--assets" && hasValue) {
            out.assets = argv[++i];
        } else if (arg == "--strategy" && hasValue) {
            if (!StrategyNamed(value, 0)) {
                error = "no strategy named " + value;
                return false;
            }
            out.strategies.push_back(argv[++i]);
        } else if (arg == "--games") {
            out.games = true;
        } else if (arg == "--trace") {
            out.trace = out.games = true;
        } else if (arg == "--check") {
            out.check = true;
        } else {
            error = "unknown option " + arg;
            return false;
        }
    }
    if (out.seeds == 0) {
        error = "--seeds needs at least 1";
        return false;
    }
    if (!Term::Start(out.years, 0).Chosen()) {
        error = "--years needs 1, 2, 5 or 10";
        return false;
    }
    return true;
}

// The value below which a share p of the sorted values lies (nearest rank).
double Percentile(const std::vector<int32_t>& sorted, double p) {
    const auto rank = static_cast<size_t>(std::ceil(p * static_cast<double>(sorted.size())));
    return sorted[std::clamp<size_t>(rank, 1, sorted.size()) - 1];
}

double Median(const std::vector<int32_t>& sorted) {
    const size_t n = sorted.size();
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2.0;
}

std::string Format(double value) {
    char text[32];
    std::snprintf(text, sizeof text, value == std::floor(value) ? "%.0f" : "%.1f", value);
    return text;
}

void PrintGame(const MatchResult& r) {
    const HistorySample& s = r.last;
    std::printf("%-20s seed %4u %-9s day %4d rating %4d [", r.strategy.c_str(), r.seed,
                r.end == TermEnd::Dismissed ? "dismissed" : "served", r.endDay, r.rating.total);
    for (int32_t p : r.rating.points) std::printf(" %3d", p);
    std::printf(" ] cash %11d net %9.0f opinion %8.1f quality %7.1f counts", s.cash, r.netPerDay, s.opinion, s.quality);
    for (int32_t c : s.counts) std::printf(" %5d", c);
    std::printf(" inbox %d lowest cash %d\n", s.inbox, r.lowestCash);
}

}  // namespace

int main(int argc, char** argv) {
    FloatingPointSetup floatingPoint;
    Settings settings;
    std::string error;
    if (!Parse(argc, argv, settings, error)) {
        std::cerr << "dzwonex-bots: " << error << "\n";
        return 2;
    }
    if (settings.assets.empty()) settings.assets = ExecutableDir();
    if (settings.strategies.empty())
        for (const auto& s : AllStrategies(0)) settings.strategies.push_back(s->Name());

    std::map<std::string, std::vector<MatchResult>> results;
    try {
        for (uint32_t i = 0; i < settings.seeds; ++i) {
            const uint32_t seed = settings.firstSeed + i;
            for (const std::string& name : settings.strategies) {
                const MatchResult r =
                    PlayTerm(*StrategyNamed(name, seed), seed, settings.years, settings.assets, settings.trace);
                if (settings.games) PrintGame(r);
                results[name].push_back(r);
            }
        }
        // The same seed and strategy must give the same term, rating and all.
        const std::string& first = settings.strategies.front();
        const MatchResult again =
            PlayTerm(*StrategyNamed(first, settings.firstSeed), settings.firstSeed, settings.years, settings.assets);
        const MatchResult& before = results[first].front();
        if (again.rating != before.rating || again.endDay != before.endDay || again.last.cash != before.last.cash) {
            std::cerr << "dzwonex-bots: " << first << " on seed " << settings.firstSeed
                      << " played twice gave two different terms\n";
            return 1;
        }
    } catch (const std::exception& e) {
        std::cerr << "dzwonex-bots: " << e.what() << "\n";
        return 1;
    }

    const bool haveThoughtful = results.count("thoughtful") > 0;
    std::printf("%u seeds from %u, a term of %d years\n\n", settings.seeds, settings.firstSeed, settings.years);
    std::printf("| Strategy | Reads the cases | Median | 10th pct | 90th pct | Dismissed |%s\n",
                haveThoughtful ? " Thoughtful ahead |" : "");
    std::printf("|---|---|---|---|---|---|%s\n", haveThoughtful ? "---|" : "");
    std::map<std::string, double> medians;
    std::map<std::string, double> thoughtfulAhead;
    for (const std::string& name : settings.strategies) {
        const auto& games = results[name];
        std::vector<int32_t> ratings;
        int dismissed = 0, ahead = 0;
        for (size_t i = 0; i < games.size(); ++i) {
            ratings.push_back(games[i].rating.total);
            dismissed += games[i].end == TermEnd::Dismissed;
            if (haveThoughtful) ahead += results["thoughtful"][i].rating.total > games[i].rating.total;
        }
        std::sort(ratings.begin(), ratings.end());
        medians[name] = Median(ratings);
        thoughtfulAhead[name] = 100.0 * ahead / static_cast<double>(games.size());
        std::printf("| %s | %s | %s | %s | %s | %d |", name.c_str(),
                    StrategyNamed(name, 0)->ReadsCases() ? "yes" : "no", Format(Median(ratings)).c_str(),
                    Format(Percentile(ratings, 0.1)).c_str(), Format(Percentile(ratings, 0.9)).c_str(), dismissed);
        if (haveThoughtful)
            std::printf(name == "thoughtful" ? " — |" : " %s %% |", Format(thoughtfulAhead[name]).c_str());
        std::printf("\n");
    }
    if (!haveThoughtful) return 0;

    // Verdicts: what a rating that rewards skill must show.
    bool fine = true;
    std::printf("\n");
    for (const char* rival : {"accept-all", "random"}) {
        if (!results.count(rival)) continue;
        const bool ok = thoughtfulAhead[rival] >= 90;
        fine = fine && ok;
        std::printf("%s thoughtful ahead of %s on %s %% of seeds (at least 90 %%)\n", ok ? "ok  " : "FAIL", rival,
                    Format(thoughtfulAhead[rival]).c_str());
    }
    for (const std::string& name : settings.strategies) {
        if (StrategyNamed(name, 0)->ReadsCases()) continue;
        const bool ok = medians[name] < medians["thoughtful"];
        fine = fine && ok;
        std::printf("%s %s ignores the cases; its median %s is below the thoughtful %s\n", ok ? "ok  " : "FAIL",
                    name.c_str(), Format(medians[name]).c_str(), Format(medians["thoughtful"]).c_str());
    }
    // The ten fixed policies: the best of them must not be one that gives
    // every case the same answer.
    std::string best;
    for (const std::string& name : settings.strategies)
        if (StrategyNamed(name, 0)->FixedPolicy() && (best.empty() || medians[name] > medians[best])) best = name;
    if (!best.empty()) {
        const bool degenerate = !StrategyNamed(best, 0)->ReadsCases();
        fine = fine && !degenerate;
        std::printf("%s the best fixed policy is %s (median %s)%s\n", degenerate ? "FAIL" : "ok  ", best.c_str(),
                    Format(medians[best]).c_str(), degenerate ? ", one that answers everything alike" : "");
    }
    return settings.check && !fine ? 1 : 0;
}
