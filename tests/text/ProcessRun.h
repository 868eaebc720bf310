#pragma once
#include <string>

namespace dzwonex::testing {

struct ProcessRun {
    int status = -1;
    std::string out;
    std::string err;
};

// The status of a run stopped for taking longer than its time limit.
inline constexpr int kTimedOut = 124;

// Runs dzwonex-text with the arguments (shell words) and the input on
// stdin, stopped after the time limit; with a memory limit, its address
// space is held to that many kilobytes (ulimit -v).
ProcessRun RunText(const std::string& args, const std::string& input, int limitSeconds = 60, long memoryKb = 0);

// One shell word, quoted.
std::string ShellQuote(const std::string& word);

}  // namespace dzwonex::testing
