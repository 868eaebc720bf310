#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace dzwonex {

// Replaces the file at `path` with `bytes` so that, whatever fails, it
// holds either the earlier file or the whole new one: the bytes go to a
// temporary file in the same folder, reach the disk, and are renamed over
// the file; then the folder reaches the disk too. Where the system has
// them, the temporary file gets its name only once its bytes are on the
// disk, so a writer killed before then leaves nothing behind.
//
// Only a regular file or a new name is replaced: a folder, named pipe,
// device or socket at the path is refused and left alone, and so is a
// file this process may not write (read-only to this user), as other
// tools refuse it. A symbolic link
// is followed (through a chain, relative ones from their own folder) and
// the file it leads to is replaced, the link staying a link. An existing
// file keeps its permission bits, and its owner where the process may set
// it. Temporary files left in that folder by writers that were killed are
// removed. Throws FileWriteError naming `path`; no temporary stays behind.
//
// For tests, failAfterBytes makes the write fail as a full disk would once
// that many bytes are written.
void WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::optional<std::size_t> failAfterBytes = std::nullopt);

}  // namespace dzwonex
