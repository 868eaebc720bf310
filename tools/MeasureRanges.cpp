// Plays many games in process, with the game's own rules, and prints the
// range each saved value reached: the figures behind the limits of the
// saved-game format (docs/saved-game-format.md) and the caps of the rules.
//
//   dzwonex-ranges [YEARS] [SEEDS] [STRATEGY...]
//
// A game stops early when it reaches the rules' caps (the point cap of a
// kind, the inbox cap), as the figures past that are the caps themselves.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "Company.h"
#include "Limits.h"
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
    Range fileBytes, dayMicros;
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
                                {&dayMicros, &e.dayMicros}})
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

void SeeCase(Extremes& e, const Case& c) {
    e.param.See(c.param);
    e.param2.See(c.param2);
    e.titleBytes.See(static_cast<double>(c.title.size()));
    e.bodyBytes.See(static_cast<double>(c.body.size()));
}

Extremes Play(const Strategy& strategy, uint32_t seed, int32_t days) {
    NullView view;
    Company game(view, std::make_unique<Lcg32>(seed));
    Lcg32 player(seed * 2654435761u + 1);
    game.Reset("/nonexistent/", "Gracz");
    game.SetMapPictureSize(1440, 1040);
    game.SetBannerStripHeight(350);
    game.NewGame();
    Extremes e;
    for (int32_t d = 0; d < days; ++d) {
        const auto start = std::chrono::steady_clock::now();
        game.NextDay();
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
    e.fileBytes.See(static_cast<double>(SavedGameText({s, {}}).size()));
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
    row("file bytes", e.fileBytes);
    row("day µs", e.dayMicros);
}

}  // namespace

int main(int argc, char** argv) {
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
