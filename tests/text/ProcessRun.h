#pragma once
#include <string>

namespace dzwonex::testing {

struct ProcessRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs dzwonex-text with the arguments (shell words) and the input on stdin.
ProcessRun RunText(const std::string& args, const std::string& input);

// One shell word, quoted.
std::string ShellQuote(const std::string& word);

}  // namespace dzwonex::testing
