#include "AtomicWrite.h"

#include <fcntl.h>

#include <algorithm>

#include "Descriptor.h"
#include "SaveTarget.h"
#include "Temporaries.h"

namespace dzwonex {

namespace {

// A fresh temporary file beside the target, opened for writing.
int CreateTemporary(const SaveTarget& target, std::string& name) {
    // An existing file's bits are given below; until then only we may read.
    const mode_t mode = target.existing ? 0600 : 0666;
    for (int attempt = 0;; ++attempt) {
        name = TemporaryName(target.path, attempt);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST || attempt == 100) return fd;
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

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes, std::optional<std::size_t> failAfterBytes) {
    const SaveTarget target = FindSaveTarget(path);
    RemoveStaleTemporaries(FolderOf(target.path));

    std::string temporary;
    Descriptor file(CreateTemporary(target, temporary));
    if (file.Get() < 0) throw FileWriteError(path, SystemProblem(errno));
    auto fail = [&](int error) {
        if (file.Get() >= 0) file.Close();
        ::unlink(temporary.c_str());
        throw FileWriteError(path, SystemProblem(error));
    };

    if (target.existing)
        if (const int error = TakeOver(file.Get(), *target.existing)) fail(error);
    const std::size_t end = std::min(failAfterBytes.value_or(bytes.size()), bytes.size());
    if (const int error = WriteAll(file.Get(), bytes.substr(0, end))) fail(error);
    if (end < bytes.size()) fail(ENOSPC);
    if (::fsync(file.Get()) != 0) fail(errno);
    if (const int error = file.Close()) fail(error);
    if (::rename(temporary.c_str(), target.path.c_str()) != 0) fail(errno);
    // The new name reaches the disk with its folder.
    const Descriptor folder(::open(FolderOf(target.path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0) ::fsync(folder.Get());
}

}  // namespace dzwonex
