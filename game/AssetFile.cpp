#include "AssetFile.h"

#include <algorithm>
#include <cerrno>
#include <new>
#include <system_error>

#ifdef _WIN32
#include <filesystem>
#include <fstream>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace dzwonex {

AssetError CannotOpen(const std::string& path) { return AssetError("Cannot open file " + path + ".", path); }

AssetError CannotRead(const std::string& path, const std::string& reason) {
    return AssetError("File " + path + " cannot be read (" + reason + ").", path);
}

namespace {

std::string TooLarge(std::size_t maxSize) {
    const std::string amount = maxSize >= (1u << 20) && maxSize % (1u << 20) == 0
                                   ? std::to_string(maxSize >> 20) + " MiB"
                                   : std::to_string(maxSize >> 10) + " KiB";
    return "it is larger than " + amount;
}

// The buffer is one byte larger than the file should be, so the read that
// finds its end needs no second allocation; a file that grows while it is
// read still stops at maxSize + 1 bytes.
template <typename ReadSome>
std::vector<unsigned char> ReadBounded(const std::string& path, std::size_t expected, std::size_t maxSize,
                                       ReadSome readSome) {
    std::vector<unsigned char> bytes(std::min(expected, maxSize) + 1);
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > maxSize) throw CannotRead(path, TooLarge(maxSize));
            bytes.resize(std::min(maxSize + 1, std::max<std::size_t>(2 * got, 4096)));
        }
        const std::size_t n = readSome(bytes.data() + got, bytes.size() - got);
        if (n == 0) break;
        got += n;
    }
    if (got > maxSize) throw CannotRead(path, TooLarge(maxSize));
    bytes.resize(got);
    return bytes;
}

#ifdef _WIN32

std::vector<unsigned char> ReadWhole(const std::string& path, std::size_t maxSize) {
    namespace fs = std::filesystem;
    const fs::path file(std::u8string(path.begin(), path.end()));
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (!fs::exists(status)) throw CannotOpen(path);
    if (fs::is_directory(status)) throw CannotRead(path, "it is a directory");
    if (!fs::is_regular_file(status)) throw CannotRead(path, "it is not a regular file");
    const auto size = fs::file_size(file, ec);
    if (!ec && size > maxSize) throw CannotRead(path, TooLarge(maxSize));
    std::ifstream in(file, std::ios::binary);
    if (!in) throw CannotRead(path, "it cannot be opened");
    return ReadBounded(path, ec ? 0 : static_cast<std::size_t>(size), maxSize, [&](unsigned char* to, std::size_t n) {
        in.read(reinterpret_cast<char*>(to), static_cast<std::streamsize>(n));
        if (in.bad()) throw CannotRead(path, "a read failed");
        return static_cast<std::size_t>(in.gcount());
    });
}

#else

std::string ErrnoText(int error) { return std::generic_category().message(error); }

// Why something that is not a regular file cannot be an asset.
std::string NotARegularFile(mode_t mode) {
    if (S_ISDIR(mode)) return "it is a directory";
    if (S_ISFIFO(mode)) return "it is a named pipe";
    if (S_ISSOCK(mode)) return "it is a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device";
    return "it is not a regular file";
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

std::vector<unsigned char> ReadWhole(const std::string& path, std::size_t maxSize) {
    // O_NONBLOCK: opening a named pipe would otherwise wait for a writer,
    // and reading it for data. It changes nothing for a regular file.
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) throw CannotOpen(path);
        // A socket cannot be opened at all; say what it is.
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) throw CannotRead(path, NotARegularFile(st.st_mode));
        throw CannotRead(path, ErrnoText(error));
    }
    const FileDescriptor file(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0) throw CannotRead(path, ErrnoText(errno));
    if (!S_ISREG(st.st_mode)) throw CannotRead(path, NotARegularFile(st.st_mode));
    const auto size = static_cast<std::size_t>(std::max<off_t>(st.st_size, 0));
    if (size > maxSize) throw CannotRead(path, TooLarge(maxSize));
    return ReadBounded(path, size, maxSize, [&](unsigned char* to, std::size_t n) -> std::size_t {
        for (;;) {
            const ssize_t got = ::read(fd, to, n);
            if (got >= 0) return static_cast<std::size_t>(got);
            if (errno != EINTR) throw CannotRead(path, ErrnoText(errno));
        }
    });
}

#endif

}  // namespace

std::vector<unsigned char> ReadAssetFile(const std::string& path, std::size_t maxSize) {
    try {
        return ReadWhole(path, maxSize);
    } catch (const std::bad_alloc&) {
        throw CannotRead(path, "not enough memory");
    }
}

}  // namespace dzwonex
