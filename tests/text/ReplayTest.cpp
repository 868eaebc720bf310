// Replays recorded games: the same seed and commands must give the same
// state lines, byte for byte, whatever is changed inside the game.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

#include "Fixtures.h"
#include "ProcessRun.h"
#include "StartedSession.h"
#include "Translation.h"

namespace dzwonex::testing {

namespace {

std::string Fnv1a64(const std::string& data) {
    uint64_t h = 0xCBF29CE484222325ull;
    for (unsigned char c : data) {
        h ^= c;
        h *= 0x100000001B3ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

struct Fixture {
    std::string args;  // after "# args: "
    uint32_t seed = 0;
    std::string user;
    std::string script;
    std::vector<std::string> hashes;  // one for each state command
};

Fixture ReadFixture(const std::filesystem::path& path) {
    std::ifstream in(path);
    Fixture f;
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("# args: ", 0) == 0) {
            // --seed N --user NAME (the name may hold spaces)
            const std::string rest = line.substr(8);
            const auto user = rest.find(" --user ");
            f.args = rest.substr(0, user) + " --user " + ShellQuote(rest.substr(user + 8));
            f.seed = static_cast<uint32_t>(std::stoul(rest.substr(7, user - 7)));
            f.user = rest.substr(user + 8);
        } else if (line.rfind("state ", 0) == 0) {
            f.hashes.push_back(line.substr(6));
            f.script += "state\n";
        } else {
            f.script += line + "\n";
        }
    }
    return f;
}

}  // namespace

class Replay : public ::testing::TestWithParam<const char*> {};

TEST_P(Replay, StateLinesMatchTheRecording) {
    const Fixture f = ReadFixture(std::filesystem::path(DZWONEX_REPLAY_DIR) / GetParam());
    ASSERT_FALSE(f.args.empty());
    ASSERT_EQ(f.hashes.size(), 80u);
    AssetFolder assets;
    const ProcessRun run = RunText(f.args + " --assets " + assets.Path().string(), f.script);
    ASSERT_EQ(run.status, 0) << run.err.substr(0, 500);
    std::istringstream out(run.out);
    std::string line;
    size_t i = 0;
    for (; std::getline(out, line); ++i) {
        ASSERT_LT(i, f.hashes.size());
        ASSERT_EQ(Fnv1a64(line), f.hashes[i])
            << "state line " << i + 1 << " (command " << (i + 1) * 25 << ") differs: " << line.substr(0, 300);
    }
    EXPECT_EQ(i, f.hashes.size());
}

// The same games in English: the Polish lines still match the recording,
// the English ones equal them in everything but the texts (the labels and
// the cases' titles and bodies), and the English texts hold no Polish.
TEST_P(Replay, EnglishPlaysTheSameGame) {
    const Fixture f = ReadFixture(std::filesystem::path(DZWONEX_REPLAY_DIR) / GetParam());
    AssetFolder assets;
    auto polish = StartedSession(assets, f.seed, f.user, Language::Polish);
    auto english = StartedSession(assets, f.seed, f.user, Language::English);
    std::vector<std::string> names = PeoplesNames();
    names.insert(names.begin(), f.user);
    auto withoutTexts = [](nlohmann::json state) {
        state.erase("labels");
        for (auto& c : state["cases"]) c.erase("title"), c.erase("body");
        return state;
    };
    std::istringstream script(f.script);
    std::string command;
    size_t states = 0;
    std::set<int> kinds;
    while (std::getline(script, command)) {
        const auto pl = polish->Execute(command);
        const auto en = english->Execute(command);
        ASSERT_EQ(pl.outcome, en.outcome) << command;
        if (command != "state") continue;
        ASSERT_LT(states, f.hashes.size());
        ASSERT_EQ(Fnv1a64(pl.output), f.hashes[states]) << "state line " << states + 1;
        const auto plState = nlohmann::json::parse(pl.output);
        const auto enState = nlohmann::json::parse(en.output);
        ASSERT_EQ(withoutTexts(plState), withoutTexts(enState)) << "state line " << states + 1;
        for (const auto& c : enState["cases"]) {
            kinds.insert(c["kind"].get<int>());
            EXPECT_EQ(PolishLeftIn(c["title"].get<std::string>() + "\n" + c["body"].get<std::string>(), names), "");
        }
        for (const auto& [control, text] : enState["labels"].items())
            EXPECT_EQ(PolishLeftIn(text.get<std::string>(), names), "") << control;
        ++states;
    }
    EXPECT_EQ(states, f.hashes.size());
    // Every kind of case came up, in both languages alike.
    EXPECT_EQ(kinds.size(), static_cast<size_t>(kLastCaseKind + 1));
}

INSTANTIATE_TEST_SUITE_P(Seeds, Replay,
                         ::testing::Values("seed-0.txt", "seed-1.txt", "seed-777.txt", "seed-2026.txt", "seed-2718.txt",
                                           "seed-31337.txt", "seed-123456789.txt", "seed-4294967295.txt"));

}  // namespace dzwonex::testing
