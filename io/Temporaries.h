#pragma once
// The temporary files a write makes beside its target: a hidden name of
// our own, ".<name>.tmp-<process id>-<attempt>", so that one left behind
// by a process that was killed can be told apart and removed.
#include <cstddef>
#include <string>

namespace dzwonex {

// The temporary file for `target` on the given attempt, in its folder. Its
// name takes at most `longestName` bytes, the most the folder's file system
// takes: a long target's name is cut short in it (at a whole character), so
// that any name the file system takes can be written.
std::string TemporaryName(const std::string& target, int attempt, std::size_t longestName = 255);

// Removes from `folder` the temporary files of our naming whose process no
// longer runs. Another live process's (also another user's, which this
// process may not signal), this process's own, and anything else in the
// folder stay. Quietly does what it can.
void RemoveStaleTemporaries(const std::string& folder);

}  // namespace dzwonex
