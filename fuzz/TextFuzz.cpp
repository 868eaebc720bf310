// The text front end's commands: any input, line by line, on a game started
// on a small asset folder made here. Nothing may crash, hang or trip a
// sanitizer; the game's own checks do the rest. Everything is written in a
// temporary folder of the harness's own, removed at exit: a save or load
// goes to a name in its "work" folder, emptied before each input, and one
// naming another folder ("/x", "../x") never reaches the session.
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "Session.h"

namespace {

namespace fs = std::filesystem;

fs::path gRoot, gAssets, gWork;

void Put32(std::vector<unsigned char>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

// Two 400 x 50 banners, 24 bits a pixel.
void WriteBanners(const fs::path& path) {
    const uint32_t width = 400, height = 100, stride = width * 3, data = stride * height;
    std::vector<unsigned char> out = {'B', 'M'};
    Put32(out, 54 + data);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, width);
    Put32(out, height);
    out.insert(out.end(), {1, 0, 24, 0});
    for (int i = 0; i < 6; ++i) Put32(out, 0);
    out.resize(out.size() + data, 0x80);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(out.data()), out.size());
}

// A 320 x 240 grey map.
void WriteMap(const fs::path& path) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = 320;
    info.image_height = 240;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(320 * 3, 0xA0);
    while (info.next_scanline < info.image_height) {
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&info, &p, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
}

void RemoveRoot() {
    std::error_code ignored;
    fs::remove_all(gRoot, ignored);
}

// The line as the session gets it: a save or load of a plain name goes to
// that name in the work folder; one of a path, or of dots only, not at all.
std::optional<std::string> InTheWorkFolder(const std::string& line) {
    std::istringstream words(line);
    std::string command;
    words >> command;
    if (command != "save" && command != "load") return line;
    const char* const blanks = " \t\v\f\r";
    const size_t from = line.find_first_not_of(blanks, line.find(command) + command.size());
    if (from == std::string::npos) return line;  // the session says a file is needed
    const std::string name = line.substr(from, line.find_last_not_of(blanks) + 1 - from);
    if (name.find('/') != std::string::npos || name.find_first_not_of('.') == std::string::npos) return std::nullopt;
    return command + " " + (gWork / name).string();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string root = (fs::temp_directory_path() / "dzwonex-fuzz-text-XXXXXX").string();
    if (!::mkdtemp(root.data())) {
        std::perror("the fuzz folder cannot be made");
        std::abort();
    }
    gRoot = root;
    gAssets = gRoot / "assets";
    gWork = gRoot / "work";
    fs::create_directories(gAssets);
    fs::create_directories(gWork);
    WriteBanners(gAssets / "Bannery.bmp");
    WriteMap(gAssets / "Mapa.jpg");
    std::atexit(RemoveRoot);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    dzwonex::text::Options options;
    options.seed = 1;
    options.user = "Fuzz";
    options.assets = gAssets.string();
    // Each input starts from an empty work folder, so that it replays alone.
    for (const auto& entry : fs::directory_iterator(gWork)) fs::remove_all(entry.path());
    dzwonex::text::Session session(options);
    if (auto error = session.Start()) {
        std::fprintf(stderr, "the test assets do not load: %s\n", error->c_str());
        std::abort();
    }
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start <= input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string::npos) end = input.size();
        const auto line = InTheWorkFolder(input.substr(start, end - start));
        if (line && session.Execute(*line).outcome == dzwonex::text::Session::Outcome::Quit) break;
        start = end + 1;
    }
    return 0;
}
