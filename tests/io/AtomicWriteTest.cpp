// The one writer of files: what it replaces, what it refuses and leaves
// alone, what it keeps, and the temporary files it leaves to no one.
#include <gtest/gtest.h>

#include <grp.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>

#include "AtomicWrite.h"
#include "DamagedFiles.h"
#include "Fixtures.h"
#include "ReadFile.h"
#include "SystemCalls.h"

namespace dzwonex::testing {

namespace {

namespace fs = std::filesystem;

std::string Text(const fs::path& path) {
    const auto bytes = ReadAll(path);
    return std::string(bytes.begin(), bytes.end());
}

void Put(const fs::path& path, const std::string& text) {
    WriteAll(path, std::vector<uint8_t>(text.begin(), text.end()));
}

// Every name in the folder and below it, with what each is: a regular
// file with its text, a link with where it leads, a folder, or another kind.
std::vector<std::string> Listing(const fs::path& dir) {
    std::vector<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        const std::string name = entry.path().lexically_relative(dir).string();
        const fs::file_status status = entry.symlink_status();
        if (fs::is_symlink(status))
            entries.push_back(name + " -> " + fs::read_symlink(entry.path()).string());
        else if (fs::is_regular_file(status))
            entries.push_back(name + " = " + Text(entry.path()));
        else if (fs::is_directory(status))
            entries.push_back(name + "/");
        else
            entries.push_back(name + " (special)");
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

mode_t Mode(const fs::path& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0);
    return st.st_mode & 07777;
}

// A process id no process has: a child's, once it has ended.
pid_t GonePid() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

// Runs `work` as a user who may not write every file: this process's own
// user, or nobody in a child process when this one runs as root. Returns
// what `work` found wrong, or none when nobody cannot reach the folder.
std::optional<std::string> AsAUser(const fs::path& dir, const std::function<std::string()>& work) {
    if (::geteuid() != 0) return work();
    constexpr uid_t kNobody = 65534;
    int pipe[2];
    if (::chown(dir.c_str(), kNobody, kNobody) != 0 || ::pipe(pipe) != 0) return "no folder for nobody";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(2);
        if (::access(dir.c_str(), W_OK | X_OK) != 0) ::_exit(77);
        const std::string wrong = work();
        ::_exit(::write(pipe[1], wrong.data(), wrong.size()) == static_cast<ssize_t>(wrong.size()) ? 0 : 3);
    }
    ::close(pipe[1]);
    std::string wrong;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;) wrong.append(buffer, static_cast<size_t>(n));
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77) return std::nullopt;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the child ended with " + std::to_string(status);
    return wrong;
}

class AtomicWriteTest : public ::testing::Test {
protected:
    AtomicWriteTest() { fs::remove_all(dir / "Mapa.jpg"), fs::remove_all(dir / "Bannery.bmp"); }
    AssetFolder folder;  // an empty folder of its own
    fs::path dir = folder.Path();
};

}  // namespace

// Each target: written through, or refused and left as it was. Either way
// no temporary file stays behind.
TEST_F(AtomicWriteTest, OnlyARegularFileOrANewNameIsReplacedThroughAnyLinks) {
    struct Target {
        const char* what;
        std::function<void(const fs::path& dir)> make;  // what stands at dir/gra before the write
        std::optional<FileFault> refused;               // none: written
        std::vector<std::string> after;                 // the folder's listing after a write
    };
    const Target targets[] = {
        {"a new name", [](const fs::path&) {}, std::nullopt, {"gra = new"}},
        {"a regular file", [](const fs::path& d) { Put(d / "gra", "old"); }, std::nullopt, {"gra = new"}},
        {"a link to a file",
         [](const fs::path& d) {
             Put(d / "real", "old");
             fs::create_symlink("real", d / "gra");
         },
         std::nullopt,
         {"gra -> real", "real = new"}},
        // Each relative link is read from its own folder.
        {"a chain of links",
         [](const fs::path& d) {
             fs::create_directory(d / "sub");
             Put(d / "real", "old");
             fs::create_symlink("sub/middle", d / "gra");
             fs::create_symlink("../real", d / "sub" / "middle");
         },
         std::nullopt,
         {"gra -> sub/middle", "real = new", "sub/", "sub/middle -> ../real"}},
        {"a link to a name not yet taken",
         [](const fs::path& d) { fs::create_symlink("later", d / "gra"); },
         std::nullopt,
         {"gra -> later", "later = new"}},
        {"a named pipe",
         [](const fs::path& d) { ASSERT_EQ(::mkfifo((d / "gra").c_str(), 0600), 0); },
         FileFault::NamedPipe,
         {"gra (special)"}},
        // As root a device node; for anyone a link to one.
        {"a link to a device",
         [](const fs::path& d) { fs::create_symlink("/dev/null", d / "gra"); },
         FileFault::Device,
         {"gra -> /dev/null"}},
        {"a folder",
         [](const fs::path& d) {
             fs::create_directory(d / "gra");
             Put(d / "gra" / "inside", "kept");
         },
         FileFault::Folder,
         {"gra/", "gra/inside = kept"}},
        {"a link to a folder",
         [](const fs::path& d) {
             fs::create_directory(d / "sub");
             fs::create_symlink("sub", d / "gra");
         },
         FileFault::Folder,
         {"gra -> sub", "sub/"}},
        {"a loop of links",
         [](const fs::path& d) {
             fs::create_symlink("other", d / "gra");
             fs::create_symlink("gra", d / "other");
         },
         FileFault::System,
         {"gra -> other", "other -> gra"}},
    };
    for (const Target& target : targets) {
        SCOPED_TRACE(target.what);
        fs::remove_all(dir);
        fs::create_directory(dir);
        target.make(dir);
        const std::string path = (dir / "gra").string();
        try {
            WriteFileAtomically(path, "new");
            EXPECT_FALSE(target.refused) << "written";
        } catch (const FileWriteError& e) {
            EXPECT_EQ(e.File(), path);
            EXPECT_EQ(std::optional(e.Problem().fault), target.refused) << e.what();
        }
        EXPECT_EQ(Listing(dir), target.after);
    }
}

TEST_F(AtomicWriteTest, ASocketIsRefusedAndLeftAlone) {
    const std::string path = (dir / "s").string();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) GTEST_SKIP() << "the folder's path is too long for a socket";
    std::strcpy(address.sun_path, path.c_str());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    try {
        WriteFileAtomically(path, "new");
        ADD_FAILURE() << "written";
    } catch (const FileWriteError& e) {
        EXPECT_EQ(e.Problem().fault, FileFault::Socket);
    }
    ::close(fd);
    EXPECT_EQ(Listing(dir), std::vector<std::string>{"s (special)"});
}

TEST_F(AtomicWriteTest, AFileKeepsItsPermissionsAndOwnerAndANewOneFollowsTheUmask) {
    Put(dir / "private", "old");
    fs::permissions(dir / "private", fs::perms::owner_read | fs::perms::owner_write);
    WriteFileAtomically((dir / "private").string(), "new");
    EXPECT_EQ(Mode(dir / "private"), 0600u);
    // Through a link, the file it leads to keeps its bits.
    Put(dir / "shared", "old");
    ::chmod((dir / "shared").c_str(), 0640);
    fs::create_symlink("shared", dir / "link");
    WriteFileAtomically((dir / "link").string(), "new");
    EXPECT_EQ(Mode(dir / "shared"), 0640u);
    EXPECT_EQ(Text(dir / "shared"), "new");

    // The owner too, where the process may give it (as root).
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown((dir / "shared").c_str(), 4321, 4322), 0);
        WriteFileAtomically((dir / "link").string(), "newer");
        struct stat st {};
        ASSERT_EQ(::stat((dir / "shared").c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 4321u);
        EXPECT_EQ(st.st_gid, 4322u);
        EXPECT_EQ(st.st_mode & 07777, 0640u);
    }

    const mode_t mask = ::umask(027);
    WriteFileAtomically((dir / "fresh").string(), "new");
    ::umask(mask);
    EXPECT_EQ(Mode(dir / "fresh"), 0640u);
}

// Temporary files of writers that were killed go with the next write in
// their folder; a live process's, this one's, and any other name stay.
TEST_F(AtomicWriteTest, StaleTemporaryFilesAreRemovedAndLiveOnesKept) {
    const std::string gone = std::to_string(GonePid());
    const std::string live = std::to_string(::getppid());
    const std::string self = std::to_string(::getpid());
    // A process this one may not signal: another user's.
    const pid_t foreignPid = GonePid();
    const ForeignProcess foreign(foreignPid);
    const std::vector<std::string> kept = {
        ".gra.tmp-" + live + "-0",                        // a live process's
        ".gra.tmp-" + std::to_string(foreignPid) + "-0",  // another user's
        ".gra.tmp-" + self + "-1",                        // this process's, maybe another thread's write
        "gra.tmp-" + gone + "-0",                         // not hidden: not our naming
        ".gra.tmp-" + gone + "-x",                        // no attempt number
        ".gra.tmp-" + gone,                               //
        ".gra.old-" + gone + "-0",                        //
        "notatki.txt",
    };
    for (const std::string& name : kept) Put(dir / name, "x");
    // Of our naming but a folder: not a file we made.
    fs::create_directory(dir / (".inna.tmp-" + gone + "-0"));
    Put(dir / (".gra.tmp-" + gone + "-0"), "stale");
    Put(dir / (".inna gra.dzwonex.tmp-" + gone + "-12"), "stale");

    WriteFileAtomically((dir / "gra").string(), "new");
    std::vector<std::string> expected = {"gra = new", ".inna.tmp-" + gone + "-0/"};
    for (const std::string& name : kept) expected.push_back(name + " = x");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Listing(dir), expected);
}

// The new bytes are on the disk before the name leads to them, and the
// name is on the disk before the write is done.
TEST_F(AtomicWriteTest, TheBytesReachTheDiskBeforeTheNameAndTheNameBeforeTheEnd) {
    Put(dir / "gra", "old");
    const std::string folder = fs::canonical(dir).string();
    const SystemCallLog log;
    WriteFileAtomically((dir / "gra").string(), "new");
    std::vector<std::string> steps;
    for (const std::string& call : log.Calls()) {
        if (call == "fsync " + folder)
            steps.push_back("the folder reaches the disk");
        else if (call.starts_with("fsync " + folder + "/"))
            steps.push_back("a file in the folder reaches the disk");
        else if (call.starts_with("rename ") && call.ends_with(" " + (dir / "gra").string()))
            steps.push_back("a file is renamed to gra");
        else
            steps.push_back(call);
    }
    EXPECT_EQ(steps, (std::vector<std::string>{"a file in the folder reaches the disk", "a file is renamed to gra",
                                               "the folder reaches the disk"}));
    EXPECT_EQ(Listing(dir), std::vector<std::string>{"gra = new"});
}

// Any name the file system takes: the temporary's name is cut to fit, at
// a whole character.
TEST_F(AtomicWriteTest, ANameAsLongAsTheFileSystemTakesIsWritten) {
    const long longest = ::pathconf(dir.c_str(), _PC_NAME_MAX);
    ASSERT_GT(longest, 20);
    const auto most = static_cast<size_t>(longest);
    std::string polish;
    while (polish.size() + 2 <= most) polish += "\xC5\xBC";  // ż
    for (const std::string& name : {std::string(most - 15, 'g'), std::string(most, 'g'), polish}) {
        SCOPED_TRACE(name.size());
        fs::remove_all(dir);
        fs::create_directory(dir);
        Put(dir / name, "old");
        WriteFileAtomically((dir / name).string(), "new");
        WriteFileAtomically((dir / "new").string(), "new");
        std::vector<std::string> expected = {name + " = new", "new = new"};
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(Listing(dir), expected);
    }
}

// Like other tools, the writer leaves a file its user made read-only as it
// is, and says why; root, who may write any file, replaces it.
TEST_F(AtomicWriteTest, AReadOnlyFileIsRefusedAndLeftAsItWas) {
    const std::optional<std::string> wrong = AsAUser(dir, [this] {
        std::string wrong;
        for (const mode_t mode : {0444, 0000, 0400}) {
            const fs::path file = dir / ("gra" + std::to_string(mode));
            Put(file, "old");
            ::chmod(file.c_str(), mode);
            try {
                WriteFileAtomically(file.string(), "new");
                wrong += "mode " + std::to_string(mode) + " written; ";
            } catch (const FileWriteError& e) {
                if (e.Problem().error != EACCES) wrong += e.what() + std::string("; ");
            }
            ::chmod(file.c_str(), 0600);
            if (Text(file) != "old") wrong += "mode " + std::to_string(mode) + " changed; ";
        }
        if (Listing(dir) != std::vector<std::string>{"gra0 = old", "gra256 = old", "gra292 = old"})
            wrong += "the folder holds more; ";
        return wrong;
    });
    if (!wrong) GTEST_SKIP() << "the user nobody cannot reach " << dir;
    EXPECT_EQ(*wrong, "");
}

TEST_F(AtomicWriteTest, AWriteThatFailsLeavesTheFileAsItWasAndNoTemporary) {
    Put(dir / "gra", "old");
    try {
        WriteFileAtomically((dir / "gra").string(), "new and longer", 4);
        ADD_FAILURE() << "written";
    } catch (const FileWriteError& e) {
        EXPECT_EQ(e.Problem().fault, FileFault::System);
        EXPECT_EQ(e.Problem().error, ENOSPC);
    }
    EXPECT_EQ(Listing(dir), std::vector<std::string>{"gra = old"});
    try {
        WriteFileAtomically("", "new");
        ADD_FAILURE() << "written";
    } catch (const FileWriteError& e) {
        EXPECT_EQ(e.Problem().fault, FileFault::NoName);
    }
}

}  // namespace dzwonex::testing
