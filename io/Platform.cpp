#include "Platform.h"

#include <pwd.h>
#include <unistd.h>

#include <cfenv>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#ifdef __APPLE__
#include <mach-o/dyld.h>
#endif

namespace dzwonex {

std::string ExecutableDir() {
    std::filesystem::path exe;
#ifdef __APPLE__
    char buffer[4096];
    uint32_t size = sizeof buffer;
    if (_NSGetExecutablePath(buffer, &size) == 0) exe = buffer;
#else
    std::error_code ec;
    exe = std::filesystem::read_symlink("/proc/self/exe", ec);
#endif
    std::string dir = exe.empty() ? std::filesystem::current_path().string() : exe.parent_path().string();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

std::string LogonUserName() {
    std::string name;
    if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name) name = pw->pw_name;
    if (name.empty())
        if (const char* user = std::getenv("USER")) name = user;
    if (name.size() > 255) name.resize(255);
    return name;
}

uint32_t ClockSeed() {
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    const auto msOfDay = duration_cast<milliseconds>(now).count() % (24LL * 60 * 60 * 1000);
    return static_cast<uint32_t>(msOfDay);
}

std::string TodayIsoDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[16] = "";
    if (!localtime_r(&now, &local) || std::strftime(text, sizeof text, "%Y-%m-%d", &local) == 0) return {};
    return text;
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
