#pragma once
// What the game asks of the system it runs on (POSIX: Linux first, macOS).
#include <cstdint>
#include <string>

namespace dzwonex {

// The folder of the running executable, ending in '/'.
std::string ExecutableDir();

// The logged-on user's name, at most 255 characters; empty when the
// system cannot tell.
std::string LogonUserName();

// A seed from the clock for a game nobody asked to replay: the millisecond
// of the day, ((hour * 60 + minute) * 60 + second) * 1000 + millisecond, UTC.
uint32_t ClockSeed();

// Today's date in the local calendar, "2026-12-07".
std::string TodayIsoDate();

// Keeps every floating-point exception masked and rounding to nearest, so
// no computation can stop the game and every rounding ties to even.
// Returns an object that restores the previous setting when destroyed.
class FloatingPointSetup {
public:
    FloatingPointSetup();
    ~FloatingPointSetup();
    FloatingPointSetup(const FloatingPointSetup&) = delete;
    FloatingPointSetup& operator=(const FloatingPointSetup&) = delete;

private:
    struct Saved;
    Saved* saved_;
};

}  // namespace dzwonex
