#include "AtomicWrite.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

#include "Descriptor.h"
#include "SaveTarget.h"
#include "Temporaries.h"

namespace dzwonex {

namespace {

// The longest name the folder's file system takes.
std::size_t LongestName(const std::string& folder) {
    const long longest = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return longest > 0 ? static_cast<std::size_t>(longest) : 255;
}

// A file in the folder with no name yet (Linux's O_TMPFILE): a writer
// killed while it writes and syncs leaves nothing behind. -1 where the
// system or the folder's file system has no such files.
int OpenUnnamed(const std::string& folder, mode_t mode) {
#ifdef O_TMPFILE
    return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
#else
    (void)folder, (void)mode;
    return -1;
#endif
}

// A fresh temporary file beside the target, opened for writing.
int CreateTemporary(const std::string& target, std::size_t longestName, mode_t mode, std::string& name) {
    for (int attempt = 0;; ++attempt) {
        name = TemporaryName(target, attempt, longestName);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST || attempt == 100) return fd;
    }
}

// Gives the unnamed file a temporary name, to rename over the target (a
// link cannot replace a file). Returns 0 or the errno; ENOENT where /proc
// is not there to reach the file by.
int NameUnnamed(int fd, const std::string& target, std::size_t longestName, std::string& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0;; ++attempt) {
        name = TemporaryName(target, attempt, longestName);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
        if (errno != EEXIST || attempt == 100) {
            name.clear();
            return errno;
        }
    }
}

// Gives the temporary file what the file it replaces had: the owner only
// where the process may (as root, or a group it belongs to), then the
// permission bits, which a change of owner may have cleared.
int TakeOver(int fd, const SaveTarget::Existing& existing) {
    if (::fchown(fd, existing.owner, existing.group) != 0) (void)!::fchown(fd, static_cast<uid_t>(-1), existing.group);
    return ::fchmod(fd, existing.mode) == 0 ? 0 : errno;
}

int WriteAll(int fd, std::string_view bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// The new file's whole contents, on the disk. Returns 0 or the errno.
int Fill(int fd, const SaveTarget& target, std::string_view bytes, std::optional<std::size_t> failAfterBytes) {
    if (target.existing)
        if (const int error = TakeOver(fd, *target.existing)) return error;
    const std::size_t end = std::min(failAfterBytes.value_or(bytes.size()), bytes.size());
    if (const int error = WriteAll(fd, bytes.substr(0, end))) return error;
    if (end < bytes.size()) return ENOSPC;
    return ::fsync(fd) == 0 ? 0 : errno;
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes, std::optional<std::size_t> failAfterBytes) {
    const SaveTarget target = FindSaveTarget(path);
    const std::string folder = FolderOf(target.path);
    RemoveStaleTemporaries(folder);
    const std::size_t longestName = LongestName(folder);
    // An existing file's bits are given below; until then only we may read.
    const mode_t mode = target.existing ? 0600 : 0666;

    // The temporary's name, once it has one.
    std::string temporary;
    auto refuse = [&](int error) {
        if (!temporary.empty()) ::unlink(temporary.c_str());
        throw FileWriteError(path, SystemProblem(error));
    };
    int fd = OpenUnnamed(folder, mode);
    if (fd >= 0) {
        Descriptor unnamed(fd);
        if (const int error = Fill(fd, target, bytes, failAfterBytes)) refuse(error);
        if (const int error = NameUnnamed(fd, target.path, longestName, temporary); error != 0 && error != ENOENT)
            refuse(error);
        if (!temporary.empty())
            if (const int error = unnamed.Close()) refuse(error);
    }
    if (temporary.empty()) {
        // Without unnamed files, a named one from the start.
        Descriptor file(CreateTemporary(target.path, longestName, mode, temporary));
        if (file.Get() < 0) {
            const int error = errno;
            temporary.clear();  // not ours: another writer's, or none
            refuse(error);
        }
        if (const int error = Fill(file.Get(), target, bytes, failAfterBytes)) {
            file.Close();
            refuse(error);
        }
        if (const int error = file.Close()) refuse(error);
    }
    if (::rename(temporary.c_str(), target.path.c_str()) != 0) refuse(errno);
    // The new name reaches the disk with its folder.
    const Descriptor folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFd.Get() >= 0) ::fsync(folderFd.Get());
}

}  // namespace dzwonex
