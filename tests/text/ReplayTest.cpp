// Replays recorded games: the same seed and commands must give the same
// state lines, byte for byte, whatever is changed inside the game.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "Fixtures.h"
#include "ProcessRun.h"

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

INSTANTIATE_TEST_SUITE_P(Seeds, Replay,
                         ::testing::Values("seed-0.txt", "seed-1.txt", "seed-777.txt", "seed-2026.txt", "seed-2718.txt",
                                           "seed-31337.txt", "seed-123456789.txt", "seed-4294967295.txt"));

}  // namespace dzwonex::testing
