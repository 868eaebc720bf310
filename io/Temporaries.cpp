#include "Temporaries.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <optional>
#include <string_view>

namespace dzwonex {

namespace {

constexpr std::string_view kMark = ".tmp-";

// The process id in one of our temporary names, or nothing for any other
// name.
std::optional<pid_t> WriterOf(std::string_view name) {
    const auto mark = name.rfind(kMark);
    if (!name.starts_with('.') || mark == std::string_view::npos || mark < 2) return std::nullopt;
    const std::string_view tail = name.substr(mark + kMark.size());
    const auto dash = tail.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    auto whole = [](std::string_view digits, auto& value) {
        if (digits.empty() || digits.size() > 10 || digits.find_first_not_of("0123456789") != std::string_view::npos)
            return false;
        return std::from_chars(digits.data(), digits.data() + digits.size(), value).ec == std::errc();
    };
    pid_t pid = 0;
    unsigned attempt = 0;
    if (!whole(tail.substr(0, dash), pid) || !whole(tail.substr(dash + 1), attempt) || pid <= 0) return std::nullopt;
    return pid;
}

bool Gone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

}  // namespace

std::string TemporaryName(const std::string& target, int attempt, std::size_t longestName) {
    const auto slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    const std::string tail = std::string(kMark) + std::to_string(::getpid()) + "-" + std::to_string(attempt);
    // At least one byte of the name stays, so the temporary is still ours.
    const std::size_t room = longestName > tail.size() + 2 ? longestName - tail.size() - 1 : 1;
    if (name.size() > room) {
        std::size_t cut = room;
        // Not inside a character: back to the first byte of the one cut.
        while (cut > 1 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
        name.resize(cut);
    }
    return folder + "." + name + tail;
}

void RemoveStaleTemporaries(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const int fd = ::dirfd(dir);
    const pid_t self = ::getpid();
    while (const dirent* entry = ::readdir(dir)) {
        const std::optional<pid_t> writer = WriterOf(entry->d_name);
        if (!writer || *writer == self || !Gone(*writer)) continue;
        // Only a plain file: a folder or link of that name is not ours.
        struct stat st {};
        if (::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode))
            ::unlinkat(fd, entry->d_name, 0);
    }
    ::closedir(dir);
}

}  // namespace dzwonex
