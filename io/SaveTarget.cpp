#include "SaveTarget.h"

#include <fcntl.h>
#include <unistd.h>

#include <climits>
#include <vector>

#include "Descriptor.h"

namespace dzwonex {

namespace {

// As many links as the system itself follows before it gives up.
constexpr int kMostLinks = 40;

[[noreturn]] void Refuse(const std::string& path, const FileProblem& problem) { throw FileWriteError(path, problem); }

std::string LinkText(const std::string& link, std::size_t sizeHint, const std::string& path) {
    // The size lstat gives may be 0 (some file systems) or outdated.
    std::vector<char> buffer(std::max<std::size_t>(sizeHint, 64) + 1);
    for (;;) {
        const ssize_t n = ::readlink(link.c_str(), buffer.data(), buffer.size());
        if (n < 0) Refuse(path, SystemProblem(errno));
        if (static_cast<std::size_t>(n) < buffer.size()) return std::string(buffer.data(), static_cast<std::size_t>(n));
        if (buffer.size() > PATH_MAX) Refuse(path, SystemProblem(ENAMETOOLONG));
        buffer.resize(2 * buffer.size());
    }
}

// Where a link's text leads: a relative one from the link's own folder.
std::string Resolve(const std::string& link, const std::string& text) {
    if (text.starts_with('/')) return text;
    const auto slash = link.rfind('/');
    return slash == std::string::npos ? text : link.substr(0, slash + 1) + text;
}

}  // namespace

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

SaveTarget FindSaveTarget(const std::string& path) {
    if (path.empty()) Refuse(path, {FileFault::NoName});
    std::string at = path;
    for (int links = 0;; ++links) {
        struct stat st {};
        if (::lstat(at.c_str(), &st) != 0) {
            // A new name (or one a dangling link gives): whether its folder
            // takes a file shows when the temporary file is made.
            if (errno == ENOENT) return {at, std::nullopt};
            Refuse(path, SystemProblem(errno));
        }
        if (S_ISREG(st.st_mode)) {
            // The folder would let a rename replace a read-only file; its
            // owner made it read-only so that nothing would.
            if (::faccessat(AT_FDCWD, at.c_str(), W_OK, AT_EACCESS) != 0 &&
                (errno == EACCES || errno == EPERM || errno == EROFS))
                Refuse(path, SystemProblem(errno));
            return {at, SaveTarget::Existing{st.st_mode & 07777, st.st_uid, st.st_gid}};
        }
        if (!S_ISLNK(st.st_mode)) Refuse(path, NotARegularFile(st.st_mode));
        if (links == kMostLinks) Refuse(path, SystemProblem(ELOOP));
        at = Resolve(at, LinkText(at, static_cast<std::size_t>(st.st_size), path));
    }
}

}  // namespace dzwonex
