// Plays many games in process, with the game's own rules, and prints the
// range each saved value reached: the figures behind the limits of the
// saved-game format (docs/saved-game-format.md) and the caps of the rules.
//
//   dzwonex-ranges [YEARS] [SEEDS] [STRATEGY...]
//   dzwonex-ranges largest FILE    the largest game the caps allow: its
//                                  file, and the slowest day at the caps
//   dzwonex-ranges load FILE       the time and memory of loading FILE
//
// A game stops early when it reaches the rules' caps (the point cap of a
// kind, the inbox cap), as the figures past that are the caps themselves.
// Odd seeds play in English, even ones in Polish.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include <sys/resource.h>

#include "Company.h"
#include "Limits.h"
#include "RecordingView.h"
#include "SavedGame.h"

using namespace dzwonex;

namespace {

struct Range {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    void See(double v) {
        low = std::min(low, v);
        high = std::max(high, v);
    }
    void See(const Range& r) {
        low = std::min(low, r.low);
        high = std::max(high, r.high);
    }
};

struct Extremes {
    Range day, cash, opinion, quality, inbox, departed, param, param2, titleBytes, bodyBytes;
    Range counts[kKindCount];
    Range points;  // all kinds together
    Range income, staff, repairs, equipment;
    Range fileBytes, dayMicros, samples, capDay;
    int capped = 0;  // games that reached a cap of the rules
    void See(const Extremes& e) {
        for (auto [to, from] : {std::pair{&day, &e.day},
                                {&cash, &e.cash},
                                {&opinion, &e.opinion},
                                {&quality, &e.quality},
                                {&inbox, &e.inbox},
                                {&departed, &e.departed},
                                {&param, &e.param},
                                {&param2, &e.param2},
                                {&titleBytes, &e.titleBytes},
                                {&bodyBytes, &e.bodyBytes},
                                {&points, &e.points},
                                {&income, &e.income},
                                {&staff, &e.staff},
                                {&repairs, &e.repairs},
                                {&equipment, &e.equipment},
                                {&fileBytes, &e.fileBytes},
                                {&dayMicros, &e.dayMicros},
                                {&samples, &e.samples},
                                {&capDay, &e.capDay}})
            to->See(*from);
        for (int k = 0; k < kKindCount; ++k) counts[k].See(e.counts[k]);
        capped += e.capped;
    }
};

// How a player answers: called once a day after the daily turn.
using Strategy = std::function<void(Company&, Lcg32& player)>;

bool IsInfo(const Company& c) { return c.CurrentCase() && c.CurrentCase()->kind == ckInfo; }

// Answers every case in the inbox, the messages with OK.
void AnswerAll(Company& c, const std::function<void(Company&)>& answer) {
    for (size_t guard = 0; c.CurrentCase() && guard < 100000; ++guard) {
        if (IsInfo(c))
            c.AnswerOk();
        else
            answer(c);
    }
}

const std::vector<std::pair<const char*, Strategy>> kStrategies = {
    {"accept", [](Company& c, Lcg32&) { AnswerAll(c, [](Company& g) { g.AnswerYes(); }); }},
    {"refuse", [](Company& c, Lcg32&) { AnswerAll(c, [](Company& g) { g.AnswerNo(); }); }},
    {"random",
     [](Company& c, Lcg32& player) {
         // Some answers a day, and now and then a press on the map.
         if (player.Random(10) == 0) c.PressMap(player.Random(c.MapWidth()), player.Random(c.MapHeight()));
         for (int n = player.Random(6); n > 0; --n) {
             switch (player.Random(3)) {
                 case 0:
                     c.AnswerYes();
                     break;
                 case 1:
                     c.AnswerNo();
                     break;
                 default:
                     c.AnswerOk();
                     break;
             }
         }
     }},
    {"one-a-day",
     [](Company& c, Lcg32&) {
         if (IsInfo(c))
             c.AnswerOk();
         else
             c.AnswerYes();
     }},
    {"ignore", [](Company&, Lcg32&) {}},
    {"picky",
     // Takes applications, refuses spy reports, accepts cost cuts.
     [](Company& c, Lcg32&) {
         AnswerAll(c, [](Company& g) {
             const Case& front = *g.CurrentCase();
             const bool yes = (front.kind >= ckSdiRequest && front.kind <= ckPolpakBribe) || front.kind == ckRaise ||
                              (front.kind == ckQuality && front.param < 0);
             if (yes)
                 g.AnswerYes();
             else
                 g.AnswerNo();
         });
     }},
    {"booths",
     // Accepts everything and puts up a booth a day wherever the press lands.
     [](Company& c, Lcg32& player) {
         c.PressMap(player.Random(c.MapWidth()), player.Random(c.MapHeight()));
         AnswerAll(c, [](Company& g) { g.AnswerYes(); });
     }},
};

// The longest texts any game wrote, for the largest game.
std::string gLongestTitle, gLongestBody;

void SeeCase(Extremes& e, const Case& c) {
    e.param.See(c.param);
    e.param2.See(c.param2);
    e.titleBytes.See(static_cast<double>(c.title.size()));
    e.bodyBytes.See(static_cast<double>(c.body.size()));
    if (c.title.size() > gLongestTitle.size()) gLongestTitle = c.title;
    if (c.body.size() > gLongestBody.size()) gLongestBody = c.body;
}

Extremes Play(const Strategy& strategy, uint32_t seed, int32_t days) {
    RecordingView view;
    Company game(view, std::make_unique<Lcg32>(seed));
    Lcg32 player(seed * 2654435761u + 1);
    game.Reset("Gracz");
    game.SetMapPictureSize(1440, 1040);
    game.SetBannerStripHeight(350);
    game.SetLanguage(seed % 2 ? Language::English : Language::Polish);
    game.NewGame();
    History history;
    history.Record(game);
    Extremes e;
    for (int32_t d = 0; d < days; ++d) {
        const auto start = std::chrono::steady_clock::now();
        game.NextDay();
        history.Record(game);
        strategy(game, player);
        e.dayMicros.See(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        e.day.See(game.Day());
        e.cash.See(game.Cash().Value());
        e.opinion.See(game.Opinion());
        e.quality.See(game.Quality());
        e.inbox.See(static_cast<double>(game.Cases().size()));
        double points = 0;
        bool capped = game.Cases().size() >= kMaxCases;
        for (int k = 1; k <= kKindCount; ++k) {
            e.counts[k - 1].See(game.Count(k));
            points += game.Count(k);
            capped = capped || game.Count(k) >= kMaxPointsOfKind;
        }
        e.points.See(points);
        const DayAccount& a = game.LastDay();
        e.income.See(a.income);
        e.staff.See(a.staff);
        e.repairs.See(a.repairs);
        e.equipment.See(a.equipment);
        // The newest cases are at the back, the pressed ones at the front.
        const auto& cases = game.Cases();
        for (size_t i = 0; i < cases.size() && i < 4; ++i) SeeCase(e, cases[i]);
        for (size_t i = cases.size() > 24 ? cases.size() - 24 : 0; i < cases.size(); ++i) SeeCase(e, cases[i]);
        if (capped) {
            e.capped = 1;
            e.capDay.See(game.Day());
            break;
        }
    }
    const CompanySnapshot s = game.Snapshot();
    for (const CaseSnapshot& c : s.cases) {
        e.param.See(c.param);
        e.param2.See(c.param2);
    }
    double departed = 0;
    for (const CaseSnapshot& c : s.cases)
        if (c.subject && !c.subject->listed) departed = std::max<double>(departed, c.subject->index + 1);
    e.departed.See(departed);
    e.samples.See(static_cast<double>(history.Size()));
    e.fileBytes.See(static_cast<double>(SavedGameText({s, history.Saved()}).size()));
    return e;
}

void Print(const char* name, const Extremes& e) {
    std::printf("\n== %s%s\n", name,
                e.capped ? (" (" + std::to_string(e.capped) + " games reached a cap)").c_str() : "");
    auto row = [](const char* what, const Range& r) {
        std::printf("  %-12s %15.6g .. %-15.6g\n", what, r.low, r.high);
    };
    row("day", e.day);
    row("cash", e.cash);
    row("opinion", e.opinion);
    row("quality", e.quality);
    for (int k = 0; k < kKindCount; ++k) row(("count " + std::to_string(k + 1)).c_str(), e.counts[k]);
    row("points", e.points);
    row("inbox", e.inbox);
    row("departed", e.departed);
    row("param", e.param);
    row("param2", e.param2);
    row("title bytes", e.titleBytes);
    row("body bytes", e.bodyBytes);
    row("income", e.income);
    row("staff", e.staff);
    row("repairs", e.repairs);
    row("equipment", e.equipment);
    row("samples", e.samples);
    row("file bytes", e.fileBytes);
    row("day µs", e.dayMicros);
    if (e.capped) row("capped on", e.capDay);
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;
}

// Processor time, not wall time: the machine may be busy with other work.
template <typename F>
double Seconds(F&& run) {
    const std::clock_t start = std::clock();
    run();
    return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

// The map of the largest game: the largest the map picture may be, so
// that every place takes four digits.
constexpr int32_t kWideMap = 8192;

// The largest game the caps allow: every kind full, the inbox full of the
// longest letters seen, each naming a point, the longest user name, a
// full history, and every number at its widest.
SavedGame LargestGame() {
    SavedGame game;
    CompanySnapshot& s = game.company;
    s.day = kLastDay;
    s.cash = std::numeric_limits<int32_t>::min();
    s.opinion = std::nextafter(-kLevelLimit, 0.0);
    s.quality = s.opinion;
    s.speed = 10;
    s.generator = 4294967295u;
    s.userName = std::string(255, '\xff');
    s.lastDay = {Money::kMax, Money::kMax, Money::kMax, Money::kMax};
    Lcg32 place(1);
    for (auto& list : s.subscribers)
        for (int32_t i = 0; i < kMaxPointsOfKind; ++i)
            list.push_back({1000 + place.Random(kWideMap - 1000), 1000 + place.Random(kWideMap - 1000)});
    for (size_t i = 0; i < kMaxCases; ++i) {
        const auto index = static_cast<int32_t>(kMaxPointsOfKind - 1 - i);
        const PointSnapshot& p = s.subscribers[skBooth - 1][static_cast<size_t>(index)];
        s.cases.push_back({ckDisconnect, skBooth, -1000000, SubjectSnapshot{p.x, p.y, true, skBooth, index},
                           gLongestTitle, gLongestBody});
    }
    // As many samples as a file holds, spaced as History keeps them: the
    // last year daily, the nine before it weekly, the rest at the widest
    // spacing that leaves room for them all.
    game.history.oldSpacing = History::kMonth << 12;
    std::vector<int64_t> ages;
    for (int64_t age = 0; age < History::kDailySpan; ++age) ages.push_back(age);
    for (int64_t age = History::kDailySpan; age < History::kWeeklySpan; age += History::kWeek) ages.push_back(age);
    for (int64_t age = History::kWeeklySpan; ages.size() < History::kMaxSamples; age += game.history.oldSpacing)
        ages.push_back(age);
    for (auto age = ages.rbegin(); age != ages.rend(); ++age) {
        HistorySample h{static_cast<int32_t>(kLastDay - *age), s.cash, std::nextafter(-1e6f, 0.0f),
                        std::nextafter(-1e6f, 0.0f),           {},     static_cast<int32_t>(kMaxCases)};
        h.counts.fill(kMaxPointsOfKind);
        game.history.samples.push_back(h);
    }
    return game;
}

void Largest(const std::string& path) {
    // The longest letters come from play, in both languages.
    for (uint32_t seed = 1; seed <= 4; ++seed) Play(kStrategies[2].second, seed, 5 * 360);
    const SavedGame game = LargestGame();
    std::string text;
    std::printf("the largest game: %zu points, %zu cases, %zu history samples\n",
                static_cast<size_t>(kKindCount) * kMaxPointsOfKind, kMaxCases, History::kMaxSamples);
    std::printf("  text made in %.2f s\n", Seconds([&] { text = SavedGameText(game); }));
    std::ofstream(path, std::ios::binary) << text;
    std::printf("  %s: %zu bytes (%.1f MB)\n", path.c_str(), text.size(), static_cast<double>(text.size()) / (1 << 20));

    // The slowest day at the caps: every kind full, the levels at their
    // limits either way, the inbox full or empty.
    double slowest = 0;
    for (const double opinion : {kLevelLimit, -kLevelLimit})
        for (const double quality : {kLevelLimit, -kLevelLimit})
            for (const bool fullInbox : {true, false}) {
                CompanySnapshot s = game.company;
                s.day = kLastDay - 1;
                s.opinion = opinion;
                s.quality = quality;
                if (!fullInbox) s.cases.clear();
                RecordingView view;
                Company company(view, std::make_unique<Lcg32>(7));
                company.SetMapPictureSize(kWideMap, kWideMap);
                company.SetBannerStripHeight(350);
                company.Restore(s);
                const double took = Seconds([&] { company.NextDay(); });
                std::printf("  a day at opinion %+g, quality %+g, inbox %s: %.3f s\n", opinion, quality,
                            fullInbox ? "full" : "empty", took);
                slowest = std::max(slowest, took);
            }
    std::printf("  the slowest day at the caps: %.3f s; peak memory %.0f MB\n", slowest, PeakMegabytes());
}

void Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    SavedGame game;
    const double parse = Seconds([&] { game = ParseSavedGame(text.str(), path); });
    RecordingView view;
    Company company(view, std::make_unique<Lcg32>(7));
    company.SetMapPictureSize(kWideMap, kWideMap);
    company.SetBannerStripHeight(350);
    const double restore = Seconds([&] { company.Restore(game.company); });
    std::printf("%s: read in %.2f s, restored in %.2f s; peak memory %.0f MB\n", path.c_str(), parse, restore,
                PeakMegabytes());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "largest") return Largest(argv[2]), 0;
    if (argc == 3 && std::string(argv[1]) == "load") return Load(argv[2]), 0;
    const int years = argc > 1 ? std::atoi(argv[1]) : 50;
    const int seeds = argc > 2 ? std::atoi(argv[2]) : 10;
    std::vector<std::string> wanted(argv + std::min(argc, 3), argv + argc);
    std::printf("%d seeds x %d game years (%d days) per strategy\n", seeds, years, years * 360);
    Extremes all;
    for (const auto& [name, strategy] : kStrategies) {
        if (!wanted.empty() && std::find(wanted.begin(), wanted.end(), name) == wanted.end()) continue;
        Extremes e;
        for (int s = 1; s <= seeds; ++s) e.See(Play(strategy, static_cast<uint32_t>(s * 7919), years * 360));
        Print(name, e);
        std::fflush(stdout);
        all.See(e);
    }
    Print("all strategies", all);
    return 0;
}
