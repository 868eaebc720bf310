// Saved games in the core: what a file brings back, what it refuses, and
// what a failed save leaves behind.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

#include <nlohmann/json.hpp>

#include "Fixtures.h"
#include "GameFixture.h"
#include "GameSession.h"
#include "Limits.h"
#include "SavedGameFile.h"

namespace dzwonex::testing {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

namespace {

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Spill(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::vector<std::string> FolderContents(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A history in the shape History keeps, its latest sample on `latest`: the
// last year day by day, the nine years before it a week apart, and `old`
// samples before those `spacing` apart, the newest of them `spacing` days
// before the oldest weekly one (which the next day moves to the old part).
// Every sample is `like` but for its day.
SavedHistory ShapedHistory(int32_t latest, int32_t spacing, size_t old, HistorySample like) {
    std::vector<int64_t> ages;
    for (int64_t age = 0; age < History::kDailySpan; ++age) ages.push_back(age);
    const int64_t oldestWeekly = History::kWeeklySpan - 1;
    for (int64_t age = oldestWeekly; age >= History::kDailySpan; age -= History::kWeek) ages.push_back(age);
    for (size_t i = 1; i <= old; ++i) ages.push_back(oldestWeekly + int64_t{spacing} * static_cast<int64_t>(i));
    std::sort(ages.begin(), ages.end(), std::greater<>());
    SavedHistory history{{}, spacing};
    for (const int64_t age : ages) {
        like.day = static_cast<int32_t>(latest - age);
        history.samples.push_back(like);
    }
    return history;
}

}  // namespace

// A game some days in, with its history and three disconnect cases: two
// name one point that has left its list, the front one a point still listed.
class SavedGameTest : public GameTest {
protected:
    SavedGameTest() {
        game->NewGame();
        history.Record(*game);
        for (int i = 0; i < 30; ++i) {
            game->NextDay();
            history.Record(*game);
            game->AnswerNo();
        }
        const auto gone = Lonely(skPhone);
        for (int i = 0; i < 3; ++i) game->PressMap(gone->X(), gone->Y());
        game->AnswerYes();
        const auto kept = Lonely(skPhone);
        game->PressMap(kept->X(), kept->Y());
        fs::create_directory(folder);
    }

    // A point no other point stands near, so a press on it hits it.
    std::shared_ptr<const MapPoint> Lonely(int32_t kind) const {
        for (const auto& p : game->Subscribers(kind)) {
            int near = 0;
            for (int k = 1; k <= kKindCount; ++k)
                for (const auto& q : game->Subscribers(k))
                    near += std::abs(q->X() - p->X()) <= 8 && std::abs(q->Y() - p->Y()) <= 8;
            if (near == 1) return p;
        }
        ADD_FAILURE() << "no lonely point of kind " << kind;
        return game->Subscribers(kind).front();
    }

    std::string Path(const char* name) const { return (folder / name).string(); }
    SavedGame Saved() const { return {game->Snapshot(), history.Saved()}; }
    // With what the window keeps besides: a five-year term a month served,
    // the milestone runs and the seed.
    SavedGame SavedWithCareer() const {
        Term term = Term::Start(5, 1);
        term.monthlyRatings = {640};
        term.daysBelow = 3;
        return {game->Snapshot(), history.Saved(), term, MilestoneProgress{24, 0, 30, 2, 12}, 12345u};
    }

    // The state of everything the player sees.
    std::vector<std::string> Screen(const RecordingView& v) const {
        std::vector<std::string> texts;
        for (int i = 0; i < kControlCount; ++i) texts.push_back(v.Text(static_cast<Control>(i)));
        for (Button b : {Button::btnYes, Button::btnNo, Button::btnOK}) texts.push_back(v.Enabled(b) ? "on" : "off");
        texts.push_back(std::to_string(v.Speed()) + " " + std::to_string(v.TimerPeriod()));
        return texts;
    }

    History history;
    AssetFolder scratch;
    fs::path folder = scratch.Path() / "saves";
};

TEST_F(SavedGameTest, AFileBringsBackTheWholeCompanyAndWhatItShows) {
    const CompanySnapshot before = game->Snapshot();
    ASSERT_GE(before.cases.size(), 3u);
    ASSERT_TRUE(before.cases[0].subject && before.cases[0].subject->listed);
    ASSERT_TRUE(before.cases[1].subject && !before.cases[1].subject->listed);
    SaveGame(Path("gra.dzwonex"), Saved());

    RecordingView otherView;
    Company other(otherView, std::make_unique<Lcg32>(999));
    other.Reset("Someone Else");
    other.SetMapPictureSize(1400, 1000);
    other.SetBannerStripHeight(200);
    other.NewGame();
    other.SetSpeedStep(0);
    History otherHistory;
    otherHistory.Record(other);
    RestoreGame(other, otherHistory, Path("gra.dzwonex"));

    EXPECT_EQ(other.Snapshot(), before);
    EXPECT_EQ(otherHistory.Saved(), history.Saved());
    EXPECT_EQ(otherHistory.Size(), 31u);
    EXPECT_EQ(other.UserName(), "Jan Kowalski");
    EXPECT_EQ(Screen(otherView), Screen(view));
    // The two cases about the departed point still name one point, and the
    // front case names the listed point itself.
    EXPECT_EQ(other.Cases()[1].subject, other.Cases()[2].subject);
    EXPECT_TRUE(other.IsListed(other.Cases()[0].subject.get()));
    // And the games go on alike, draw for draw.
    for (int i = 0; i < 40; ++i) {
        for (Company* c : {game.get(), &other}) {
            c->AnswerYes();
            c->NextDay();
        }
    }
    EXPECT_EQ(other.Snapshot(), game->Snapshot());
}

TEST_F(SavedGameTest, RestoringSetsTheGeneratorAndDrawsNothing) {
    SaveGame(Path("gra.dzwonex"), Saved());
    const uint32_t state = lcg->State();
    game->NextDay();
    RestoreGame(*game, history, Path("gra.dzwonex"));
    EXPECT_EQ(lcg->State(), state);
}

// Saved, read and saved again: the same game and the same bytes.
TEST_F(SavedGameTest, NamesThatAreNotUtf8AndRealsComeBackByteForByte) {
    for (int day = 32; day < 300 * 360; ++day) history.Record(HistorySample{day, -day, 0.1f * day, -1e-7f, {day}});
    SavedGame saved = Saved();
    ASSERT_GT(saved.history.oldSpacing, History::kMonth);
    CompanySnapshot& s = saved.company;
    s.day = 300 * 360;
    s.userName = "Jan\xff\xfe\xc3";
    s.cases[0].body = std::string("a\0b\r\n\"\\", 7);
    s.opinion = 0.1 + 0.2;
    s.quality = -5e-324;
    s.cash = std::numeric_limits<int32_t>::min();
    s.generator = 4294967295u;
    const std::string text = SavedGameText(saved);
    const SavedGame read = ParseSavedGame(text, "x");
    EXPECT_EQ(read, saved);
    EXPECT_EQ(SavedGameText(read), text);
}

// A game at every limit the rules hold it to saves and loads: the reader's
// bounds are the rules' own, not a point short.
TEST_F(SavedGameTest, AGameAtTheLimitsSavesAndLoads) {
    build.Counts({0, 0, 0, 0, 0, kMaxPointsOfKind}).Cash(std::numeric_limits<int32_t>::min());
    build.Opinion(-kLevelLimit).Quality(kLevelLimit).SetDay(kLastDay);
    build.ClearCases();
    while (game->Cases().size() < kMaxCases) game->PressMap(5, 5);
    SavedGame saved = Saved();
    // A full history with the widest old spacing the calendar leaves room
    // for, every sample at the caps.
    HistorySample capped{0, -1, -1e6f, 1e6f, {}, static_cast<int32_t>(kMaxCases)};
    capped.counts.fill(kMaxPointsOfKind);
    saved.history = ShapedHistory(kLastDay, History::kMonth << 12, History::kMaxOld, capped);
    // The longest term on its last day, months at full marks, a day short
    // of the board's dismissal; runs as long as the game.
    saved.term = Term::Start(10, kLastDay - 3599);
    saved.term.monthlyRatings.assign(119, Rating::kTotalMaximum);
    saved.term.daysBelow = Term::kDismissalDays - 1;
    saved.milestones = MilestoneProgress{kMaxPointsOfKind, kLastDay, kLastDay, kLastDay, kLastDay};
    saved.seed = std::numeric_limits<uint32_t>::max();
    SaveGame(Path("gra.dzwonex"), saved);
    History loaded;
    const SavedGame read = RestoreGame(*game, loaded, Path("gra.dzwonex"));
    EXPECT_EQ(read, saved);
    EXPECT_EQ(game->Snapshot(), saved.company);
    EXPECT_EQ(loaded.Saved(), saved.history);
    // The last day has no next one.
    game->NextDay();
    EXPECT_EQ(game->Snapshot(), saved.company);
}

// Whatever the reader takes, the game plays on from and saves again as a
// file the reader takes: every value a day or an answer grows is read back
// at its furthest. Each row is a game at some edge of what is read; it is
// loaded, plays a day as both front ends do (the history, the rating, the
// term, the milestone runs), is saved and read, then an answer, saved and
// read again.
TEST_F(SavedGameTest, WhateverIsReadPlaysOnAndSavesWhatIsReadAgain) {
    const SavedGame base = SavedWithCareer();
    const HistorySample like = base.history.samples.back();
    // A term that has served `served` days, `below` of them in a row below
    // the board's line, as the cash is.
    auto serving = [](SavedGame& g, int32_t years, int32_t served, int32_t below) {
        if (below > 0) g.company.cash = Term::kDismissalCash - 1;
        g.term = Term::Start(years, g.company.day - served);
        g.term.daysBelow = below;
        g.term.monthlyRatings.assign(static_cast<size_t>(served / Term::kMonthDays), 500);
    };
    struct Row {
        const char* what;
        std::function<void(SavedGame&)> make;
    };
    const Row rows[] = {
        {"the widest old spacing read, a day before the last",
         [&](SavedGame& g) {
             g.company.day = kLastDay - 1;
             g.history = ShapedHistory(kLastDay - 1, History::kMonth << 24, 0, like);
             g.history.samples.insert(g.history.samples.begin(), like)->day = 0;
             serving(g, 10, 100, 0);
         }},
        {"a full old part whose spacing doubles the next day",
         [&](SavedGame& g) {
             g.company.day = kLastDay - 1;
             g.history = ShapedHistory(kLastDay - 1, History::kMonth << 12, History::kMaxOld, like);
             serving(g, 10, 100, 0);
         }},
        {"as many samples as are read",
         [&](SavedGame& g) {
             g.company.day = 300'000;
             g.history = ShapedHistory(300'000, History::kMonth, History::kMaxSamples - 360 - 463, like);
             ASSERT_EQ(g.history.samples.size(), History::kMaxSamples);
             serving(g, 10, 100, 0);
         }},
        {"a history that ends years before the game's day",
         [&](SavedGame& g) {
             g.company.day = kLastDay - 1;
             g.history = ShapedHistory(kLastDay - 20 * 360, History::kMonth << 12, History::kMaxOld, like);
             serving(g, 10, 100, 0);
         }},
        {"the last day: the runs as long as the game, days below as many as served",
         [&](SavedGame& g) {
             g.company.day = kLastDay;
             g.history = ShapedHistory(kLastDay, History::kMonth, 0, like);
             serving(g, 1, 10, 10);
             g.milestones = MilestoneProgress{0, kLastDay, kLastDay, kLastDay, kLastDay};
         }},
        {"the last day: the runs at their cap, days below a day short of dismissal",
         [&](SavedGame& g) {
             g.company.day = kLastDay;
             g.history = ShapedHistory(kLastDay, History::kMonth, 0, like);
             serving(g, 1, 10, Term::kDismissalDays - 1);
             const int32_t most = std::numeric_limits<int32_t>::max();
             g.milestones = MilestoneProgress{kMaxPointsOfKind, most, most, most, most};
         }},
        {"a term's last day",
         [&](SavedGame& g) {
             g.company.day = 400;
             serving(g, 1, 359, 0);
         }},
        {"the board's patience at its end",
         [&](SavedGame& g) {
             g.company.day = 400;
             serving(g, 5, 300, Term::kDismissalDays - 1);
         }},
        {"kept before the first day ends",
         [&](SavedGame& g) {
             g.company.day = 0;
             g.history = {{like}, History::kMonth};
             g.history.samples[0].day = 0;
             serving(g, 10, 0, 0);
             g.milestones = MilestoneProgress{};
         }},
        {"every value at its cap, the inbox full",
         [&](SavedGame& g) {
             CompanySnapshot& c = g.company;
             c.day = kLastDay - 1;
             c.cash = std::numeric_limits<int32_t>::min();
             c.opinion = -kLevelLimit;
             c.quality = kLevelLimit;
             c.subscribers[skBooth - 1].assign(kMaxPointsOfKind, {700, 500});
             while (c.cases.size() < kMaxCases) c.cases.push_back(c.cases[c.cases.size() % 3]);
             HistorySample capped = like;
             capped.counts.fill(kMaxPointsOfKind);
             capped.inbox = static_cast<int32_t>(kMaxCases);
             g.history = ShapedHistory(kLastDay - 1, History::kMonth, 0, capped);
             serving(g, 10, 100, 0);
             g.milestones = MilestoneProgress{kMaxPointsOfKind, kLastDay - 1, 0, 0, 0};
         }},
    };
    // Saved and read back as it is, or refused with the reason.
    auto savedAndRead = [](const SavedGame& game) {
        SavedGame read;
        try {
            read = ParseSavedGame(SavedGameText(game), "x");
        } catch (const SavedGameError& e) {
            ADD_FAILURE() << e.what();
            return false;
        }
        SavedGame expected = game;
        if (!expected.term.Running()) expected.term = {};
        EXPECT_EQ(read, expected);
        return true;
    };
    RecordingView sessionView;
    GameSession session(sessionView, 1, [] { return std::string("2026-12-07"); });
    session.Game().SetMapPictureSize(1400, 1000);
    session.Game().SetBannerStripHeight(200);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        SavedGame played = base;
        row.make(played);
        if (::testing::Test::HasFatalFailure() || !savedAndRead(played)) continue;
        ASSERT_NO_THROW(session.Restore(played));
        session.NextDay();
        if (!savedAndRead(session.Save())) continue;
        session.AnswerYes();
        savedAndRead(session.Save());
    }
}

// Random histories at the edges of what is read: up to as many samples as
// a file holds, each as near the one before as History keeps samples of its
// age or a little further, or one part of the history a day apart
// throughout; the widest old spacing read or any, the game's day at or
// after the latest sample. Every one the reader takes records the next day
// as one it takes.
TEST_F(SavedGameTest, AHistoryThatIsReadRecordsADayThatIsReadAgain) {
    std::mt19937 gen(1999);
    SavedGame saved = Saved();
    HistorySample sample = saved.history.samples.back();
    int read = 0;
    for (int i = 0; i < 120; ++i) {
        SCOPED_TRACE(i);
        const int32_t spacing = History::kMonth << (gen() % 2 ? 24 : gen() % 25);  // the widest read, or any
        const int32_t latest = kLastDay - 1 - static_cast<int32_t>(gen() % 6000);
        const auto dense = static_cast<int>(gen() % 4);  // the part a day apart: 1 weekly, 2 old; else none
        const size_t most = History::kMaxSamples - gen() % 3;
        SavedHistory history{{}, spacing};
        for (int64_t age = 0; history.samples.size() < most && age <= latest;) {
            sample.day = static_cast<int32_t>(latest - age);
            history.samples.insert(history.samples.begin(), sample);
            const int part = age < History::kDailySpan ? 0 : age < History::kWeeklySpan ? 1 : 2;
            const int64_t least = part == 0 ? 1 : part == 1 ? History::kWeek : spacing;
            age += part == dense ? 1 : least + (gen() % 4 ? 0 : gen() % 20);
        }
        saved.company.day = latest + static_cast<int32_t>(gen() % 2 ? 0 : gen() % 5000);
        saved.history = history;
        try {
            saved = ParseSavedGame(SavedGameText(saved), "x");
        } catch (const SavedGameError&) {
            continue;
        }
        ++read;
        History played;
        played.Restore(saved.history);
        sample.day = ++saved.company.day;
        played.Record(sample);
        saved.history = played.Saved();
        EXPECT_NO_THROW(ParseSavedGame(SavedGameText(saved), "x"));
    }
    // Most are read: the edges themselves are tried.
    EXPECT_GT(read, 60);
}

// A file of format 1 has no history; it loads with an empty one.
TEST_F(SavedGameTest, AFileOfFormatOneLoadsWithoutAHistory) {
    Json j = Json::parse(SavedGameText(Saved()));
    j["formatVersion"] = 1;
    j.erase("history");
    const SavedGame read = ParseSavedGame(j.dump(), "x");
    EXPECT_EQ(read.company, game->Snapshot());
    EXPECT_TRUE(read.history.samples.empty());
    // And a history is no field of format 1.
    j["history"] = Json::parse(SavedGameText(Saved()))["history"];
    EXPECT_THROW(ParseSavedGame(j.dump(), "x"), SavedGameError);
}

// The term, the milestone runs and the seed come back; each is optional,
// and a term that has ended is not kept (its report has been shown).
TEST_F(SavedGameTest, TheTermAndTheMilestoneRunsComeBackAndMayBeLeftOut) {
    const SavedGame career = SavedWithCareer();
    EXPECT_EQ(ParseSavedGame(SavedGameText(career), "x"), career);
    Json j = Json::parse(SavedGameText(career));
    for (const char* field : {"term", "milestones", "seed"}) j.erase(field);
    EXPECT_EQ(ParseSavedGame(j.dump(), "x"), Saved());
    SavedGame ended = career;
    ended.term.end = TermEnd::Completed;
    EXPECT_EQ(ParseSavedGame(SavedGameText(ended), "x").term, Term{});
    // Kept before the first day's end: no booths counted yet, no runs.
    SavedGame fresh = career;
    fresh.milestones = MilestoneProgress{};
    EXPECT_EQ(ParseSavedGame(SavedGameText(fresh), "x"), fresh);
}

// The lists of kept games read only the top of each file: its day and cash.
TEST_F(SavedGameTest, TheSummaryIsTheDayAndCashFromTheTopOfTheFile) {
    const std::string written = SavedGameText(Saved());
    const SavedGameSummary expected{game->Day(), static_cast<int32_t>(game->Cash().Value())};
    const std::string head = R"({"format": "Dzwonex saved game", "formatVersion": )";
    struct Row {
        const char* what;
        std::string text;
        std::optional<SavedGameSummary> summary;
    };
    const Row rows[] = {
        {"the game as written", written, expected},
        {"its second half gone: read on loading", written.substr(0, written.size() / 2), expected},
        {"fields in any order",
         R"({"cash": -5, "x": {"day": 1, "cash": 2}, "day": 7, "formatVersion": 2, "format": "Dzwonex saved game"})",
         SavedGameSummary{7, -5}},
        {"format 1", head + R"(1, "day": 0, "cash": 2147483647})", SavedGameSummary{0, 2147483647}},
        {"the last day", head + R"(2, "day": 359999999, "cash": 0})", SavedGameSummary{359999999, 0}},
        {"cut before the cash", written.substr(0, written.find("\"cash\"")), std::nullopt},
        {"not ours", R"({"format": "Other", "formatVersion": 2, "day": 1, "cash": 1})", std::nullopt},
        {"no format", R"({"formatVersion": 2, "day": 1, "cash": 1})", std::nullopt},
        {"no version", R"({"format": "Dzwonex saved game", "day": 1, "cash": 1})", std::nullopt},
        {"a newer format", head + R"(3, "day": 1, "cash": 1})", std::nullopt},
        {"a day past the calendar", head + R"(2, "day": 360000000, "cash": 1})", std::nullopt},
        {"cash beyond 32 bits", head + R"(2, "day": 1, "cash": 2147483648})", std::nullopt},
        {"a day that is no whole number", head + R"(2, "day": 1.5, "cash": 1})", std::nullopt},
        {"the two only deeper down", head + R"(2, "game": {"day": 1, "cash": 1}})", std::nullopt},
        {"a list, not an object", "[" + head + R"(2, "day": 1, "cash": 1}])", std::nullopt},
        {"not JSON", "Dzwonex saved game", std::nullopt},
        {"empty", "", std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const std::optional<SavedGameSummary> summary = SummaryOfSavedGame(row.text);
        ASSERT_EQ(summary.has_value(), row.summary.has_value());
        if (summary) {
            EXPECT_EQ(summary->day, row.summary->day);
            EXPECT_EQ(summary->cash, row.summary->cash);
        }
    }
    // From the disk, through the bounded reader: a folder or a missing file has none.
    SaveGame(Path("gra.dzwonex"), Saved());
    const std::optional<SavedGameSummary> onDisk = ReadSavedGameSummary(Path("gra.dzwonex"));
    ASSERT_TRUE(onDisk);
    EXPECT_EQ(onDisk->day, expected.day);
    EXPECT_EQ(onDisk->cash, expected.cash);
    EXPECT_FALSE(ReadSavedGameSummary(folder.string()));
    EXPECT_FALSE(ReadSavedGameSummary(Path("none.dzwonex")));
    // Only the file's start is read when the two are in it; a cash whose
    // digits the start cuts through, or one further in, is read whole.
    const std::string before = head + R"(2, "day": 1, "pad": ")";
    const std::string after = R"(", "cash": )";
    const std::size_t cut = 64u << 10;
    for (const std::size_t padding : {cut - before.size() - after.size() - 3, cut + 100}) {
        Spill(Path("far.dzwonex"), before + std::string(padding, 'x') + after + "1234567}");
        const std::optional<SavedGameSummary> far = ReadSavedGameSummary(Path("far.dzwonex"));
        ASSERT_TRUE(far);
        EXPECT_EQ(far->cash, 1234567);
    }
}

TEST_F(SavedGameTest, AnOpinionThatIsNotANumberCannotBeSaved) {
    build.Opinion(std::numeric_limits<double>::quiet_NaN());
    try {
        SaveGame(Path("gra.dzwonex"), Saved());
        FAIL() << "saved";
    } catch (const SavedGameError& e) {
        EXPECT_STREQ(e.what(), "The game cannot be saved: its opinion is not a finite number.");
    }
    EXPECT_TRUE(FolderContents(folder).empty());
}

TEST_F(SavedGameTest, ASaveThatFailsHalfwayLeavesTheEarlierFileAndNoTemporary) {
    SaveGame(Path("gra.dzwonex"), Saved());
    const std::string earlier = Slurp(Path("gra.dzwonex"));
    game->NextDay();
    const SavedGame later = Saved();
    const size_t half = SavedGameText(later).size() / 2;
    try {
        SaveGame(Path("gra.dzwonex"), later, half);
        FAIL() << "the save should have failed";
    } catch (const SavedGameError& e) {
        EXPECT_STREQ(e.what(),
                     ("The game could not be saved to " + Path("gra.dzwonex") + ": No space left on device.").c_str());
    }
    EXPECT_EQ(Slurp(Path("gra.dzwonex")), earlier);
    EXPECT_EQ(FolderContents(folder), std::vector<std::string>{"gra.dzwonex"});
    // Without the fault the same save goes through.
    SaveGame(Path("gra.dzwonex"), later);
    EXPECT_EQ(LoadGame(Path("gra.dzwonex")), later);
    EXPECT_EQ(FolderContents(folder), std::vector<std::string>{"gra.dzwonex"});
}

TEST_F(SavedGameTest, ASaveThatCannotBeWrittenSaysWhere) {
    Spill(folder / "plik", "x");
    for (const std::string& path : {Path("plik") + "/gra.dzwonex", Path("brak") + "/gra.dzwonex", Path("")}) {
        try {
            SaveGame(path, Saved());
            FAIL() << path;
        } catch (const SavedGameError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("The game could not be saved to " + path + ": ", 0), 0u) << e.what();
        }
    }
    // A folder where the file should go: refused, and nothing stays.
    fs::create_directory(folder / "gra.dzwonex");
    EXPECT_THROW(SaveGame(Path("gra.dzwonex"), Saved()), SavedGameError);
    EXPECT_EQ(FolderContents(folder), (std::vector<std::string>{"gra.dzwonex", "plik"}));
}

// Every bad file: a clear message naming it, and the game as it was.
struct BadFile {
    const char* name;
    std::function<void(const std::string& path, const std::string& valid)> make;
    const char* says;  // part of the message after the file's name
};

Json Parsed(const std::string& text) { return Json::parse(text); }

// A valid file with one change.
std::function<void(const std::string&, const std::string&)> Edit(std::function<void(Json&)> change) {
    return [change](const std::string& path, const std::string& valid) {
        Json j = Parsed(valid);
        change(j);
        Spill(path, j.dump(1));
    };
}

std::function<void(const std::string&, const std::string&)> Bytes(std::string bytes) {
    return [bytes](const std::string& path, const std::string&) { Spill(path, bytes); };
}

const BadFile kBadFiles[] = {
    {"empty", Bytes(""), " is not a Dzwonex saved game (the file is empty)"},
    {"truncated", [](const std::string& p, const std::string& v) { Spill(p, v.substr(0, v.size() / 2)); },
     " is not a Dzwonex saved game (not JSON: parse error at line"},
    {"not JSON", Bytes("Dzwonex S.A. 1999\n"), " is not a Dzwonex saved game (not JSON: parse error"},
    {"another program's JSON", Bytes("{\"name\": \"Dzwonex\", \"day\": 3}"),
     " is not a Dzwonex saved game (no \"format\": \"Dzwonex saved game\")"},
    {"a list, not an object", Bytes("[1, 2]"), " is not a Dzwonex saved game (the file holds a list, not an object)"},
    {"newer format", Edit([](Json& j) { j["formatVersion"] = 3; }), " was saved by a newer version of Dzwonex ("},
    {"newer and strange", Bytes("{\"format\": \"Dzwonex saved game\", \"what\": [[[]]], \"formatVersion\": 9}"),
     " was saved by a newer version of Dzwonex (format 9; this version reads format 2 and older)"},
    {"negative count", Edit([](Json& j) { j["subscribers"][0]["count"] = -3; }),
     " is not a Dzwonex saved game (subscribers[0].count is negative (-3))"},
    {"count that disagrees",
     Edit([](Json& j) { j["subscribers"][2]["count"] = j["subscribers"][2]["count"].get<int>() + 1; }),
     " is not a Dzwonex saved game (subscribers[2].count says"},
    {"a billion points declared", Edit([](Json& j) { j["subscribers"][0]["count"] = 1000000000; }),
     " is not a Dzwonex saved game (subscribers[0].count declares 1000000000 points, more than a file of"},
    {"a billion cases declared", Edit([](Json& j) { j["cases"]["count"] = 1000000000; }),
     " is not a Dzwonex saved game (cases.count declares 1000000000 cases"},
    {"a point off the map", Edit([](Json& j) {
         j["subscribers"][0]["points"][4] = {1400, 20};
     }),
     " is not a Dzwonex saved game (subscriber 5 of kind 1 at (1400, 20) lies outside the 1400 x 1000 map)"},
    {"a point that is no pair", Edit([](Json& j) {
         j["subscribers"][1]["points"][0] = {1, 2, 3};
     }),
     " is not a Dzwonex saved game (subscribers[1].points[0] is not a pair [x, y])"},
    {"a case naming a point that does not exist", Edit([](Json& j) {
         j["cases"]["list"][0]["subject"] = {{"kind", 1}, {"index", 99999}};
     }),
     " is not a Dzwonex saved game (cases.list[0] names point 99999 of kind 1, which does not exist)"},
    {"a case naming a departed point that does not exist", Edit([](Json& j) {
         j["cases"]["list"][1]["subject"] = {{"departed", 5}};
     }),
     " is not a Dzwonex saved game (cases.list[1] names departed point 5, which does not exist)"},
    {"a departed index equal to the departed count", Edit([](Json& j) {
         j["cases"]["list"][1]["subject"] = {{"departed", j["departed"]["count"]}};
     }),
     " is not a Dzwonex saved game (cases.list[1] names departed point 1, which does not exist)"},
    // Kept only for the cases that name it: one no case names goes unchecked.
    {"a departed point no case names, off the map", Edit([](Json& j) {
         j["departed"]["points"].push_back({-5, 99999});
         j["departed"]["count"] = 2;
     }),
     " is not a Dzwonex saved game (departed.points[1] is named by no case)"},
    {"a case naming a point of another kind", Edit([](Json& j) {
         j["cases"]["list"][0]["subject"] = {{"kind", 6}, {"index", 0}};
     }),
     " is not a Dzwonex saved game (case 1 disconnects a subscriber of kind 1 but names one of kind 6)"},
    {"a disconnect case naming nobody", Edit([](Json& j) { j["cases"]["list"][0]["subject"] = nullptr; }),
     " is not a Dzwonex saved game (case 1 names no subscriber)"},
    {"a non-number where a number belongs", Edit([](Json& j) { j["cash"] = "dużo"; }),
     " is not a Dzwonex saved game (cash is not a number)"},
    {"a fraction where a whole number belongs", Edit([](Json& j) { j["cases"]["list"][2]["param"] = 1.5; }),
     " is not a Dzwonex saved game (cases.list[2].param is not a whole number of the right size)"},
    {"cash beyond 32 bits", Edit([](Json& j) { j["cash"] = 4294967296; }),
     " is not a Dzwonex saved game (cash is out of range (4294967296))"},
    {"a missing field", Edit([](Json& j) { j.erase("lastDay"); }), " is not a Dzwonex saved game (lastDay is missing)"},
    {"a field given twice",
     [](const std::string& p, const std::string& v) { Spill(p, "{\"cash\": 1, " + v.substr(1)); },
     " is not a Dzwonex saved game (cash appears twice)"},
    {"a field of a case given twice",
     [](const std::string& p, const std::string& v) {
         std::string text = v;
         text.replace(text.find("\"title\""), 0, "\"kind\": 0, ");
         Spill(p, text);
     },
     " is not a Dzwonex saved game (cases.list[0].kind appears twice)"},
    {"a field of no saved game", Edit([](Json& j) {
         j["cheat"] = {{"cash", 1000000}};
     }),
     " is not a Dzwonex saved game (cheat is not a field of a saved game)"},
    {"a case without a title", Edit([](Json& j) { j["cases"]["list"][1].erase("title"); }),
     " is not a Dzwonex saved game (cases.list[1] has no title)"},
    {"a speed off the gauge", Edit([](Json& j) { j["speed"] = 11; }),
     " is not a Dzwonex saved game (speed 11 is outside 0..10)"},
    {"a banner that does not exist", Edit([](Json& j) { j["banner"] = 4; }),
     " is not a Dzwonex saved game (banner 4 does not exist (there are 4))"},
    {"a case of unknown kind", Edit([](Json& j) { j["cases"]["list"][2]["kind"] = 12; }),
     " is not a Dzwonex saved game (case 3 is of unknown kind 12)"},
    {"a negative generator", Edit([](Json& j) { j["generator"] = -1; }),
     " is not a Dzwonex saved game (generator is out of range (-1))"},
    {"a generator of 2^32", Edit([](Json& j) { j["generator"] = 4294967296; }),
     " is not a Dzwonex saved game (generator is out of range (4294967296))"},
    {"a byte of 256 in a text", Edit([](Json& j) {
         j["userName"] = {74, 97, 110, 256};
     }),
     " is not a Dzwonex saved game (userName[3] is not a byte (0..255))"},
    // Values play cannot reach, which would make a day take seconds and
    // gigabytes, or the date overflow.
    {"opinion 1e7", Edit([](Json& j) { j["opinion"] = 1e7; }),
     " is not a Dzwonex saved game (opinion 1e+07 is out of range (at most ±1000000))"},
    {"opinion 1e12", Edit([](Json& j) { j["opinion"] = 1e12; }),
     " is not a Dzwonex saved game (opinion 1e+12 is out of range (at most ±1000000))"},
    {"quality 2^31", Edit([](Json& j) { j["quality"] = 2147483648.0; }),
     " is not a Dzwonex saved game (quality 2147483648 is out of range (at most ±1000000))"},
    {"quality -1e308", Edit([](Json& j) { j["quality"] = -1e308; }),
     " is not a Dzwonex saved game (quality -1e+308 is out of range (at most ±1000000))"},
    {"ten times the points a kind may have",
     [](const std::string& p, const std::string& v) {
         // Padded, so that the file could hold that many.
         Json j = Parsed(v);
         j["subscribers"][0]["count"] = 10 * kMaxPointsOfKind;
         Spill(p, j.dump() + std::string(50 * size_t{kMaxPointsOfKind}, ' '));
     },
     " is not a Dzwonex saved game (subscribers[0].count 5000000 is out of range (at most 500000 points))"},
    {"the last day of 32 bits", Edit([](Json& j) { j["day"] = 2147483647; }),
     " is not a Dzwonex saved game (day 2147483647 is after the last day (359999999))"},
    {"a day past the last", Edit([](Json& j) { j["day"] = kLastDay + 1; }),
     " is not a Dzwonex saved game (day 360000000 is after the last day (359999999))"},
    {"an envelope of two billion", Edit([](Json& j) { j["cases"]["list"][2]["param"] = 2000000000; }),
     " is not a Dzwonex saved game (case 3's param 2000000000 is out of range)"},
    {"a negative day's cost", Edit([](Json& j) { j["lastDay"]["staff"] = -1; }),
     " is not a Dzwonex saved game (lastDay.staff -1 is negative)"},
    // The history.
    {"no history in format 2", Edit([](Json& j) { j.erase("history"); }),
     " is not a Dzwonex saved game (history is missing)"},
    {"a sample out of order", Edit([](Json& j) { j["history"]["samples"][3]["day"] = 1; }),
     " is not a Dzwonex saved game (history.samples[3].day 1 does not come after the sample before (day 3))"},
    {"a sample after the game's day", Edit([](Json& j) { j["history"]["samples"].back()["day"] = 32; }),
     " is not a Dzwonex saved game (history.samples[30].day 32 is after the game's day (31))"},
    {"a sample's opinion of 1e12", Edit([](Json& j) { j["history"]["samples"][2]["opinion"] = 1e12; }),
     " is not a Dzwonex saved game (history.samples[2].opinion 1e+12 is out of range)"},
    {"a sample's count past the cap", Edit([](Json& j) { j["history"]["samples"][0]["counts"][5] = 500001; }),
     " is not a Dzwonex saved game (history.samples[0].counts[5] 500001 is out of range)"},
    {"a sample of five counts", Edit([](Json& j) { j["history"]["samples"][0]["counts"].erase(5); }),
     " is not a Dzwonex saved game (history.samples[0].counts is not a list of 6 counts)"},
    {"too many samples", Edit([](Json& j) {
         Json& samples = j["history"]["samples"];
         while (samples.size() <= History::kMaxSamples) samples.push_back(samples.back());
     }),
     " is not a Dzwonex saved game (history.samples holds more than 2923 samples)"},
    {"an old spacing of 45 days", Edit([](Json& j) { j["history"]["oldSpacing"] = 45; }),
     " is not a Dzwonex saved game (history.oldSpacing is not 30 days times a power of 2)"},
    // The term, the milestone runs and the seed.
    // Closer than History keeps samples of that age: the next day would grow
    // the history past what a file may hold, or double the spacing past
    // what it may say.
    {"samples over a year old a day apart", Edit([](Json& j) {
         j["day"] = 1000;
         j["history"]["samples"].back()["day"] = 1000;
     }),
     " is not a Dzwonex saved game (history.samples[1].day 2 is too close to the sample before (day 1): samples of "
     "that age lie at least 7 days apart)"},
    {"samples over ten years old closer than the old spacing", Edit([](Json& j) {
         j["day"] = 4000;
         j["history"]["samples"].back()["day"] = 4000;
         j["history"]["oldSpacing"] = History::kMonth << 24;
     }),
     " is not a Dzwonex saved game (history.samples[1].day 2 is too close to the sample before (day 1): samples of "
     "that age lie at least 503316480 days apart)"},
    {"a term of 3 years", Edit([](Json& j) { j["term"]["years"] = 3; }),
     " is not a Dzwonex saved game (term.years 3 is not a term's length (1, 2, 5 or 10 years))"},
    {"a term from after the game's day", Edit([](Json& j) { j["term"]["startDay"] = 40; }),
     " is not a Dzwonex saved game (term.startDay 40 is after the game's day (31))"},
    {"a term that has ended", Edit([](Json& j) {
         j["day"] = 400;
         j["term"]["years"] = 1;
     }),
     " is not a Dzwonex saved game (term.startDay 1: a 1-year term from it has ended by the game's day (400))"},
    {"a term on the day it ends", Edit([](Json& j) {
         j["day"] = 361;
         j["term"]["years"] = 1;
         j["term"]["monthlyRatings"] = std::vector<int>(12, 500);
     }),
     " is not a Dzwonex saved game (term.startDay 1: a 1-year term from it has ended by the game's day (361))"},
    {"a term's months that disagree", Edit([](Json& j) { j["term"]["monthlyRatings"].push_back(500); }),
     " is not a Dzwonex saved game (term.monthlyRatings holds 2 months, but the term has served 1)"},
    {"a month rated 1001", Edit([](Json& j) { j["term"]["monthlyRatings"][0] = 1001; }),
     " is not a Dzwonex saved game (term.monthlyRatings[0] 1001 is out of range (0..1000))"},
    {"a month rated -1", Edit([](Json& j) { j["term"]["monthlyRatings"][0] = -1; }),
     " is not a Dzwonex saved game (term.monthlyRatings[0] -1 is out of range (0..1000))"},
    {"a term past the board's patience", Edit([](Json& j) { j["term"]["daysBelow"] = 180; }),
     " is not a Dzwonex saved game (term.daysBelow 180 is out of range (0..30 for a term still running))"},
    {"180 days below after 180 served", Edit([](Json& j) {
         j["day"] = 181;
         j["term"]["daysBelow"] = 180;
         j["term"]["monthlyRatings"] = std::vector<int>(6, 500);
     }),
     " is not a Dzwonex saved game (term.daysBelow 180 is out of range (0..179 for a term still running))"},
    {"a field of no term", Edit([](Json& j) { j["term"]["end"] = 1; }),
     " is not a Dzwonex saved game (term.end is not a field of a saved game)"},
    {"a negative milestone run", Edit([](Json& j) { j["milestones"]["daysInDebt"] = -1; }),
     " is not a Dzwonex saved game (milestones.daysInDebt -1 is out of range (0..31, the game's day))"},
    {"a milestone run longer than the game", Edit([](Json& j) { j["milestones"]["daysGoodOpinion"] = 5000; }),
     " is not a Dzwonex saved game (milestones.daysGoodOpinion 5000 is out of range (0..31, the game's day))"},
    {"booths at the start below none", Edit([](Json& j) { j["milestones"]["startBooths"] = -2; }),
     " is not a Dzwonex saved game (milestones.startBooths -2 is out of range (-1..500000))"},
    {"a milestone run missing", Edit([](Json& j) { j["milestones"].erase("daysInProfit"); }),
     " is not a Dzwonex saved game (milestones.daysInProfit is missing)"},
    {"a seed of 2^32", Edit([](Json& j) { j["seed"] = 4294967296; }),
     " is not a Dzwonex saved game (seed is out of range (4294967296))"},
    {"a term in a file of format 1", Edit([](Json& j) {
         j["formatVersion"] = 1;
         j.erase("history");
         j.erase("milestones");
         j.erase("seed");
     }),
     " is not a Dzwonex saved game (term is not a field of a saved game)"},
    {"deeply nested", Bytes("{\"format\": " + std::string(100000, '[')),
     " is not a Dzwonex saved game (nested deeper than 5 levels)"},
    {"nested one level too deep", Edit([](Json& j) { j["subscribers"][0]["points"][0][0] = {1}; }),
     " is not a Dzwonex saved game (nested deeper than 5 levels)"},
    {"far too large",
     [](const std::string& p, const std::string&) {
         // Sparse: a size past the limit without writing it.
         const int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
         ASSERT_GE(fd, 0);
         ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(kSavedGameMaxBytes) + 1), 0);
         ::close(fd);
     },
     " is not a Dzwonex saved game (it is larger than 64 MiB)"},
    {"a folder", [](const std::string& p, const std::string&) { fs::create_directory(p); },
     " is not a Dzwonex saved game (it is a folder)"},
    {"a pipe nobody writes to",
     [](const std::string& p, const std::string&) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
     " is not a Dzwonex saved game (it is a named pipe)"},
    {"no file at all", [](const std::string&, const std::string&) {}, ": No such file or directory."},
};

TEST_F(SavedGameTest, BadFilesAreRefusedAndTheGameStaysAsItWas) {
    const std::string valid = SavedGameText(SavedWithCareer());
    const SavedGame before = Saved();
    for (const BadFile& bad : kBadFiles) {
        SCOPED_TRACE(bad.name);
        const std::string path = Path(bad.name);
        bad.make(path, valid);
        const long writes = view.TextWrites(), repaints = view.MapRepaints();
        try {
            RestoreGame(*game, history, path);
            ADD_FAILURE() << "accepted";
        } catch (const SavedGameError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(path), std::string::npos) << message;
            EXPECT_NE(message.find(bad.says), std::string::npos) << message;
            EXPECT_EQ(message.find('\n'), std::string::npos) << message;
        }
        EXPECT_EQ(Saved(), before);
        EXPECT_EQ(view.TextWrites(), writes);
        EXPECT_EQ(view.MapRepaints(), repaints);
    }
    // The unedited file loads, so each refusal was its one fault's.
    Spill(Path("valid"), valid);
    EXPECT_NO_THROW(RestoreGame(*game, history, Path("valid")));
}

// Damaged files of every sort: each is read or refused, and what is read
// either restores or is refused by the company, never anything else.
TEST_F(SavedGameTest, RandomDamageIsReadOrRefusedNeverMore) {
    const std::string valid = SavedGameText(Saved());
    const std::string pieces = "{}[],:\"0123456789-.eE \\ntfu";
    std::mt19937 gen(2718);
    int refused = 0, read = 0;
    for (int i = 0; i < 1500; ++i) {
        std::string text = valid;
        for (int n = 1 + static_cast<int>(gen() % 4); n > 0; --n) {
            const size_t at = gen() % text.size();
            switch (gen() % 4) {
                case 0:
                    text[at] = pieces[gen() % pieces.size()];
                    break;
                case 1:
                    text.erase(at, 1 + gen() % 40);
                    break;
                case 2:
                    text.insert(at, 1, pieces[gen() % pieces.size()]);
                    break;
                default:
                    text.resize(at);
                    break;
            }
            if (text.empty()) text = "{";
        }
        try {
            const SavedGame s = ParseSavedGame(text, "x");
            try {
                game->Restore(s.company);
                ++read;
            } catch (const std::invalid_argument&) {
                ++refused;
            }
        } catch (const SavedGameError&) {
            ++refused;
        }
    }
    // Most damage is found; some (a digit changed in a point) is a valid game.
    EXPECT_GT(refused, 1000);
    EXPECT_GT(read, 0);
}

}  // namespace dzwonex::testing
