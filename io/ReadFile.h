#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FileProblem.h"

namespace dzwonex {

// The most each kind of asset may hold. The game's own are far smaller; the
// limits only keep a damaged or foreign file from eating the memory.
inline constexpr std::size_t kMapFileLimit = 32u << 20;
inline constexpr std::size_t kBitmapFileLimit = 16u << 20;
inline constexpr std::size_t kMusicFileLimit = 16u << 20;
inline constexpr std::size_t kSoundFileLimit = 16u << 20;
inline constexpr std::size_t kShortcutFileLimit = 64u << 10;

// Reads a whole regular file into memory. It is opened once and without
// waiting (a named pipe with no writer cannot block the game), must be a
// regular file, and at most `limit` bytes are taken: a larger file is
// refused before it is read, and one that grows meanwhile once it passes
// the limit. Throws FileReadError.
std::vector<unsigned char> ReadRegularFile(const std::string& path, std::uint64_t limit);

// Reads at most the first `bytes` bytes of a regular file, opened and
// checked as ReadRegularFile does. Throws FileReadError.
std::vector<unsigned char> ReadRegularFileStart(const std::string& path, std::size_t bytes);

}  // namespace dzwonex
