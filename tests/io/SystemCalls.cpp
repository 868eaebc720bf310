#include "SystemCalls.h"

#include <dlfcn.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <mutex>

namespace dzwonex::testing {

namespace {

std::mutex gMutex;
std::vector<std::string>* gCalls = nullptr;
std::atomic<pid_t> gForeign{0};

void Note(const std::string& call) {
    const std::lock_guard lock(gMutex);
    if (gCalls) gCalls->push_back(call);
}

std::string PathOf(int fd) {
    char buffer[4096];
    const ssize_t n = ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), buffer, sizeof buffer);
    return n < 0 ? "?" : std::string(buffer, static_cast<std::size_t>(n));
}

template <typename Call>
Call Real(const char* name) {
    return reinterpret_cast<Call>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

SystemCallLog::SystemCallLog() {
    const std::lock_guard lock(gMutex);
    gCalls = new std::vector<std::string>;
}

SystemCallLog::~SystemCallLog() {
    const std::lock_guard lock(gMutex);
    delete gCalls;
    gCalls = nullptr;
}

std::vector<std::string> SystemCallLog::Calls() const {
    const std::lock_guard lock(gMutex);
    return *gCalls;
}

ForeignProcess::ForeignProcess(pid_t pid) { gForeign = pid; }

ForeignProcess::~ForeignProcess() { gForeign = 0; }

}  // namespace dzwonex::testing

using dzwonex::testing::gForeign;
using dzwonex::testing::Note;
using dzwonex::testing::PathOf;
using dzwonex::testing::Real;

extern "C" int fsync(int fd) {
    static const auto real = Real<int (*)(int)>("fsync");
    Note("fsync " + PathOf(fd));
    return real(fd);
}

extern "C" int rename(const char* from, const char* to) noexcept {
    static const auto real = Real<int (*)(const char*, const char*)>("rename");
    Note(std::string("rename ") + from + " " + to);
    return real(from, to);
}

extern "C" int kill(pid_t pid, int signal) noexcept {
    static const auto real = Real<int (*)(pid_t, int)>("kill");
    if (pid != 0 && pid == gForeign) {
        errno = EPERM;
        return -1;
    }
    return real(pid, signal);
}
