#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

namespace dzwonex::testing {

// Writes a 24-bit Windows bitmap of one colour.
void WriteBmp24(const std::filesystem::path& path, int width, int height, uint8_t r = 10, uint8_t g = 20,
                uint8_t b = 30);
// Writes a baseline JPEG of the given size with a simple gradient.
void WriteJpeg(const std::filesystem::path& path, int width, int height);

// A fresh folder with the pictures the headless start-up reads:
// a 1400 x 1000 "Mapa.jpg" and a 400 x 200 "Bannery.bmp".
class AssetFolder {
public:
    explicit AssetFolder(int mapWidth = 1400, int mapHeight = 1000, int bannerHeight = 200);
    ~AssetFolder();
    const std::filesystem::path& Path() const { return dir_; }
    // AppDir form: with a trailing separator.
    std::string Dir() const { return dir_.string() + "/"; }

private:
    std::filesystem::path dir_;
};

}  // namespace dzwonex::testing
