#include "AssetFiles.h"

#include <fstream>
#include <iterator>

namespace assettest {

const std::vector<std::string>& assetNames() {
    static const std::vector<std::string> names = {
        "Mapa.jpg",    "1.bmp",    "2.bmp",    "3.bmp",      "4.bmp",    "5.bmp",     "6.bmp",
        "Bannery.bmp", "Logo.bmp", "psych.xm", "button.wav", "page.wav", "click.wav", "Banner.url",
    };
    return names;
}

std::string assetPath(const std::string& name) { return std::string(DZWONEX_ASSET_DIR) + name; }

std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint16_t le16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b.at(at) | (b.at(at + 1) << 8));
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(le16(b, at)) | (static_cast<std::uint32_t>(le16(b, at + 2)) << 16);
}

Picture loadBmpWithSdl(const std::string& path) {
    Picture picture;
    SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
    if (!loaded) return picture;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0);
    SDL_FreeSurface(loaded);
    if (!rgb) return picture;
    picture.width = rgb->w;
    picture.height = rgb->h;
    SDL_LockSurface(rgb);
    for (int y = 0; y < rgb->h; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(rgb->pixels) + y * rgb->pitch;
        for (int x = 0; x < rgb->w; ++x) picture.pixels.push_back({row[3 * x], row[3 * x + 1], row[3 * x + 2]});
    }
    SDL_UnlockSurface(rgb);
    SDL_FreeSurface(rgb);
    return picture;
}

BmpHeader readBmpHeader(const std::vector<std::uint8_t>& b) {
    BmpHeader h;
    if (b.size() < 54) return h;
    h.signature = b[0] == 'B' && b[1] == 'M';
    h.fileSize = le32(b, 2);
    h.pixelOffset = le32(b, 10);
    h.infoSize = le32(b, 14);
    h.width = static_cast<std::int32_t>(le32(b, 18));
    h.height = static_cast<std::int32_t>(le32(b, 22));
    h.planes = le16(b, 26);
    h.bitsPerPixel = le16(b, 28);
    h.compression = le32(b, 30);
    return h;
}

}  // namespace assettest
