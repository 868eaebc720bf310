// The generator run a second time writes exactly the same files.
#include "AssetFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

namespace assettest {
namespace {

namespace fs = std::filesystem;

TEST(Generator, WritesTheSameBytesOnEveryRun) {
    char pattern[] = "/tmp/dzwonex-assets-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const fs::path folder(pattern);
    const std::string command =
        "QT_QPA_PLATFORM=offscreen '" + std::string(DZWONEX_ASSETGEN) + "' '" + folder.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    std::set<std::string> written;
    for (const fs::directory_entry& e : fs::directory_iterator(folder)) written.insert(e.path().filename().string());
    const std::set<std::string> expected(assetNames().begin(), assetNames().end());
    EXPECT_EQ(written, expected);

    for (const std::string& name : assetNames()) {
        const std::vector<std::uint8_t> built = readBytes(assetPath(name));
        const std::vector<std::uint8_t> again = readBytes((folder / name).string());
        EXPECT_FALSE(built.empty()) << name;
        EXPECT_TRUE(built == again) << name << " differs between two runs";
    }
    fs::remove_all(folder);
}

}  // namespace
}  // namespace assettest
