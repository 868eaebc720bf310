#pragma once
// Where a write to a path really goes, and what it must keep there.
#include <sys/types.h>

#include <optional>
#include <string>

namespace dzwonex {

struct SaveTarget {
    // The file to replace: the path itself, or what its symbolic links
    // lead to, so that the links stay links.
    std::string path;
    // The file there now, whose permission bits and owner the new one takes;
    // none for a new name.
    struct Existing {
        mode_t mode = 0;
        uid_t owner = 0;
        gid_t group = 0;
    };
    std::optional<Existing> existing;
};

// Follows symbolic links from `path`, a chain of them and relative ones
// (from the folder of the link), to a regular file or a name not yet
// taken. Anything else there (a folder, a named pipe, a device, a socket)
// is refused and left alone, and so is a file this process may not write.
// Throws FileWriteError naming `path`.
SaveTarget FindSaveTarget(const std::string& path);

// The folder a file's name is in: "." for a bare name.
std::string FolderOf(const std::string& path);

}  // namespace dzwonex
