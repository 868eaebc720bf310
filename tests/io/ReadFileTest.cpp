// The one reader of whole files: every kind of thing at a path, the size
// limit at its edge, and the limit of each kind of file the game reads.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>

#include "DamagedFiles.h"
#include "Fixtures.h"
#include "ImageFiles.h"
#include "ReadFile.h"
#include "SavedGameFile.h"

namespace dzwonex::testing {

namespace {

namespace fs = std::filesystem;

// The problem reading `path` finds, or nothing when it reads.
std::optional<FileProblem> ProblemReading(const std::string& path, std::uint64_t limit = 1 << 20) {
    try {
        ReadRegularFile(path, limit);
        return std::nullopt;
    } catch (const FileReadError& e) {
        EXPECT_EQ(e.File(), path);
        return e.Problem();
    }
}

class ReadFileTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return (folder.Path() / name).string(); }
    AssetFolder folder;
};

}  // namespace

TEST_F(ReadFileTest, WhatIsNoRegularFileIsRefusedWithoutWaiting) {
    struct Row {
        const char* what;
        std::function<std::string(const fs::path& dir)> make;  // the path to read
        FileFault fault;
        int error = 0;
    };
    const Row rows[] = {
        {"nothing there", [](const fs::path& d) { return (d / "brak").string(); }, FileFault::Missing},
        {"a file where a folder belongs", [](const fs::path& d) { return (d / "Bannery.bmp" / "x").string(); },
         FileFault::Missing},
        {"a folder", [](const fs::path& d) { return d.string() + "/"; }, FileFault::Folder},
        {"a named pipe nobody writes to",
         [](const fs::path& d) {
             EXPECT_EQ(::mkfifo((d / "pipe").c_str(), 0600), 0);
             return (d / "pipe").string();
         },
         FileFault::NamedPipe},
        {"a link to a device",
         [](const fs::path& d) {
             fs::create_symlink("/dev/zero", d / "zero");
             return (d / "zero").string();
         },
         FileFault::Device},
        {"a link that leads to itself",
         [](const fs::path& d) {
             fs::create_symlink("loop", d / "loop");
             return (d / "loop").string();
         },
         FileFault::System, ELOOP},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string path = row.make(folder.Path());
        const auto problem = ProblemReading(path);
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->fault, row.fault);
        EXPECT_EQ(problem->error, row.error);
    }
}

TEST_F(ReadFileTest, ASocketIsNamedForWhatItIs) {
    // A socket cannot be opened at all; the reader still says what it is.
    const std::string path = Path("s");
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) GTEST_SKIP() << "the folder's path is too long for a socket";
    std::strcpy(address.sun_path, path.c_str());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const auto problem = ProblemReading(path);
    ::close(fd);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->fault, FileFault::Socket);
}

TEST_F(ReadFileTest, EachFaultHasOneWording) {
    const std::string path = Path("x");
    auto message = [&](const FileProblem& p) { return std::string(FileReadError(path, p).what()); };
    EXPECT_EQ(message({FileFault::Missing}), "Cannot open file " + path + ".");
    EXPECT_EQ(message({FileFault::Folder}), "File " + path + " cannot be read (it is a folder).");
    EXPECT_EQ(message({FileFault::TooLarge, 16u << 20}),
              "File " + path + " cannot be read (it is larger than 16 MiB).");
    EXPECT_EQ(message({FileFault::TooLarge, 64u << 10}),
              "File " + path + " cannot be read (it is larger than 64 KiB).");
    EXPECT_EQ(message({FileFault::TooLarge, 1000}), "File " + path + " cannot be read (it is larger than 1000 bytes).");
    EXPECT_EQ(message({FileFault::System, 0, EACCES}), "File " + path + " cannot be read (Permission denied).");
    EXPECT_EQ(std::string(FileWriteError(path, {FileFault::NamedPipe}).what()),
              "File " + path + " cannot be written (it is a named pipe).");
}

// At the limit a file is read whole; one byte more and it is refused.
TEST_F(ReadFileTest, AFileIsReadUpToItsLimitAndNoFurther) {
    const std::string path = Path("ten");
    WriteAll(path, std::vector<uint8_t>{'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'});
    EXPECT_EQ(ReadRegularFile(path, 10).size(), 10u);
    EXPECT_EQ(ReadRegularFile(path, 11).size(), 10u);
    const auto problem = ProblemReading(path, 9);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->fault, FileFault::TooLarge);
    EXPECT_EQ(problem->limit, 9u);
    WriteAll(path, {});
    EXPECT_TRUE(ReadRegularFile(path, 0).empty());
}

// A file of the system's own tells no size (0) and holds more: the limit
// holds while it is read, as for a file that grows.
TEST_F(ReadFileTest, AFileThatTellsNoSizeIsStillHeldToTheLimit) {
    const std::string path = "/proc/sys/kernel/ostype";  // "Linux\n"
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || st.st_size != 0) GTEST_SKIP() << "no " << path << " of size 0";
    const auto whole = ReadRegularFile(path, 1 << 20);
    ASSERT_FALSE(whole.empty());
    EXPECT_EQ(ReadRegularFile(path, whole.size()), whole);
    const auto problem = ProblemReading(path, whole.size() - 1);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->fault, FileFault::TooLarge);
}

// Each kind of file through the reader its front end uses, at exactly its
// limit (a good file padded, sparse, so nothing is written) and one byte
// over. The padding is after the end of what the file holds.
TEST_F(ReadFileTest, EachKindOfFileIsReadUpToItsLimit) {
    struct Kind {
        const char* file;
        std::uint64_t limit;
        std::function<void(const std::string&)> read;  // throws what the player is told
    };
    const Kind kinds[] = {
        {"Mapa.jpg", kMapFileLimit, [](const std::string& p) { CheckJpeg(p); }},
        {"Bannery.bmp", kBitmapFileLimit, [](const std::string& p) { ReadBmpInfo(p); }},
        {"psych.xm", kMusicFileLimit, [](const std::string& p) { ReadRegularFile(p, kMusicFileLimit); }},
        {"click.wav", kSoundFileLimit, [](const std::string& p) { ReadRegularFile(p, kSoundFileLimit); }},
        {"Banner.url", kShortcutFileLimit, [](const std::string& p) { ReadRegularFile(p, kShortcutFileLimit); }},
        // Only zeros: read, then refused by the parser, not for its size.
        {"gra.dzwonex", kSavedGameMaxBytes,
         [](const std::string& p) {
             try {
                 LoadGame(p);
             } catch (const SavedGameError& e) {
                 const std::string message = e.what();
                 if (message.find("(not JSON") == std::string::npos) throw;
             }
         }},
    };
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.file);
        const std::string path = Path(kind.file);
        if (!fs::exists(path)) WriteAll(path, {});
        fs::resize_file(path, kind.limit);
        EXPECT_NO_THROW(kind.read(path));
        fs::resize_file(path, kind.limit + 1);
        try {
            kind.read(path);
            ADD_FAILURE() << "read one byte over the limit";
        } catch (const std::exception& e) {
            const std::string message = e.what();
            const std::string reason = EnglishReason({FileFault::TooLarge, kind.limit});
            EXPECT_NE(message.find("(" + reason + ")"), std::string::npos) << message;
        }
        fs::remove(path);
    }
}

}  // namespace dzwonex::testing
