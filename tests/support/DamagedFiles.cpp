#include "DamagedFiles.h"

#include "ReadFile.h"

#include <sys/stat.h>

#include <fstream>
#include <stdexcept>

namespace dzwonex::testing {

namespace fs = std::filesystem;

std::vector<uint8_t> ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteAll(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

namespace {

void Replace(const fs::path& path) { fs::remove_all(path); }

// The message of a file that cannot be read, with its reason in both
// languages.
auto CannotRead(std::string english, std::string polish) {
    return [english, polish](const std::string& path, Language language) {
        return language == Language::Polish ? "Nie można odczytać pliku " + path + " (" + polish + ")."
                                            : "File " + path + " cannot be read (" + english + ").";
    };
}

std::string TooLarge(const std::string& path, Language language, int width, int height, int limit) {
    const std::string size = std::to_string(width) + " × " + std::to_string(height);
    const std::string most = std::to_string(limit) + " × " + std::to_string(limit);
    return language == Language::Polish
               ? "Plik " + path + " jest za duży: " + size + " pikseli (najwięcej " + most + ")."
               : "File " + path + " is too large: " + size + " pixels (the limit is " + most + ").";
}

// Where a marker starts, from the given offset; npos when there is none.
size_t FindMarker(const std::vector<uint8_t>& jpeg, uint8_t marker, size_t from = 0) {
    for (size_t i = from; i + 1 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == marker) return i;
    return std::string::npos;
}

// The first byte of the entropy-coded data after the start-of-scan header.
size_t ScanData(const std::vector<uint8_t>& jpeg) {
    const size_t sos = FindMarker(jpeg, 0xDA);
    if (sos == std::string::npos) throw std::runtime_error("no scan in the test picture");
    return sos + 2 + (jpeg[sos + 2] << 8 | jpeg[sos + 3]);
}

// The picture with another size in its frame header: the header is all
// that is read before the size is refused.
void Resize(const fs::path& path, int width, int height) {
    auto jpeg = ReadAll(path);
    const size_t sof = FindMarker(jpeg, 0xC0);
    if (sof == std::string::npos) throw std::runtime_error("the test picture is not baseline");
    jpeg[sof + 5] = static_cast<uint8_t>(height >> 8);
    jpeg[sof + 6] = static_cast<uint8_t>(height);
    jpeg[sof + 7] = static_cast<uint8_t>(width >> 8);
    jpeg[sof + 8] = static_cast<uint8_t>(width);
    WriteAll(path, jpeg);
}

std::string NotAJpeg(const std::string& path, Language language) {
    return language == Language::Polish ? "Plik " + path + " nie jest poprawnym obrazem JPEG"
                                        : "File " + path + " is not a valid JPEG picture";
}

}  // namespace

std::vector<Damage> FileSystemDamages(std::size_t sizeLimit) {
    return {
        {"a directory", [](const fs::path& p) { Replace(p), fs::create_directory(p); },
         CannotRead("it is a folder", "to folder")},
        {"a named pipe",
         [](const fs::path& p) {
             Replace(p);
             if (::mkfifo(p.c_str(), 0600) != 0) throw std::runtime_error("cannot make a pipe");
         },
         CannotRead("it is a named pipe", "to potok nazwany")},
        {"a link to /dev/zero", [](const fs::path& p) { Replace(p), fs::create_symlink("/dev/zero", p); },
         CannotRead("it is a device", "to urządzenie")},
        // Sparse: nothing is written to the disk.
        {"a file over the limit",
         [sizeLimit](const fs::path& p) { fs::resize_file(p, static_cast<uintmax_t>(sizeLimit) + 1); },
         CannotRead("it is larger than " + std::to_string(sizeLimit >> 20) + " MiB",
                    "jest większy niż " + std::to_string(sizeLimit >> 20) + " MiB")},
    };
}

std::vector<Damage> MapDamages() {
    auto tooLarge = [](int width, int height) {
        return [width, height](const std::string& p, Language language) {
            return TooLarge(p, language, width, height, 8192);
        };
    };
    // libjpeg's words stay English in either language.
    auto notAJpeg = [](const char* reason) {
        return [reason](const std::string& p, Language language) {
            return NotAJpeg(p, language) + " (Corrupt JPEG data: " + reason + ").";
        };
    };
    return {
        {"a map of 20000 x 20000 px", [](const fs::path& p) { Resize(p, 20000, 20000); }, tooLarge(20000, 20000)},
        {"a map of 65500 x 65500 px", [](const fs::path& p) { Resize(p, 65500, 65500); }, tooLarge(65500, 65500)},
        // Each side is checked on its own.
        {"a map of 100 x 9000 px", [](const fs::path& p) { Resize(p, 100, 9000); }, tooLarge(100, 9000)},
        {"a map of 9000 x 100 px", [](const fs::path& p) { Resize(p, 9000, 100); }, tooLarge(9000, 100)},
        {"half a map with an end-of-image mark",
         [](const fs::path& p) {
             auto jpeg = ReadAll(p);
             jpeg.resize(jpeg.size() / 2);
             jpeg.insert(jpeg.end(), {0xFF, 0xD9});
             WriteAll(p, jpeg);
         },
         notAJpeg("premature end of data segment")},
        {"a bad Huffman code",
         [](const fs::path& p) {
             // Sixteen one bits in a row are no code of any table. Near the
             // end of the data: libjpeg-turbo's fast decoder, which it uses
             // while plenty of data is left, takes a bad code silently (and
             // is thrown off for the rest of the picture).
             auto jpeg = ReadAll(p);
             const size_t at = jpeg.size() - 200;
             if (at < ScanData(jpeg)) throw std::runtime_error("the test picture is too small");
             for (size_t i = 0; i < 8; ++i) jpeg[at + 2 * i] = 0xFF, jpeg[at + 2 * i + 1] = 0x00;
             WriteAll(p, jpeg);
         },
         notAJpeg("bad Huffman code")},
        {"stray bytes before a marker",
         [](const fs::path& p) {
             auto jpeg = ReadAll(p);
             jpeg.insert(jpeg.begin() + static_cast<long>(FindMarker(jpeg, 0xDA)), {0x12, 0x34, 0x56});
             WriteAll(p, jpeg);
         },
         notAJpeg("3 extraneous bytes before marker 0xda")},
    };
}

std::vector<uint8_t> BmpBytes(const BmpLayout& l) {
    std::vector<uint8_t> out = {'B', 'M'};
    auto put16 = [&](uint32_t v) {
        out.push_back(static_cast<uint8_t>(v));
        out.push_back(static_cast<uint8_t>(v >> 8));
    };
    auto put32 = [&](uint32_t v) { put16(v & 0xFFFF), put16(v >> 16); };
    const uint32_t offset = 54 + static_cast<uint32_t>(l.palette.size());
    put32(offset + static_cast<uint32_t>(l.pixels.size()));
    put32(0);
    put32(offset);
    put32(40);
    put32(static_cast<uint32_t>(l.width));
    put32(static_cast<uint32_t>(l.height));
    put16(1);
    put16(l.bitsPerPixel);
    put32(l.compression);
    put32(static_cast<uint32_t>(l.pixels.size()));
    put32(2835);
    put32(2835);
    put32(l.coloursUsed);
    put32(0);
    out.insert(out.end(), l.palette.begin(), l.palette.end());
    out.insert(out.end(), l.pixels.begin(), l.pixels.end());
    return out;
}

std::vector<Damage> BitmapDamages() {
    auto invalid = [](const std::string& p, Language language) {
        return (language == Language::Polish ? "Nieprawidłowy obraz bitmapy: " : "Bitmap image is not valid: ") + p;
    };
    return {
        {"run-length encoded at 24 bits a pixel",
         [](const fs::path& p) {
             // Four rows of four pixels in runs, then the end mark.
             WriteAll(p, BmpBytes({.width = 4,
                                   .height = 4,
                                   .bitsPerPixel = 24,
                                   .compression = 1,
                                   .coloursUsed = 0,
                                   .palette = {},
                                   .pixels = {4, 1, 0, 0, 4, 2, 0, 0, 4, 3, 0, 0, 4, 4, 0, 1}}));
         },
         invalid},
        {"a palette of 300 colours",
         [](const fs::path& p) {
             WriteAll(p, BmpBytes({.width = 4,
                                   .height = 4,
                                   .bitsPerPixel = 8,
                                   .compression = 0,
                                   .coloursUsed = 300,
                                   .palette = std::vector<uint8_t>(300 * 4, 0x40),
                                   .pixels = std::vector<uint8_t>(16, 7)}));
         },
         invalid},
        // Every row, the last too, is padded to whole 4-byte words.
        {"short only by the last row's padding",
         [](const fs::path& p) {
             WriteAll(p, BmpBytes({.width = 1,
                                   .height = 2,
                                   .bitsPerPixel = 24,
                                   .compression = 0,
                                   .coloursUsed = 0,
                                   .palette = {},
                                   .pixels = {1, 2, 3, 0, 4, 5, 6}}));
         },
         invalid},
        {"32768 x 32768 px, run-length encoded",
         [](const fs::path& p) {
             WriteAll(p, BmpBytes({.width = 32768,
                                   .height = 32768,
                                   .bitsPerPixel = 8,
                                   .compression = 1,
                                   .coloursUsed = 0,
                                   .palette = std::vector<uint8_t>(256 * 4, 0x80),
                                   .pixels = {0, 1}}));
         },
         [](const std::string& p, Language language) { return TooLarge(p, language, 32768, 32768, 4096); }},
    };
}

std::vector<PictureDamage> PictureDamages(const std::vector<std::string>& bitmaps) {
    std::vector<PictureDamage> rows;
    for (const Damage& d : FileSystemDamages(kMapFileLimit)) rows.push_back({"Mapa.jpg", d});
    for (const Damage& d : MapDamages()) rows.push_back({"Mapa.jpg", d});
    for (const std::string& file : bitmaps) {
        for (const Damage& d : FileSystemDamages(kBitmapFileLimit)) rows.push_back({file, d});
        for (const Damage& d : BitmapDamages()) rows.push_back({file, d});
    }
    return rows;
}

}  // namespace dzwonex::testing
