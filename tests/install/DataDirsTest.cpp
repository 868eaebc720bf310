// Where the programs look for their files: the order of the folders, the
// XDG rules, and which folder is taken.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "DataDirs.h"

namespace dzwonex {
namespace {

namespace fs = std::filesystem;
using Folders = std::vector<std::string>;

TEST(DataDirCandidates, ListsTheFoldersInOrder) {
    struct Case {
        const char* what;
        DataSearch search;
        Folders expected;
    };
    const Case cases[] = {
        {"an installation under /opt, XDG defaults",
         {"/opt/dz/bin/", "../share/dzwonex", "", "", "/home/ala"},
         {"/opt/dz/bin/", "/opt/dz/share/dzwonex/", "/home/ala/.local/share/dzwonex/", "/usr/local/share/dzwonex/",
          "/usr/share/dzwonex/"}},
        {"XDG folders given; relative and empty entries are not folders",
         {"/opt/dz/bin/", "../share/dzwonex", "/x/data", "/a:relative/b::/c/", "/home/ala"},
         {"/opt/dz/bin/", "/opt/dz/share/dzwonex/", "/x/data/dzwonex/", "/a/dzwonex/", "/c/dzwonex/"}},
        {"a relative XDG_DATA_HOME counts as unset",
         {"/g/", "", "data", "/usr/share", "/home/ola"},
         {"/g/", "/home/ola/.local/share/dzwonex/", "/usr/share/dzwonex/"}},
        {"the installation's folder is not searched twice",
         {"/usr/bin/", "../share/dzwonex", "/h", "/usr/share/:/usr/local/share", ""},
         {"/usr/bin/", "/usr/share/dzwonex/", "/h/dzwonex/", "/usr/local/share/dzwonex/"}},
        {"no home at all",
         {"/g/", "../share/dzwonex", "", "/usr/share", ""},
         {"/g/", "/share/dzwonex/", "/usr/share/dzwonex/"}},
    };
    for (const Case& c : cases) EXPECT_EQ(DataDirCandidates(c.search), c.expected) << c.what;
}

class FindDataDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("dzwonex-datadirs-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        for (const char* name : {"empty", "folder-named-like-the-map", "game"}) fs::create_directories(root_ / name);
        fs::create_directories(root_ / "folder-named-like-the-map" / "Mapa.jpg");
        std::ofstream(root_ / "game" / "Mapa.jpg") << "x";
    }
    void TearDown() override { fs::remove_all(root_); }
    std::string Folder(const char* name) const { return (root_ / name).string() + "/"; }

    fs::path root_;
};

TEST_F(FindDataDirTest, TakesTheFirstFolderHoldingTheMapPicture) {
    const Folders folders = {Folder("missing"), Folder("empty"), Folder("folder-named-like-the-map"), Folder("game")};
    EXPECT_EQ(FindDataDir(folders), Folder("game"));
    EXPECT_EQ(FindDataDir({Folder("game"), Folder("empty")}), Folder("game"));
}

TEST_F(FindDataDirTest, FindsNothingAndSaysWhereItLooked) {
    const Folders folders = {Folder("missing"), Folder("empty"), Folder("folder-named-like-the-map")};
    EXPECT_EQ(FindDataDir(folders), std::nullopt);
    const std::string message = DataNotFoundMessage(folders);
    for (const std::string& folder : folders) EXPECT_NE(message.find(folder), std::string::npos) << message;
    EXPECT_NE(message.find("--assets"), std::string::npos) << message;
}

}  // namespace
}  // namespace dzwonex
