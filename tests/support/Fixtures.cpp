#include "Fixtures.h"

#include <atomic>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>
#include <unistd.h>

namespace dzwonex::testing {

namespace {
void Put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(x & 0xFF);
    v.push_back((x >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}
}  // namespace

void WriteBmp24(const std::filesystem::path& path, int width, int height, uint8_t r, uint8_t g, uint8_t b) {
    const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    const uint32_t dataSize = stride * static_cast<uint32_t>(height);
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, 54 + dataSize);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, dataSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            out.push_back(b);
            out.push_back(g);
            out.push_back(r);
        }
        for (uint32_t p = static_cast<uint32_t>(width) * 3; p < stride; ++p) out.push_back(0);
    }
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
}

void WriteJpeg(const std::filesystem::path& path, int width, int height) {
    std::FILE* f = std::fopen(path.string().c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + path.string());
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, f);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 80, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(width) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        for (int x = 0; x < width; ++x) {
            row[x * 3] = static_cast<JSAMPLE>(x * 255 / width);
            row[x * 3 + 1] = static_cast<JSAMPLE>(cinfo.next_scanline * 255 / cinfo.image_height);
            row[x * 3 + 2] = 128;
        }
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&cinfo, &p, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(f);
}

AssetFolder::AssetFolder(int mapWidth, int mapHeight, int bannerHeight) {
    static std::atomic<int> counter{0};
    dir_ = std::filesystem::temp_directory_path() /
           ("dzwonex-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(dir_);
    WriteJpeg(dir_ / "Mapa.jpg", mapWidth, mapHeight);
    WriteBmp24(dir_ / "Bannery.bmp", 400, bannerHeight);
}

AssetFolder::~AssetFolder() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

}  // namespace dzwonex::testing
