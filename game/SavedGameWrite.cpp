// A saved game's text, built and written by the JSON library on one line,
// the smallest and quickest form (`jq . FILE` lays it out).
#include <cmath>
#include <unordered_map>

#include <nlohmann/json.hpp>

#include "BuildInfo.h"
#include "SavedGame.h"

namespace dzwonex {

namespace {

using Json = nlohmann::ordered_json;

// A text as a JSON string; one that is not UTF-8 (a user name can be
// anything) as the array of its bytes, so that every byte comes back.
Json Text(const std::string& text) {
    try {
        static_cast<void>(Json(text).dump());
        return text;
    } catch (const Json::type_error&) {
        Json bytes = Json::array();
        for (unsigned char c : text) bytes.push_back(c);
        return bytes;
    }
}

// The library writes the shortest digits that read back as the same double.
Json Real(const char* what, const char* polishWhat, double value) {
    if (!std::isfinite(value))
        throw SavedGameError(std::string("The game cannot be saved: its ") + what + " is not a finite number.",
                             std::string("Nie można zapisać gry: jej ") + polishWhat + " nie jest skończoną liczbą.");
    return value;
}

Json Points(const std::vector<PointSnapshot>& points) {
    Json list = Json::array();
    for (const PointSnapshot& p : points) list.push_back(Json::array({p.x, p.y}));
    return Json{{"count", points.size()}, {"points", std::move(list)}};
}

// A sample as an object of named fields: a field more is a line here and
// one in the reader.
Json Sample(const HistorySample& s) {
    return {{"day", s.day},
            {"cash", s.cash},
            {"opinion", Real("opinion in the history", "opinia w historii", s.opinion)},
            {"quality", Real("quality in the history", "jakość w historii", s.quality)},
            {"counts", s.counts},
            {"inbox", s.inbox}};
}

}  // namespace

std::string SavedGameText(const SavedGame& saved) {
    const CompanySnapshot& s = saved.company;
    // Departed points are listed once, numbered in the order cases first name them.
    std::unordered_map<int32_t, int32_t> departedNumber;
    std::vector<PointSnapshot> departed;
    for (const CaseSnapshot& c : s.cases) {
        if (c.subject && !c.subject->listed &&
            departedNumber.emplace(c.subject->index, static_cast<int32_t>(departed.size())).second)
            departed.push_back({c.subject->x, c.subject->y});
    }

    Json game;
    game["format"] = kSavedGameFormatName;
    game["formatVersion"] = kSavedGameFormat;
    game["gameVersion"] = DZWONEX_VERSION;
    game["day"] = s.day;
    game["cash"] = s.cash;
    game["opinion"] = Real("opinion", "opinia", s.opinion);
    game["quality"] = Real("quality", "jakość", s.quality);
    game["banner"] = s.bannerIndex;
    game["speed"] = s.speed;
    game["generator"] = s.generator;
    game["userName"] = Text(s.userName);
    game["lastDay"] = {{"income", s.lastDay.income},
                       {"staff", s.lastDay.staff},
                       {"repairs", s.lastDay.repairs},
                       {"equipment", s.lastDay.equipment}};
    Json& lists = game["subscribers"] = Json::array();
    for (int k = 1; k <= kKindCount; ++k) {
        Json list{{"kind", k}};
        list.update(Points(s.subscribers[static_cast<size_t>(k - 1)]));
        lists.push_back(std::move(list));
    }
    game["departed"] = Points(departed);
    Json cases = Json::array();
    for (const CaseSnapshot& c : s.cases) {
        Json subject = nullptr;
        if (c.subject && c.subject->listed)
            subject = {{"kind", c.subject->kind}, {"index", c.subject->index}};
        else if (c.subject)
            subject = {{"departed", departedNumber.at(c.subject->index)}};
        cases.push_back({{"kind", c.kind},
                         {"param", c.param},
                         {"param2", c.param2},
                         {"title", Text(c.title)},
                         {"body", Text(c.body)},
                         {"subject", std::move(subject)}});
    }
    game["cases"] = {{"count", s.cases.size()}, {"list", std::move(cases)}};
    Json samples = Json::array();
    for (const HistorySample& sample : saved.history.samples) samples.push_back(Sample(sample));
    game["history"] = {{"oldSpacing", saved.history.oldSpacing}, {"samples", std::move(samples)}};
    if (saved.seed) game["seed"] = *saved.seed;
    // Only a running term goes on after a load; an ended one has had its report.
    if (const Term& t = saved.term; t.Running())
        game["term"] = {{"years", t.years},
                        {"startDay", t.startDay},
                        {"daysBelow", t.daysBelow},
                        {"monthlyRatings", t.monthlyRatings}};
    if (const auto& m = saved.milestones)
        game["milestones"] = {{"startBooths", m->startBooths},
                              {"daysWithoutDebt", m->daysWithoutDebt},
                              {"daysInDebt", m->daysInDebt},
                              {"daysInProfit", m->daysInProfit},
                              {"daysGoodOpinion", m->daysGoodOpinion}};

    return game.dump() + "\n";
}

}  // namespace dzwonex
