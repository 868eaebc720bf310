#pragma once
// What the reader and the writer share: a descriptor closed when it goes,
// and why something that is not a regular file cannot be used.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "FileProblem.h"

namespace dzwonex {

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    // Closes now and returns the error close() found, or 0.
    int Close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// The fault of a file that is not a regular one.
inline FileProblem NotARegularFile(mode_t mode) {
    if (S_ISDIR(mode)) return {FileFault::Folder};
    if (S_ISFIFO(mode)) return {FileFault::NamedPipe};
    if (S_ISSOCK(mode)) return {FileFault::Socket};
    return {FileFault::Device};
}

inline FileProblem SystemProblem(int error) {
    if (error == ENOENT) return {FileFault::Missing};
    if (error == ENOMEM) return {FileFault::OutOfMemory};
    return {FileFault::System, 0, error};
}

}  // namespace dzwonex
