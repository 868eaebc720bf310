#pragma once
// The temporary files a write makes beside its target: a hidden name of
// our own, ".<name>.tmp-<process id>-<attempt>", so that one left behind
// by a process that was killed can be told apart and removed.
#include <string>

namespace dzwonex {

// The temporary file for `target` on the given attempt, in its folder.
std::string TemporaryName(const std::string& target, int attempt);

// Removes from `folder` the temporary files of our naming whose process no
// longer runs. Another live process's, this process's own, and anything
// else in the folder stay. Quietly does what it can.
void RemoveStaleTemporaries(const std::string& folder);

}  // namespace dzwonex
