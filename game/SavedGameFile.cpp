// Saved games on the disk. A save goes to a temporary file in the same
// folder, which is flushed and then renamed over the old one, so an earlier
// save survives any failure. A load reads only a regular file of sane size
// and never waits on a pipe or a device.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "Company.h"
#include "SavedGame.h"

namespace dzwonex {

namespace {

std::string Reason(int error) { return std::strerror(error); }

[[noreturn]] void CannotSave(const std::string& path, const std::string& why) {
    throw SavedGameError("The game could not be saved to " + path + ": " + why + ".");
}

[[noreturn]] void NotOurs(const std::string& path, const std::string& why) {
    throw SavedGameError(path + " is not a Dzwonex saved game (" + why + ")");
}

// Closes the descriptor when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    // Closes now and reports the error close() found, or 0.
    int Close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0 ? 0 : errno;
    }

private:
    int fd_;
};

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A hidden name of our own beside the target: the same folder, so the
// rename replaces the target in one step.
std::string TemporaryName(const std::string& path, int attempt) {
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + base + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
}

}  // namespace

void SaveGame(const std::string& path, const SavedGame& game, std::optional<size_t> failAfterBytes) {
    if (path.empty()) CannotSave(path, "no file name was given");
    const std::string text = SavedGameText(game);

    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary = TemporaryName(path, attempt);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || attempt == 100)) CannotSave(path, Reason(errno));
    }
    Descriptor file(fd);
    auto fail = [&](int error) {
        if (file.Get() >= 0) file.Close();
        ::unlink(temporary.c_str());
        CannotSave(path, Reason(error));
    };

    const size_t end = failAfterBytes ? std::min(*failAfterBytes, text.size()) : text.size();
    for (size_t done = 0; done < end;) {
        const ssize_t n = ::write(file.Get(), text.data() + done, end - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) fail(n < 0 ? errno : EIO);
        done += static_cast<size_t>(n);
    }
    if (end < text.size()) fail(ENOSPC);
    if (::fsync(file.Get()) != 0) fail(errno);
    if (const int error = file.Close()) fail(error);
    if (::rename(temporary.c_str(), path.c_str()) != 0) fail(errno);
    // The new name reaches the disk with its folder.
    Descriptor folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0) ::fsync(folder.Get());
}

SavedGame LoadGame(const std::string& path) {
    // Non-blocking: opening a pipe nobody writes to must not wait.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.Get() < 0) throw SavedGameError("Cannot open " + path + ": " + Reason(errno) + ".");
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0) throw SavedGameError("Cannot read " + path + ": " + Reason(errno) + ".");
    if (S_ISDIR(info.st_mode)) NotOurs(path, "it is a folder");
    if (!S_ISREG(info.st_mode)) NotOurs(path, "it is not a regular file");
    const std::string tooLarge = "it is larger than " + std::to_string(kSavedGameMaxBytes >> 20) + " MB";
    if (static_cast<uint64_t>(info.st_size) > kSavedGameMaxBytes) NotOurs(path, tooLarge);

    std::string text;
    text.reserve(static_cast<size_t>(info.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(file.Get(), chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw SavedGameError("Cannot read " + path + ": " + Reason(errno) + ".");
        if (n == 0) break;
        text.append(chunk, static_cast<size_t>(n));
        // The file may have grown since it was measured.
        if (text.size() > kSavedGameMaxBytes) NotOurs(path, tooLarge);
    }
    return ParseSavedGame(text, path);
}

void RestoreGame(Company& company, History& history, const std::string& path) {
    const SavedGame game = LoadGame(path);
    try {
        company.Restore(game.company);
    } catch (const std::invalid_argument& e) {
        NotOurs(path, e.what());
    }
    history.Restore(game.history);
}

}  // namespace dzwonex
