// Reads a saved game's text. It is parsed into a document (BoundedJson.h),
// refusing deep nesting and more values than the largest game and noting a
// field given twice; from_json per struct then reads the document
// (JsonFields.h), naming the field of each fault.
#include <algorithm>
#include <cmath>
#include <limits>

#include "Amounts.h"
#include "BoundedJson.h"
#include "JsonFields.h"
#include "Limits.h"
#include "SavedGame.h"

namespace dzwonex {

using namespace fields;

namespace {

// A point is at least "[0,0]" and a case at least
// {"kind":0,"param":0,"param2":0,"title":"","body":"","subject":null}:
// no file holds more than its size allows.
constexpr size_t kMinPointBytes = 5;
constexpr size_t kMinCaseBytes = 67;
// The largest game holds 3 million points of three values each and 10 000
// cases of about ten; a file of more is no game's, however small.
constexpr size_t kMaxValues = 10'000'000;

// A list after its declared count: not negative, no more than the file
// can hold or the rules allow, and as many as there are.
template <typename T>
std::vector<T> Counted(Object& o, const char* key, size_t fileSize, size_t minBytes, int64_t most, const char* what) {
    int64_t count = 0;
    const Json* list = nullptr;
    o("count", count)(key, list).End();
    const std::string n = std::to_string(count);
    if (count < 0) throw Fault{"count", "is negative (" + n + ")"};
    if (static_cast<uint64_t>(count) > fileSize / minBytes)
        throw Fault{"count", "declares " + n + " " + what + ", more than a file of " + std::to_string(fileSize) +
                                 " bytes can hold"};
    if (count > most) throw Fault{"count", n + " is out of range (at most " + std::to_string(most) + " " + what + ")"};
    std::vector<T> read = Within(key, [&] { return List<T>(*list); });
    if (static_cast<size_t>(count) != read.size())
        throw Fault{"count", "says " + n + " but there are " + std::to_string(read.size()) + " " + what};
    return read;
}

// The point a case names, as written: kind and index, or departed.
struct SubjectRef {
    std::optional<int64_t> kind, index, departed;
};

struct CaseRead {
    CaseSnapshot c;
    std::optional<SubjectRef> subject;
};

void from_json(const Json& j, SubjectRef& s) {
    Object o(j, "is not null or an object");
    for (auto [key, field] : {std::pair{"kind", &s.kind}, {"index", &s.index}, {"departed", &s.departed}})
        if (o.Has(key)) o(key, field->emplace());
    o.End();
}

void from_json(const Json& j, CaseRead& r) {
    Object o(j);
    CaseSnapshot& c = r.c;
    const Json* subject = nullptr;
    o("kind", c.kind, "has no kind")("param", c.param, "has no param")("param2", c.param2, "has no param2");
    o("title", c.title, "has no title")("body", c.body, "has no body")("subject", subject, "has no subject").End();
    if (!subject->is_null()) o("subject", r.subject.emplace());
}

}  // namespace

void from_json(const Json& j, PointSnapshot& p) {
    if (!j.is_array() || j.size() != 2) Wrong("is not a pair [x, y]");
    int64_t xy[2];
    for (size_t i = 0; i < 2; ++i) Within(i, [&] { Take(j[i], xy[i]); });
    if (!std::in_range<int32_t>(xy[0]) || !std::in_range<int32_t>(xy[1])) Wrong("lies far outside any map");
    p = {static_cast<int32_t>(xy[0]), static_cast<int32_t>(xy[1])};
}

void from_json(const Json& j, DayAccount& a) {
    Object o(j);
    o("income", a.income)("staff", a.staff)("repairs", a.repairs)("equipment", a.equipment).End();
}

// A field more in a sample is a line here and one in the writer.
void from_json(const Json& j, HistorySample& s) {
    Object o(j);
    double opinion = 0, quality = 0;
    const Json* counts = nullptr;
    o("day", s.day)("cash", s.cash)("opinion", opinion)("quality", quality)("counts", counts);
    // Cases waiting that day, for the rating; the first files of format 2
    // had none.
    if (o.Has("inbox")) o("inbox", s.inbox);
    o.End();
    if (s.inbox < 0 || static_cast<size_t>(s.inbox) > kMaxCases)
        throw Fault{"inbox", std::to_string(s.inbox) + " is out of range"};
    for (auto [key, level] : {std::pair{"opinion", opinion}, {"quality", quality}})
        if (std::abs(level) > kLevelLimit) throw Fault{key, RealText(level) + " is out of range"};
    s.opinion = static_cast<float>(opinion);
    s.quality = static_cast<float>(quality);
    Within("counts", [&] {
        if (!counts->is_array() || counts->size() != kKindCount) Wrong("is not a list of 6 counts");
        const std::vector<int32_t> read = List<int32_t>(*counts);
        for (size_t k = 0; k < read.size(); ++k)
            if (read[k] < 0 || read[k] > kMaxPointsOfKind)
                throw Fault{At(k), std::to_string(read[k]) + " is out of range"};
        std::copy(read.begin(), read.end(), s.counts.begin());
    });
}

namespace {

SubjectSnapshot Resolve(const SubjectRef& ref, const CompanySnapshot& s, const std::vector<PointSnapshot>& departed) {
    if (ref.departed && !ref.kind && !ref.index) {
        if (*ref.departed < 0 || static_cast<uint64_t>(*ref.departed) >= departed.size())
            Wrong("names departed point " + std::to_string(*ref.departed) + ", which does not exist");
        const PointSnapshot& p = departed[static_cast<size_t>(*ref.departed)];
        return {p.x, p.y, false, 0, static_cast<int32_t>(*ref.departed)};
    }
    if (!ref.kind || !ref.index || ref.departed) throw Fault{"subject", "needs either kind and index or departed"};
    if (*ref.kind < 1 || *ref.kind > kKindCount) Wrong("names a point of unknown kind " + std::to_string(*ref.kind));
    const auto& list = s.subscribers[static_cast<size_t>(*ref.kind - 1)];
    if (*ref.index < 0 || static_cast<uint64_t>(*ref.index) >= list.size())
        Wrong("names point " + std::to_string(*ref.index) + " of kind " + std::to_string(*ref.kind) +
              ", which does not exist");
    const PointSnapshot& p = list[static_cast<size_t>(*ref.index)];
    return {p.x, p.y, true, static_cast<int32_t>(*ref.kind), static_cast<int32_t>(*ref.index)};
}

// The part of History a sample of that age is kept in (as Restore parts
// them), and the least days between two samples there: the last year day
// by day, the nine years before it a week apart, anything older the old
// spacing apart.
struct Part {
    int index;
    int32_t leastGap;
};
Part PartOf(int64_t age, int32_t oldSpacing) {
    if (age < History::kDailySpan) return {0, 1};
    if (age < History::kWeeklySpan) return {1, History::kWeek};
    return {2, oldSpacing};
}

// Samples in the order of their days, none after the game's, with a
// spacing History can have given them, and as far apart as History keeps
// them (by their age on the latest sample's day, as Restore parts them).
// So a played day adds one sample to no more than History holds, and the
// old spacing doubles only while the old part fits the calendar: what it
// writes then reads again.
SavedHistory ReadHistory(const Json& j, int32_t gameDay) {
    SavedHistory h;
    const Json* samples = nullptr;
    Object o(j);
    o("oldSpacing", h.oldSpacing)("samples", samples).End();
    int32_t spacing = History::kMonth;
    for (int doubled = 0; doubled < 24 && spacing < h.oldSpacing; ++doubled) spacing *= 2;
    if (spacing != h.oldSpacing) throw Fault{"oldSpacing", "is not 30 days times a power of 2"};
    if (samples->size() > History::kMaxSamples)
        throw Fault{"samples", "holds more than " + std::to_string(History::kMaxSamples) + " samples"};
    h.samples = Within("samples", [&] { return List<HistorySample>(*samples); });
    for (size_t i = 0; i < h.samples.size(); ++i) {
        const int32_t day = h.samples[i].day, before = i ? h.samples[i - 1].day : -1;
        const std::string wrong = day <= before
                                      ? " does not come after the sample before (day " + std::to_string(before)
                                      : " is after the game's day (" + std::to_string(gameDay);
        if (day <= before || day > gameDay)
            throw Fault{"day", std::to_string(day) + wrong + ")"}.In(At(i)).In("samples");
    }
    for (size_t i = 1; i < h.samples.size(); ++i) {
        const int32_t day = h.samples[i].day, before = h.samples[i - 1].day, latest = h.samples.back().day;
        const Part part = PartOf(int64_t{latest} - day, h.oldSpacing);
        if (PartOf(int64_t{latest} - before, h.oldSpacing).index == part.index && day - before < part.leastGap)
            throw Fault{"day", std::to_string(day) + " is too close to the sample before (day " +
                                   std::to_string(before) + "): samples of that age lie at least " +
                                   std::to_string(part.leastGap) + " days apart"}
                .In(At(i))
                .In("samples");
    }
    return h;
}

// A term still running on the game's day, as the window keeps it: its
// months as many as it has served.
Term ReadTerm(const Json& j, int32_t gameDay) {
    int32_t years = 0, startDay = 0, daysBelow = 0;
    const Json* months = nullptr;
    Object o(j);
    o("years", years)("startDay", startDay)("daysBelow", daysBelow)("monthlyRatings", months).End();
    Term term = Term::Start(years, startDay);
    if (!term.Chosen()) throw Fault{"years", std::to_string(years) + " is not a term's length (1, 2, 5 or 10 years)"};
    if (startDay < 0) throw Fault{"startDay", std::to_string(startDay) + " is negative"};
    // A day no game reaches is the fault the company names.
    if (gameDay < 0 || gameDay > kLastDay) return term;
    if (startDay > gameDay)
        throw Fault{"startDay",
                    std::to_string(startDay) + " is after the game's day (" + std::to_string(gameDay) + ")"};
    const int32_t served = gameDay - startDay;
    if (served >= term.LengthDays())
        throw Fault{"startDay", std::to_string(startDay) + ": a " + std::to_string(years) +
                                    "-year term from it has ended by the game's day (" + std::to_string(gameDay) + ")"};
    // On the last day no day comes but the clock still ticks, and each tick
    // counts a day below the line.
    const int32_t mostBelow =
        gameDay == kLastDay ? Term::kDismissalDays - 1 : std::min(served, Term::kDismissalDays - 1);
    if (daysBelow < 0 || daysBelow > mostBelow)
        throw Fault{"daysBelow", std::to_string(daysBelow) + " is out of range (0.." + std::to_string(mostBelow) +
                                     " for a term still running)"};
    term.daysBelow = daysBelow;
    const auto expected = static_cast<size_t>(served / Term::kMonthDays);
    Within("monthlyRatings", [&] {
        if (!months->is_array()) Wrong("is not a list");
        if (months->size() != expected)
            Wrong("holds " + std::to_string(months->size()) + " months, but the term has served " +
                  std::to_string(expected));
        term.monthlyRatings = List<int32_t>(*months);
        for (size_t i = 0; i < expected; ++i)
            if (term.monthlyRatings[i] < 0 || term.monthlyRatings[i] > Rating::kTotalMaximum)
                throw Fault{At(i), std::to_string(term.monthlyRatings[i]) + " is out of range (0..1000)"};
    });
    return term;
}

// The runs towards the milestones: none longer than the game.
MilestoneProgress ReadMilestones(const Json& j, int32_t gameDay) {
    MilestoneProgress p;
    Object o(j);
    o("startBooths", p.startBooths)("daysWithoutDebt", p.daysWithoutDebt)("daysInDebt", p.daysInDebt);
    o("daysInProfit", p.daysInProfit)("daysGoodOpinion", p.daysGoodOpinion).End();
    if (p.startBooths < -1 || p.startBooths > kMaxPointsOfKind)
        throw Fault{"startBooths",
                    std::to_string(p.startBooths) + " is out of range (-1.." + std::to_string(kMaxPointsOfKind) + ")"};
    if (gameDay < 0 || gameDay > kLastDay) return p;  // the company names that fault
    // On the last day no day comes but the clock still ticks, and each tick
    // lengthens the runs: there they may pass the game's day.
    const int32_t most = gameDay == kLastDay ? std::numeric_limits<int32_t>::max() : gameDay;
    for (auto [key, days] : {std::pair{"daysWithoutDebt", p.daysWithoutDebt},
                             {"daysInDebt", p.daysInDebt},
                             {"daysInProfit", p.daysInProfit},
                             {"daysGoodOpinion", p.daysGoodOpinion}})
        if (days < 0 || days > most)
            throw Fault{key, std::to_string(days) + " is out of range (0.." + std::to_string(most) +
                                 (most == gameDay ? ", the game's day)" : ")")};
    return p;
}

SavedGame Read(const Json& doc, size_t fileSize) {
    SavedGame game;
    CompanySnapshot& s = game.company;
    Object root(doc);
    std::string format, gameVersion;
    int64_t version = 0;
    const Json *kinds = nullptr, *departed = nullptr, *cases = nullptr, *history = nullptr;
    root("format", format);
    if (root.Has("gameVersion")) root("gameVersion", gameVersion);
    if (root.Has("formatVersion")) root("formatVersion", version);
    if (version < 1) Wrong("formatVersion is missing or below 1");
    root("day", s.day)("cash", s.cash)("opinion", s.opinion)("quality", s.quality)("banner", s.bannerIndex);
    root("speed", s.speed)("generator", s.generator)("userName", s.userName)("lastDay", s.lastDay);
    root("subscribers", kinds)("departed", departed)("cases", cases);

    const auto lists = Within("subscribers", [&] { return List<const Json*>(*kinds); });
    if (lists.size() != kKindCount)
        Wrong("subscribers holds " + std::to_string(lists.size()) + " lists instead of " + std::to_string(kKindCount));
    for (size_t k = 0; k < lists.size(); ++k) {
        s.subscribers[k] = Within("subscribers" + At(k), [&] {
            Object o(*lists[k]);
            int64_t kind = 0;
            if (o.Has("kind")) o("kind", kind);
            if (kind != static_cast<int64_t>(k + 1)) throw Fault{"kind", "is not " + std::to_string(k + 1)};
            return Counted<PointSnapshot>(o, "points", fileSize, kMinPointBytes, kMaxPointsOfKind, "points");
        });
    }
    const auto gone = Within("departed", [&] {
        Object o(*departed);
        return Counted<PointSnapshot>(o, "points", fileSize, kMinPointBytes, kMaxCases, "points");
    });
    auto read = Within("cases", [&] {
        Object o(*cases);
        return Counted<CaseRead>(o, "list", fileSize, kMinCaseBytes, kMaxCases, "cases");
    });
    for (size_t i = 0; i < read.size(); ++i) {
        CaseSnapshot& c = s.cases.emplace_back(std::move(read[i].c));
        if (read[i].subject)
            c.subject = Within("cases.list" + At(i), [&] { return Resolve(*read[i].subject, s, gone); });
    }
    // A departed point is kept only for the cases that name it: one no case
    // names would go unchecked (the company checks the points of its cases)
    // and be dropped by the next save.
    std::vector<bool> named(gone.size());
    for (const CaseSnapshot& c : s.cases)
        if (c.subject && !c.subject->listed) named[static_cast<size_t>(c.subject->index)] = true;
    if (const auto unnamed = std::find(named.begin(), named.end(), false); unnamed != named.end())
        throw Fault{"departed.points" + At(static_cast<size_t>(unnamed - named.begin())), "is named by no case"};
    // Format 1 had no history; a game from it starts one.
    if (version >= 2) {
        root("history", history);
        game.history = Within("history", [&] { return ReadHistory(*history, s.day); });
        // Added to format 2 later, each optional: a file without them has
        // no term, no seed and its milestone runs start again.
        const Json *term = nullptr, *milestones = nullptr;
        if (root.Has("seed")) root("seed", game.seed.emplace());
        if (root.Has("term")) {
            root("term", term);
            game.term = Within("term", [&] { return ReadTerm(*term, s.day); });
        }
        if (root.Has("milestones")) {
            root("milestones", milestones);
            game.milestones = Within("milestones", [&] { return ReadMilestones(*milestones, s.day); });
        }
    }
    root.End();
    return game;
}

[[noreturn]] void NotOurs(const std::string& name, const std::string& why, const std::string& polishWhy = {}) {
    throw NotASavedGame(name, why, polishWhy);
}

// The format version at the top of a document, however much of it was read.
std::optional<int64_t> VersionIn(const Json& doc) {
    if (!doc.is_object()) return std::nullopt;
    const auto field = doc.find("formatVersion");
    if (field == doc.end() || !field->is_number_integer()) return std::nullopt;
    if (field->is_number_unsigned()) return static_cast<int64_t>(std::min<uint64_t>(field->get<uint64_t>(), INT64_MAX));
    return field->get<int64_t>();
}

}  // namespace

SavedGame ParseSavedGame(std::string_view text, const std::string& name) {
    if (text.empty()) NotOurs(name, "the file is empty", "plik jest pusty");
    const BoundedJson parsed = ParseBoundedJson(text, kSavedGameMaxDepth, kMaxValues);
    const Json& doc = parsed.doc;
    std::string broken, polishBroken;
    switch (parsed.stop) {
        case BoundedJson::Stop::None:
            break;
        case BoundedJson::Stop::TooDeep:
            broken = "nested deeper than " + std::to_string(kSavedGameMaxDepth) + " levels";
            break;
        case BoundedJson::Stop::TooLarge:
            broken = "it holds more than " + std::to_string(kMaxValues) + " values, more than any game";
            break;
        case BoundedJson::Stop::NotJson:
            broken = "not JSON: " + parsed.notJson;
            polishBroken = "to nie JSON: " + parsed.notJson;
            break;
    }
    // The version and the game's, for the message of a newer file however it goes on.
    if (const std::optional<int64_t> version = VersionIn(doc); version > kSavedGameFormat) {
        const auto gameVersion = doc.find("gameVersion");
        const std::string saver =
            (gameVersion != doc.end() && gameVersion->is_string() ? "Dzwonex " + gameVersion->get<std::string>() + ", "
                                                                  : "") +
            "format " + std::to_string(*version);
        const std::string read = std::to_string(kSavedGameFormat);
        throw SavedGameError(name + " was saved by a newer version of Dzwonex (" + saver +
                                 "; this version reads format " + read + " and older)",
                             "Plik " + name + " zapisała nowsza wersja Dzwonex (" + saver +
                                 "; ta wersja czyta format " + read + " i starsze)");
    }
    if (!broken.empty()) NotOurs(name, broken, polishBroken);
    if (!doc.is_object())
        NotOurs(name,
                std::string("the file holds ") + (doc.is_array() ? "a list" : "a single value") + ", not an object");
    if (doc.value("format", Json()) != kSavedGameFormatName)
        NotOurs(name, std::string("no \"format\": \"") + kSavedGameFormatName + "\"");
    if (parsed.twice) NotOurs(name, *parsed.twice + " appears twice");
    try {
        return Read(doc, text.size());
    } catch (const Fault& f) {
        NotOurs(name, f.Message());
    }
}

SavedGameError NotASavedGame(const std::string& name, const std::string& why, const std::string& polishWhy) {
    return SavedGameError(
        name + " is not a Dzwonex saved game (" + why + ")",
        "Plik " + name + " nie jest zapisaną grą Dzwonex (" + (polishWhy.empty() ? why : polishWhy) + ")");
}

}  // namespace dzwonex
