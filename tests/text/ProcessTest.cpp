// Runs dzwonex-text as a separate process, as replays and players do.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "DamagedFiles.h"
#include "Fixtures.h"
#include "ImageFiles.h"
#include "ProcessRun.h"

namespace dzwonex::testing {

namespace fs = std::filesystem;

std::string ShellQuote(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

ProcessRun RunText(const std::string& args, const std::string& input, int limitSeconds, long memoryKb) {
    static int counter = 0;
    const fs::path dir = fs::temp_directory_path();
    const std::string tag = std::to_string(::getpid()) + "-" + std::to_string(counter++);
    const fs::path in = dir / ("dzw-in-" + tag), out = dir / ("dzw-out-" + tag), err = dir / ("dzw-err-" + tag);
    std::ofstream(in, std::ios::binary) << input;
    const std::string cmd = (memoryKb ? "ulimit -v " + std::to_string(memoryKb) + "; " : std::string()) +
                            "timeout -k 1 " + std::to_string(limitSeconds) + " " + std::string(DZWONEX_TEXT_EXE) + " " +
                            args + " <" + in.string() + " >" + out.string() + " 2>" + err.string();
    const int rc = std::system(cmd.c_str());
    ProcessRun r;
    r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : 1000 + rc;
    auto slurp = [](const fs::path& p) {
        std::ifstream f(p, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    };
    r.out = slurp(out);
    r.err = slurp(err);
    fs::remove(in);
    fs::remove(out);
    fs::remove(err);
    return r;
}

class TextProcess : public ::testing::Test {
protected:
    std::string Args(uint32_t seed) {
        return "--seed " + std::to_string(seed) + " --user Tester --assets " + assets.Path().string();
    }
    AssetFolder assets;
};

TEST_F(TextProcess, ReplayIsByteIdenticalAcrossProcesses) {
    std::string script;
    for (int day = 0; day < 200; ++day) {
        script += "day\n";
        script += (day % 3 == 0) ? "tak\n" : (day % 3 == 1) ? "nie\n" : "ok\n";
        if (day % 17 == 0) script += "click " + std::to_string(day * 7 % 1400) + " " + std::to_string(day * 3) + "\n";
        if (day % 10 == 0) script += "state\n";
    }
    script += "state\n";
    const ProcessRun a = RunText(Args(2718), script);
    const ProcessRun b = RunText(Args(2718), script);
    ASSERT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(a.err, "");
    EXPECT_EQ(std::count(a.out.begin(), a.out.end(), '\n'), 21);
    EXPECT_EQ(a.out, b.out);
    const ProcessRun other = RunText(Args(2719), script);
    EXPECT_NE(a.out, other.out);
}

TEST_F(TextProcess, MissingAssetIsNamedAndExitsWithOne) {
    fs::remove(assets.Path() / "Mapa.jpg");
    const ProcessRun r = RunText(Args(1), "state\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "dzwonex-text: Nie można otworzyć pliku " + assets.Path().string() + "/Mapa.jpg.\n");
    // In English as it has always been said.
    const ProcessRun english = RunText(Args(1) + " --lang en", "state\n");
    EXPECT_EQ(english.status, 1);
    EXPECT_EQ(english.err, "dzwonex-text: Cannot open file " + assets.Path().string() + "/Mapa.jpg.\n");
}

TEST_F(TextProcess, CorruptBitmapIsNamedAndExitsWithOne) {
    std::ofstream(assets.Path() / "Bannery.bmp", std::ios::binary) << "BM\x10\x00garbage";
    const ProcessRun r = RunText(Args(1), "state\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Bannery.bmp"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Nieprawidłowy obraz bitmapy"), std::string::npos) << r.err;
}

// Damaged pictures: each is named in one message on stderr, exit 1, and
// nothing waits (a pipe in place of a picture has no writer).
TEST_F(TextProcess, DamagedPicturesAreNamedAndExitWithOne) {
    for (const PictureDamage& row : PictureDamages({"Bannery.bmp"})) {
        AssetFolder folder;
        const fs::path file = folder.Path() / row.file;
        row.damage.apply(file);
        const ProcessRun r =
            RunText("--seed 1 --user Tester --assets " + ShellQuote(folder.Path().string()), "state\n", 5);
        SCOPED_TRACE(row.file + " as " + row.damage.what);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "dzwonex-text: " + row.damage.message(file.string(), Language::Polish) + "\n");
    }
}

// Memory running out while a picture is read is said like any other
// failure to read it, never an abort. The map, padded after its end
// mark, needs more than the process may have.
TEST_F(TextProcess, RunningOutOfMemoryWhileLoadingIsNamedAndExitsWithOne) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer cannot run under a memory limit";
#else
    const fs::path map = assets.Path() / "Mapa.jpg";
    fs::resize_file(map, 31u << 20);
    const fs::path err = assets.Path() / "err.txt";
    const std::string cmd = "ulimit -v 25000; timeout 5 " + std::string(DZWONEX_TEXT_EXE) + " " + Args(1) +
                            " </dev/null >/dev/null 2>" + err.string();
    const int rc = std::system(cmd.c_str());
    EXPECT_TRUE(WIFEXITED(rc) && WEXITSTATUS(rc) == 1) << rc;
    std::ifstream in(err);
    const std::string message((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(message, "dzwonex-text: Nie można odczytać pliku " + map.string() + " (za mało pamięci).\n");
#endif
}

TEST_F(TextProcess, AFolderGivenRelativelyIsNamedByItsFullPath) {
    fs::remove(assets.Path() / "Mapa.jpg");
    const fs::path err = assets.Path() / "err.txt";
    const std::string cmd = "cd " + ShellQuote(assets.Path().parent_path().string()) + " && timeout 5 " +
                            std::string(DZWONEX_TEXT_EXE) + " --assets ./" +
                            ShellQuote(assets.Path().filename().string()) + " </dev/null >/dev/null 2>" + err.string();
    const int rc = std::system(cmd.c_str());
    EXPECT_TRUE(WIFEXITED(rc) && WEXITSTATUS(rc) == 1) << rc;
    std::ifstream in(err);
    const std::string message((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(message, "dzwonex-text: Nie można otworzyć pliku " + (assets.Path() / "Mapa.jpg").string() + ".\n");
}

TEST_F(TextProcess, GarbageInputGivesErrorLinesAndExitZero) {
    std::mt19937 gen(4242);
    std::string input;
    for (int i = 0; i < 3000; ++i) {
        const int len = static_cast<int>(gen() % 40);
        for (int c = 0; c < len; ++c) input += static_cast<char>(gen() % 256);
        input += '\n';
    }
    input += "click\nclick -5 -5\nspeed 999999999999999\nstate\n";
    const ProcessRun r = RunText(Args(5), input);
    EXPECT_EQ(r.status, 0) << r.err.substr(0, 500);
    EXPECT_NE(r.err.find("click needs two whole numbers"), std::string::npos);
    EXPECT_NE(r.err.find("outside the map"), std::string::npos);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << "only the final state line";
}

TEST_F(TextProcess, EndOfInputQuitsCleanly) {
    const ProcessRun r = RunText(Args(3), "day\nday");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
}

}  // namespace dzwonex::testing
