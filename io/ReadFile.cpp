#include "ReadFile.h"

#include <fcntl.h>

#include <algorithm>
#include <new>

#include "Descriptor.h"

namespace dzwonex {

namespace {

[[noreturn]] void Refuse(const std::string& path, const FileProblem& problem) { throw FileReadError(path, problem); }

int OpenWithoutWaiting(const std::string& path) {
    // O_NONBLOCK: opening a named pipe would otherwise wait for a writer,
    // and reading it for data. It changes nothing for a regular file.
    for (;;) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd >= 0 || errno != EINTR) return fd;
    }
}

std::size_t ReadSome(const std::string& path, int fd, unsigned char* to, std::size_t n) {
    for (;;) {
        const ssize_t got = ::read(fd, to, n);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno != EINTR) Refuse(path, SystemProblem(errno));
    }
}

// Refuses, with the reason, a file that did not open or is no regular file.
struct stat CheckRegular(const std::string& path, const Descriptor& file) {
    if (file.Get() < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) Refuse(path, {FileFault::Missing});
        // A socket cannot be opened at all; say what it is.
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) Refuse(path, NotARegularFile(st.st_mode));
        Refuse(path, SystemProblem(error));
    }
    struct stat st {};
    if (::fstat(file.Get(), &st) != 0) Refuse(path, SystemProblem(errno));
    if (!S_ISREG(st.st_mode)) Refuse(path, NotARegularFile(st.st_mode));
    return st;
}

std::vector<unsigned char> ReadWhole(const std::string& path, std::uint64_t limit) {
    const Descriptor file(OpenWithoutWaiting(path));
    const struct stat st = CheckRegular(path, file);
    const FileProblem tooLarge{FileFault::TooLarge, limit};
    const auto size = static_cast<std::uint64_t>(std::max<off_t>(st.st_size, 0));
    if (size > limit) Refuse(path, tooLarge);

    // One byte more than the file should hold, so the read that finds its
    // end needs no second allocation; a file that grows (or a file of the
    // system's that tells no size) still stops at limit + 1 bytes.
    const std::uint64_t most = std::min<std::uint64_t>(limit, SIZE_MAX - 1) + 1;
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size + 1));
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got >= most) Refuse(path, tooLarge);
            bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(most, std::max<std::size_t>(2 * got, 4096))));
        }
        const std::size_t n = ReadSome(path, file.Get(), bytes.data() + got, bytes.size() - got);
        if (n == 0) break;
        got += n;
    }
    if (got > limit) Refuse(path, tooLarge);
    bytes.resize(got);
    return bytes;
}

std::vector<unsigned char> ReadStart(const std::string& path, std::size_t most) {
    const Descriptor file(OpenWithoutWaiting(path));
    CheckRegular(path, file);
    std::vector<unsigned char> bytes(most);
    std::size_t got = 0;
    while (got < most) {
        const std::size_t n = ReadSome(path, file.Get(), bytes.data() + got, most - got);
        if (n == 0) break;
        got += n;
    }
    bytes.resize(got);
    return bytes;
}

}  // namespace

std::vector<unsigned char> ReadRegularFileStart(const std::string& path, std::size_t bytes) {
    try {
        return ReadStart(path, bytes);
    } catch (const std::bad_alloc&) {
        Refuse(path, {FileFault::OutOfMemory});
    }
}

std::vector<unsigned char> ReadRegularFile(const std::string& path, std::uint64_t limit) {
    try {
        return ReadWhole(path, limit);
    } catch (const std::bad_alloc&) {
        Refuse(path, {FileFault::OutOfMemory});
    }
}

}  // namespace dzwonex
