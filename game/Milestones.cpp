// The milestones: recognised from the company after each day and answer,
// each announced once, and kept across games.
#include "Milestones.h"

#include <algorithm>
#include <limits>

#include <nlohmann/json.hpp>

#include "Company.h"
#include "Texts.h"

namespace dzwonex {

namespace {

using Json = nlohmann::json;

constexpr const char* kKeys[kMilestoneCount] = {
    "isdn-100",          "sdi-100",      "neostrada-100", "polpak-10",       "phones-2000",
    "ten-new-booths",    "full-range",   "first-million", "hundred-million", "month-in-profit",
    "year-without-debt", "out-of-debt",  "good-opinion",  "town-favourite",  "modern-equipment",
    "clean-inbox",       "good-company", "model-company", "five-years",
};

constexpr int32_t kMonthDays = 30;
constexpr int32_t kYearDays = 360;

// One more day in a run, or the run broken.
int32_t Run(int32_t days, bool holds) {
    return holds ? std::min(days, std::numeric_limits<int32_t>::max() - 1) + 1 : 0;
}

bool MonthsLastDay(int32_t day) { return day % kMonthDays == kMonthDays - 1; }

}  // namespace

int32_t MilestoneBook::Count() const {
    return static_cast<int32_t>(
        std::count_if(reached.begin(), reached.end(), [](const auto& r) { return r.has_value(); }));
}

void MilestoneTracker::Reach(MilestoneId id, bool reached, int32_t day, const std::string& date,
                             std::vector<MilestoneId>& out) {
    auto& entry = book_.reached[static_cast<size_t>(id)];
    if (!reached || entry) return;
    entry = MilestoneReached{day, date.substr(0, kMaxMilestoneDate)};
    out.push_back(id);
}

std::vector<MilestoneId> MilestoneTracker::AfterDay(const Company& game, const Rating& rating,
                                                    const std::string& date) {
    const int32_t day = game.Day();
    const int32_t cash = game.Cash().Value();
    const double opinion = game.Opinion();
    const DayAccount& account = game.LastDay();
    const int64_t costs = int64_t{account.staff} + account.repairs + account.equipment;

    if (progress_.startBooths < 0) progress_.startBooths = game.Count(skBooth);
    const bool longInDebt = progress_.daysInDebt >= kMonthDays;
    progress_.daysInDebt = Run(progress_.daysInDebt, cash < 0);
    progress_.daysWithoutDebt = Run(progress_.daysWithoutDebt, cash >= 0);
    progress_.daysInProfit = Run(progress_.daysInProfit, account.income > costs);
    progress_.daysGoodOpinion = Run(progress_.daysGoodOpinion, opinion >= kGoodOpinion);

    std::vector<MilestoneId> reached;
    auto reach = [&](MilestoneId id, bool holds) { Reach(id, holds, day, date, reached); };
    reach(msIsdn100, game.Count(skIsdn) >= 100);
    reach(msSdi100, game.Count(skSdi) >= 100);
    reach(msNeostrada100, game.Count(skNeostrada) >= 100);
    reach(msPolpak10, game.Count(skPolpak) >= 10);
    reach(msPhones2000, game.Count(skPhone) >= 2000);
    reach(msTenNewBooths, game.Count(skBooth) >= progress_.startBooths + 10);
    bool fullRange = true;
    for (int32_t kind = skPhone; kind <= skPolpak; ++kind) fullRange = fullRange && game.Count(kind) >= 50;
    reach(msFullRange, fullRange);
    reach(msFirstMillion, cash >= 1000000);
    reach(msHundredMillion, cash >= 100000000);
    reach(msMonthInProfit, progress_.daysInProfit >= kMonthDays);
    reach(msYearWithoutDebt, progress_.daysWithoutDebt >= kYearDays);
    reach(msOutOfDebt, longInDebt && cash >= 0);
    reach(msSixMonthsGoodOpinion, progress_.daysGoodOpinion >= 6 * kMonthDays);
    reach(msTownFavourite, opinion >= 50);
    reach(msModernEquipment, game.Quality() >= 20);
    reach(msCleanInbox, MonthsLastDay(day) && game.Cases().empty());
    reach(msGoodCompany, rating.total >= 700);
    reach(msModelCompany, rating.total >= 900);
    reach(msFiveYears, day >= 5 * kYearDays);
    return reached;
}

std::vector<MilestoneId> MilestoneTracker::AfterAnswer(const Company& game, const std::string& date) {
    std::vector<MilestoneId> reached;
    Reach(msCleanInbox, MonthsLastDay(game.Day()) && game.Cases().empty(), game.Day(), date, reached);
    return reached;
}

const char* MilestoneName(MilestoneId id, Language language) {
    return Texts(language).milestones[static_cast<size_t>(id)].name;
}

const char* MilestoneHow(MilestoneId id, Language language) {
    return Texts(language).milestones[static_cast<size_t>(id)].how;
}

const char* MilestoneKey(MilestoneId id) { return kKeys[id]; }

std::string MilestonesToJson(const MilestoneBook& book) {
    Json reached = Json::object();
    for (int i = 0; i < kMilestoneCount; ++i) {
        const auto& entry = book.reached[static_cast<size_t>(i)];
        if (entry) reached[kKeys[i]] = {{"day", entry->day}, {"date", entry->date}};
    }
    return Json{{"version", 1}, {"reached", std::move(reached)}}.dump(2, ' ', false, Json::error_handler_t::replace) +
           "\n";
}

MilestoneBook MilestonesFromJson(const std::string& text) {
    if (text.size() > kMaxMilestonesText)
        throw MilestonesError("larger than " + std::to_string(kMaxMilestonesText / 1024) +
                              " KiB, too large for the milestones");
    Json doc;
    try {
        doc = Json::parse(text);
    } catch (const Json::exception& e) {
        throw MilestonesError(std::string("not JSON: ") + e.what());
    }
    if (!doc.is_object() || !doc.contains("reached") || !doc["reached"].is_object())
        throw MilestonesError("no \"reached\" object");
    MilestoneBook book;
    for (int i = 0; i < kMilestoneCount; ++i) {
        if (!doc["reached"].contains(kKeys[i])) continue;
        const Json& entry = doc["reached"][kKeys[i]];
        const std::string at = std::string("\"") + kKeys[i] + "\"";
        if (!entry.is_object()) throw MilestonesError(at + " is not an object");
        if (!entry.contains("day") || !entry["day"].is_number_integer() || entry["day"].get<int64_t>() < 0 ||
            entry["day"].get<int64_t>() > std::numeric_limits<int32_t>::max())
            throw MilestonesError(at + ": \"day\" is not a whole number from 0 to 2147483647");
        if (!entry.contains("date") || !entry["date"].is_string())
            throw MilestonesError(at + ": \"date\" is not a text");
        std::string date = entry["date"].get<std::string>();
        if (date.size() > kMaxMilestoneDate)
            throw MilestonesError(at + ": \"date\" is longer than " + std::to_string(kMaxMilestoneDate) + " bytes");
        book.reached[static_cast<size_t>(i)] = MilestoneReached{entry["day"].get<int32_t>(), std::move(date)};
    }
    return book;
}

}  // namespace dzwonex
