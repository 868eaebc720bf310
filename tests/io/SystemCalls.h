#pragma once
// The io tests stand in for a few calls of the C library. Each goes on to
// the real call; while a SystemCallLog lives it is also written down, in
// order, and a ForeignProcess makes kill() find a process this one may not
// signal, as another user's is.
#include <sys/types.h>

#include <string>
#include <vector>

namespace dzwonex::testing {

class SystemCallLog {
public:
    SystemCallLog();
    ~SystemCallLog();
    SystemCallLog(const SystemCallLog&) = delete;
    SystemCallLog& operator=(const SystemCallLog&) = delete;
    // "fsync PATH" (the descriptor's file, as /proc names it) and
    // "rename FROM TO", in the order they were made.
    std::vector<std::string> Calls() const;
};

class ForeignProcess {
public:
    explicit ForeignProcess(pid_t pid);
    ~ForeignProcess();
    ForeignProcess(const ForeignProcess&) = delete;
    ForeignProcess& operator=(const ForeignProcess&) = delete;
};

}  // namespace dzwonex::testing
