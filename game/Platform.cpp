#include "Platform.h"

#include <cfenv>
#include <cstdlib>
#include <filesystem>

#ifdef _WIN32
#include <lmcons.h>
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif
#ifdef __APPLE__
#include <mach-o/dyld.h>
#endif

namespace dzwonex {

std::string ExecutableDir() {
    std::filesystem::path exe;
#ifdef _WIN32
    wchar_t buffer[MAX_PATH * 4];
    DWORD n = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
    exe = std::filesystem::path(std::wstring(buffer, n));
#elif defined(__APPLE__)
    char buffer[4096];
    uint32_t size = sizeof buffer;
    if (_NSGetExecutablePath(buffer, &size) == 0) exe = buffer;
#else
    std::error_code ec;
    exe = std::filesystem::read_symlink("/proc/self/exe", ec);
#endif
    std::string dir = exe.empty() ? std::filesystem::current_path().string() : exe.parent_path().string();
    const char sep = static_cast<char>(std::filesystem::path::preferred_separator);
    if (dir.empty() || dir.back() != sep) dir += sep;
    return dir;
}

std::string LogonUserName() {
    std::string name;
#ifdef _WIN32
    char buffer[UNLEN + 1];
    DWORD size = sizeof buffer;
    if (GetUserNameA(buffer, &size) && size > 0) name.assign(buffer, size - 1);
#else
    if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name) name = pw->pw_name;
    if (name.empty())
        if (const char* user = std::getenv("USER")) name = user;
#endif
    if (name.size() > 255) name.resize(255);
    return name;
}

struct FloatingPointSetup::Saved {
    std::fenv_t env;
};

FloatingPointSetup::FloatingPointSetup() : saved_(new Saved) {
    // feholdexcept saves the environment and switches to non-stop mode:
    // every exception masked, flags cleared.
    std::feholdexcept(&saved_->env);
    std::fesetround(FE_TONEAREST);
}

FloatingPointSetup::~FloatingPointSetup() {
    std::fesetenv(&saved_->env);
    delete saved_;
}

}  // namespace dzwonex
