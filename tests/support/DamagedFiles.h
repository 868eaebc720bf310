#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "Language.h"

namespace dzwonex::testing {

// One way an asset file can be broken, as a player, a packager or a broken
// download might leave it, and what the game must say about it.
struct Damage {
    std::string what;
    // Replaces the file at the path (which holds a good one) with the damage.
    std::function<void(const std::filesystem::path&)> apply;
    // The message naming the file, given its full path, in the language.
    std::function<std::string(const std::string& path, Language language)> message;
};

// Damage any asset can suffer: a directory, a named pipe, a link to
// /dev/zero in its place, or a file larger than the limit for its kind.
std::vector<Damage> FileSystemDamages(std::size_t sizeLimit);
// A map picture 20 000 and 65 500 px square, 100 x 9 000 and 9 000 x 100
// px, half a map with an end-of-image mark, a bad Huffman code, stray bytes
// before a marker.
std::vector<Damage> MapDamages();
// Bitmaps that only one front end used to take: run-length encoded at 24
// bits a pixel, a palette of 300 colours, short only by the last row's
// padding, 32 768 px square.
std::vector<Damage> BitmapDamages();

// Every damage above, each to one picture: the map, then each bitmap named.
struct PictureDamage {
    std::string file;
    Damage damage;
};
std::vector<PictureDamage> PictureDamages(const std::vector<std::string>& bitmaps);

std::vector<uint8_t> ReadAll(const std::filesystem::path& path);
void WriteAll(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

// A Windows bitmap put together field by field (BITMAPINFOHEADER).
struct BmpLayout {
    int32_t width = 4;
    int32_t height = 4;
    uint16_t bitsPerPixel = 24;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    std::vector<uint8_t> palette;  // 4 bytes a colour
    std::vector<uint8_t> pixels;
};
std::vector<uint8_t> BmpBytes(const BmpLayout& layout);

}  // namespace dzwonex::testing
