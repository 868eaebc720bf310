#pragma once
#include <string>

namespace dzwonex {

// The folder of the running executable, ending in a path separator.
std::string ExecutableDir();

// The logged-on user's name, at most 255 characters; empty when the
// platform cannot tell.
std::string LogonUserName();

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
