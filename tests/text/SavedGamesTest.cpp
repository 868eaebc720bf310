// Saving and loading through the text front end: a loaded game plays on
// exactly as the game it was saved from, in the same process and in a new one.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "Fixtures.h"
#include "Limits.h"
#include "ProcessRun.h"
#include "SavedGameFile.h"
#include "Session.h"
#include "StartedSession.h"

namespace dzwonex::testing {

namespace {

using text::Options;
using text::Session;
using json = nlohmann::json;

// A player's next command, picked from what the game shows: presses often
// land on subscribers, so disconnect cases (and departed points) are common.
std::string NextCommand(std::mt19937& gen, const Session& s) {
    const Company& game = s.Game();
    const int roll = static_cast<int>(gen() % 100);
    if (roll < 30) return "day";
    if (roll < 45) return "tak";
    if (roll < 58) return "nie";
    if (roll < 66) return "ok";
    if (roll < 80) {
        const int kind = 1 + static_cast<int>(gen() % kKindCount);
        const PointList& list = game.Subscribers(kind);
        if (!list.empty()) {
            const auto& p = list[gen() % list.size()];
            return "click " + std::to_string(p->X()) + " " + std::to_string(p->Y());
        }
    }
    if (roll < 88)
        return "click " + std::to_string(gen() % game.MapWidth()) + " " + std::to_string(gen() % game.MapHeight());
    if (roll < 92) return "banner";
    if (roll < 96) return "speed " + std::to_string(gen() % 231);
    return "page " + std::to_string(gen() % 4);
}

class TextSavedGames : public ::testing::Test {
protected:
    TextSavedGames() { std::filesystem::create_directory(assets.Path() / "moje gry"); }

    std::unique_ptr<Session> Open(uint32_t seed, const char* user) { return StartedSession(assets, seed, user); }

    // A path with spaces in the folder and the name.
    std::string SavePath() const { return (assets.Path() / "moje gry" / "gra nr 1.dzwonex").string(); }

    AssetFolder assets;
};

// A state line split at its sound counters, which come last; the counters
// are taken from where they stood at `base`.
struct State {
    std::string game;  // everything before the counters
    json sounds;
    bool operator==(const State&) const = default;
};
State SinceBase(const std::string& line, const json& base) {
    const size_t at = line.rfind(",\"sounds\":");
    State s{line.substr(0, at), json::parse(line.substr(at + 10, line.size() - at - 11))};
    for (auto& [key, count] : s.sounds.items()) count = count.get<long>() - base[key].get<long>();
    return s;
}

std::string FirstDifference(const json& a, const json& b) {
    for (const auto& [key, value] : a.items())
        if (!b.contains(key) || b[key] != value) return key + ": " + value.dump().substr(0, 200);
    return "(none)";
}

std::string FirstDifference(const State& a, const State& b) {
    if (a.sounds != b.sounds) return "sounds: " + a.sounds.dump() + " and " + b.sounds.dump();
    return FirstDifference(json::parse(a.game + "}"), json::parse(b.game + "}"));
}

}  // namespace

TEST_F(TextSavedGames, AGameLoadedIntoAFreshSessionPlaysOnExactlyAsTheOriginal) {
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 gen(seed * 7919u);
        auto original = Open(seed, "Jan Kowalski");
        const int before = 20 + static_cast<int>(gen() % 200);
        for (int i = 0; i < before; ++i) original->Execute(NextCommand(gen, *original));
        ASSERT_EQ(original->Execute("save  " + SavePath()).outcome, Session::Outcome::Done);

        // Another seed and another name: both must come from the file. The
        // page is set first, so that page commands sound alike in both;
        // sound counts are compared from the load on, as each session
        // counts what it played itself.
        auto loaded = Open(seed + 1000, "Ktoś Inny");
        loaded->Execute("page " + std::to_string(original->View().Page()));
        const auto load = loaded->Execute("load " + SavePath());
        ASSERT_EQ(load.outcome, Session::Outcome::Done) << load.error;
        // The whole game comes with it, and only this game's: the company,
        // its course, the term, the milestone runs and the seed.
        ASSERT_TRUE(loaded->Played().Save() == original->Played().Save());
        const json originalBase = json::parse(original->StateLine())["sounds"];
        const json loadedBase = json::parse(loaded->StateLine())["sounds"];

        for (int i = 0; i < 120; ++i) {
            const std::string command = NextCommand(gen, *original);
            original->Execute(command);
            loaded->Execute(command);
            // The company after every command; the whole state line, which
            // also holds the labels, buttons, gauge and timer, after every
            // fourth (a state line takes far longer to make).
            ASSERT_TRUE(original->Game().Snapshot() == loaded->Game().Snapshot()) << "after " << command;
            ASSERT_TRUE(original->Played().CompanyHistory().Saved() == loaded->Played().CompanyHistory().Saved())
                << "after " << command;
            if (i % 4 != 3) continue;
            const State a = SinceBase(original->StateLine(), originalBase);
            const State b = SinceBase(loaded->StateLine(), loadedBase);
            ASSERT_TRUE(a == b) << "after " << command << " (" << i + 1
                                << " commands after the load), first difference " << FirstDifference(a, b);
        }
    }
}

TEST_F(TextSavedGames, ANewProcessGoesOnFromTheSavedGame) {
    for (uint32_t seed : {3u, 77u, 2024u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        // The script is picked on a session of the same seed, which plays
        // exactly as the process will.
        std::mt19937 gen(seed);
        auto guide = Open(seed, "Tester");
        std::string before, after;
        for (int i = 0; i < 150; ++i) {
            const std::string command = NextCommand(gen, *guide);
            guide->Execute(command);
            before += command + "\n";
        }
        for (int i = 0; i < 150; ++i) {
            const std::string command = NextCommand(gen, *guide);
            guide->Execute(command);
            after += command + "\nstate\n";
        }
        const std::string common = " --assets " + ShellQuote(assets.Path().string());
        const ProcessRun first = RunText("--seed " + std::to_string(seed) + " --user Tester" + common,
                                         before + "save " + SavePath() + "\n" + after);
        ASSERT_EQ(first.status, 0) << first.err;
        ASSERT_EQ(first.err, "");
        const ProcessRun second = RunText("--seed 1 --user Other --load " + ShellQuote(SavePath()) + common, after);
        ASSERT_EQ(second.status, 0) << second.err;
        ASSERT_EQ(second.err, "");

        // Everything that is the company must agree. The page and the sound
        // counters are the process's own screen and speakers: the new one
        // opens on the cases page, as every start does, and has played
        // nothing yet.
        std::istringstream a(first.out), b(second.out);
        std::string lineA, lineB;
        int lines = 0;
        while (std::getline(a, lineA)) {
            ASSERT_TRUE(std::getline(b, lineB)) << "the new process stopped after " << lines << " states";
            json stateA = json::parse(lineA), stateB = json::parse(lineB);
            for (json* s : {&stateA, &stateB}) {
                s->erase("page");
                s->erase("sounds");
            }
            ASSERT_TRUE(stateA == stateB)
                << "state " << lines + 1 << ", first difference " << FirstDifference(stateA, stateB);
            ++lines;
        }
        EXPECT_EQ(lines, 150);
        EXPECT_FALSE(std::getline(b, lineB));
    }
}

TEST_F(TextSavedGames, ASavedGameThatCannotBeLoadedAtStartEndsWithOne) {
    const std::string common = " --assets " + ShellQuote(assets.Path().string());
    const std::string missing = (assets.Path() / "brak.dzwonex").string();
    ProcessRun r = RunText("--load " + ShellQuote(missing) + common, "state\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "dzwonex-text: Nie można otworzyć " + missing + ": nie ma takiego pliku ani folderu.\n");
    r = RunText("--lang en --load " + ShellQuote(missing) + common, "state\n");
    EXPECT_EQ(r.err, "dzwonex-text: Cannot open " + missing + ": No such file or directory.\n");
    // A name a terminal would take for its commands is written out, at the
    // start and at a load.
    const std::string folder = assets.Path().string() + "/";
    r = RunText("--lang en --load " + ShellQuote(folder + "\x1b]0;x\x07.dzwonex") + common, "state\n");
    EXPECT_EQ(r.err, "dzwonex-text: Cannot open " + folder + "\\x1b]0;x\\x07.dzwonex: No such file or directory.\n");
    r = RunText("--lang en" + common, "load " + folder + "\x1b[2J\xff\n");
    EXPECT_EQ(r.err, "dzwonex-text: Cannot open " + folder + "\\x1b[2J\\xff: No such file or directory.\n");

    r = RunText("--load " + ShellQuote(assets.Path().string()) + common, "state\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "dzwonex-text: Plik " + assets.Path().string() + " nie jest zapisaną grą Dzwonex (to folder)\n");
    r = RunText("--lang en --load " + ShellQuote(assets.Path().string()) + common, "state\n");
    EXPECT_EQ(r.err, "dzwonex-text: " + assets.Path().string() + " is not a Dzwonex saved game (it is a folder)\n");
}

// Saves go through the game's one writer: a link to the file stays a link.
TEST_F(TextSavedGames, ASaveThroughALinkReplacesTheFileItLeadsTo) {
    const auto dir = assets.Path() / "moje gry";
    std::filesystem::create_symlink("gra nr 1.dzwonex", dir / "ostatnia");
    auto session = Open(3, "Jan");
    ASSERT_EQ(session->Execute("day").outcome, Session::Outcome::Done);
    const auto save = session->Execute("save " + (dir / "ostatnia").string());
    EXPECT_EQ(save.outcome, Session::Outcome::Done) << save.error;
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "ostatnia"));
    auto other = Open(4, "Ewa");
    const auto load = other->Execute("load " + SavePath());
    EXPECT_EQ(load.outcome, Session::Outcome::Done) << load.error;
    json saved = json::parse(session->StateLine()), loaded = json::parse(other->StateLine());
    for (json* state : {&saved, &loaded}) state->erase("page"), state->erase("sounds");
    EXPECT_EQ(loaded, saved);
}

// Saved values play cannot reach, each of which made a day take seconds
// and gigabytes or the date overflow: under a memory limit the process
// names the file and the field, keeps its game and plays on.
TEST_F(TextSavedGames, UnreachableValuesAreRefusedUnderAMemoryLimit) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer cannot run under a memory limit";
#else
    auto session = Open(5, "Tester");
    for (int i = 0; i < 20; ++i) session->Execute("day");
    ASSERT_EQ(session->Execute("save " + SavePath()).outcome, Session::Outcome::Done);
    std::ifstream in(SavePath(), std::ios::binary);
    const json valid = json::parse(in);

    struct Row {
        const char* field;
        json value;
        const char* says;
    };
    const Row rows[] = {
        {"opinion", 1e7, "(opinion 1e+07 is out of range (at most ±1000000))"},
        {"opinion", 1e12, "(opinion 1e+12 is out of range (at most ±1000000))"},
        {"quality", 2147483648.0, "(quality 2147483648 is out of range (at most ±1000000))"},
        {"quality", 1e308, "(quality 1e+308 is out of range (at most ±1000000))"},
        {"day", 2147483647, "(day 2147483647 is after the last day (359999999))"},
        {"day", kLastDay + 1, "(day 360000000 is after the last day (359999999))"},
        {"subscribers", nullptr, "(subscribers[1].count 5000000 is out of range (at most 500000 points))"},
    };
    const std::string common = "--seed 9 --user Tester --assets " + ShellQuote(assets.Path().string());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.says);
        json hostile = valid;
        std::string padding;
        if (row.value.is_null()) {
            // Ten times the cap, in a file large enough to hold them.
            hostile["subscribers"][1]["count"] = 10 * kMaxPointsOfKind;
            padding.assign(50 * size_t{kMaxPointsOfKind}, ' ');
        } else {
            hostile[row.field] = row.value;
        }
        const std::string path = (assets.Path() / "moje gry" / "obca.dzwonex").string();
        std::ofstream(path, std::ios::binary) << hostile.dump() << padding;
        const ProcessRun r = RunText(common, "state\nload " + path + "\nstate\nday\nstate\n", 20, 200000);
        EXPECT_EQ(r.status, 0);
        // The field's words stay those of the format.
        EXPECT_EQ(r.err, "dzwonex-text: Plik " + path + " nie jest zapisaną grą Dzwonex " + row.says + "\n");
        std::istringstream lines(r.out);
        std::string before, after, next;
        ASSERT_TRUE(std::getline(lines, before) && std::getline(lines, after) && std::getline(lines, next));
        EXPECT_EQ(after, before);
        EXPECT_EQ(json::parse(next)["day"], json::parse(before)["day"].get<int>() + 1);
    }
#endif
}

// Games written by the game, the version before the history among them
// (fuzz/corpus/savedgame): each loads, and saved again reads back the same;
// one of format 1 starts its course on the loaded day and plays on.
TEST_F(TextSavedGames, RealFilesOfBothFormatsLoad) {
    const AssetFolder wide(1440, 1040, 350);
    for (const char* name :
         {"format1.dzwonex", "format1-english.dzwonex", "format2.dzwonex", "format2-english.dzwonex"}) {
        SCOPED_TRACE(name);
        const std::string path = std::string(DZWONEX_SAVED_GAMES_DIR) + "/" + name;
        const bool formatOne = std::string(name).rfind("format1", 0) == 0;
        auto session = StartedSession(wide, 1, "Tester");
        ASSERT_EQ(session->Execute("load " + path).error, "");
        const SavedGame file = LoadGame(path);
        EXPECT_TRUE(session->Game().Snapshot() == file.company);
        if (formatOne) {
            ASSERT_EQ(session->Played().CompanyHistory().Size(), 1u);
            EXPECT_EQ(session->Played().CompanyHistory().Latest().day, file.company.day);
        } else {
            EXPECT_TRUE(session->Played().CompanyHistory().Saved() == file.history);
        }
        ASSERT_EQ(session->Execute("save " + SavePath()).error, "");
        const SavedGame again = LoadGame(SavePath());
        EXPECT_TRUE(again.company == file.company);
        EXPECT_EQ(again.history.samples.size(), formatOne ? 1u : file.history.samples.size());
        session->Execute("day");
        EXPECT_EQ(session->Game().Day(), file.company.day + 1);
    }
}

}  // namespace dzwonex::testing
