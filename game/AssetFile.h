#pragma once
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace dzwonex {

// An asset file that cannot be used. what() is the text the player sees;
// it always names the file.
class AssetError : public std::runtime_error {
public:
    AssetError(const std::string& message, std::string file) : std::runtime_error(message), file_(std::move(file)) {}
    const std::string& File() const { return file_; }

private:
    std::string file_;
};

// "Cannot open file <path>." for a file that is not there.
AssetError CannotOpen(const std::string& path);
// "File <path> cannot be read (<reason>)." for one that is there but is no
// use: a folder, a pipe, a device, far too large, unreadable.
AssetError CannotRead(const std::string& path, const std::string& reason);

// The most each kind of file may hold. The game's own are far smaller; the
// limits only keep a damaged or foreign file from eating the memory.
inline constexpr std::size_t kMapFileLimit = 32u << 20;
inline constexpr std::size_t kBitmapFileLimit = 16u << 20;
inline constexpr std::size_t kMusicFileLimit = 16u << 20;
inline constexpr std::size_t kSoundFileLimit = 16u << 20;
inline constexpr std::size_t kShortcutFileLimit = 64u << 10;

// Reads a whole asset file into memory. The file is opened once and without
// waiting (a named pipe with no writer cannot block the game), must be a
// regular file, and at most maxSize bytes are ever read. Throws AssetError.
std::vector<unsigned char> ReadAssetFile(const std::string& path, std::size_t maxSize);

}  // namespace dzwonex
