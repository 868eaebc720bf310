#include "ImageFiles.h"

#include <new>

#include "JpegErrors.h"

namespace dzwonex {

namespace {

FileError TooLarge(const std::string& path, int64_t width, int64_t height, int limit) {
    const std::string side = std::to_string(limit);
    const std::string size = std::to_string(width) + " × " + std::to_string(height);
    return FileError("File " + path + " is too large: " + size + " pixels (the limit is " + side + " × " + side + ").",
                     path,
                     "Plik " + path + " jest za duży: " + size + " pikseli (najwięcej " + side + " × " + side + ").");
}

FileError NotAJpeg(const std::string& path, const char* why) {
    // libjpeg's own words stay as they are.
    const std::string reason = why[0] ? std::string(" (") + why + ")" : std::string();
    return FileError("File " + path + " is not a valid JPEG picture" + reason + ".", path,
                     "Plik " + path + " nie jest poprawnym obrazem JPEG" + reason + ".");
}

// ------------------------------------------------------------------ JPEG

// The decoder and its error trap, released however the decoding ends.
struct JpegReader {
    jpeg_decompress_struct info{};
    JpegErrorTrap trap{};

    JpegReader() = default;
    JpegReader(const JpegReader&) = delete;
    JpegReader& operator=(const JpegReader&) = delete;
    ~JpegReader() { jpeg_destroy_decompress(&info); }
};

// The two steps that call into libjpeg, each with its own jump target and
// nothing with a destructor in its frame. False on an error.
bool ReadJpegHeader(JpegReader* reader, const unsigned char* data, std::size_t size, unsigned scaleDenom) {
    reader->info.err = reader->trap.Install();
    if (setjmp(reader->trap.jump)) return false;
    jpeg_create_decompress(&reader->info);
    jpeg_mem_src(&reader->info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&reader->info, TRUE);
    reader->info.out_color_space = JCS_RGB;
    reader->info.scale_num = 1;
    reader->info.scale_denom = scaleDenom;
    jpeg_calc_output_dimensions(&reader->info);
    return true;
}

// Rows go one below the other from pixels, or all into the one row at
// pixels when rowStride is 0.
bool ReadJpegRows(JpegReader* reader, unsigned char* pixels, std::size_t rowStride) {
    if (setjmp(reader->trap.jump)) return false;
    jpeg_start_decompress(&reader->info);
    while (reader->info.output_scanline < reader->info.output_height) {
        JSAMPROW row = pixels + reader->info.output_scanline * rowStride;
        jpeg_read_scanlines(&reader->info, &row, 1);
    }
    jpeg_finish_decompress(&reader->info);
    return true;
}

// The header read and held to the rules every map picture keeps.
void ReadUsableJpegHeader(JpegReader* reader, FileBytes bytes, const std::string& path, unsigned scaleDenom) {
    if (!ReadJpegHeader(reader, bytes.data(), bytes.size(), scaleDenom)) throw NotAJpeg(path, reader->trap.message);
    const jpeg_decompress_struct& info = reader->info;
    if (info.image_width > kMaxMapSide || info.image_height > kMaxMapSide)
        throw TooLarge(path, info.image_width, info.image_height, kMaxMapSide);
    if (info.output_components != 3) throw NotAJpeg(path, "");
}

RgbImage Decode(FileBytes bytes, const std::string& path, bool keepPixels, JpegSize* fullSize) {
    try {
        JpegReader reader;
        ReadUsableJpegHeader(&reader, bytes, path, keepPixels ? 1 : 8);
        const jpeg_decompress_struct& info = reader.info;

        const std::size_t width = info.output_width;
        RgbImage image;
        std::vector<unsigned char> scratch;  // the one row kept when the rows are thrown away
        unsigned char* pixels;
        if (keepPixels) {
            image.width = static_cast<int>(info.output_width);
            image.height = static_cast<int>(info.output_height);
            image.rgb.resize(width * info.output_height * 3);
            pixels = image.rgb.data();
        } else {
            scratch.resize(width * 3);
            pixels = scratch.data();
        }
        if (!ReadJpegRows(&reader, pixels, keepPixels ? width * 3 : 0)) throw NotAJpeg(path, reader.trap.message);
        if (fullSize) {
            fullSize->width = static_cast<int>(info.image_width);
            fullSize->height = static_cast<int>(info.image_height);
        }
        return image;
    } catch (const std::bad_alloc&) {
        throw FileReadError(path, {FileFault::OutOfMemory});
    }
}

// ---------------------------------------------------------------- bitmaps

uint32_t Le32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}
uint16_t Le16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

// A colour mask must be one block of at most 8 bits inside the pixel.
bool UsableMask(uint32_t mask, int bitsPerPixel) {
    if (mask == 0) return false;
    if (bitsPerPixel < 32 && (mask >> bitsPerPixel) != 0) return false;
    while ((mask & 1) == 0) mask >>= 1;
    return (mask & (mask + 1)) == 0 && mask <= 0xFF;
}

// Walks run-length encoded pixel data: every run must stay inside its row,
// every jump inside the picture, and the end-of-picture mark must come
// before the file ends.
bool RunLengthDataFits(FileBytes data, int64_t width, int64_t height, bool fourBits) {
    std::size_t at = 0;
    int64_t x = 0, y = 0;
    auto next = [&](unsigned& value) {
        if (at >= data.size()) return false;
        value = data[at++];
        return true;
    };
    for (;;) {
        unsigned count = 0, code = 0;
        if (!next(count) || !next(code)) return false;
        if (count > 0) {  // count pixels of one colour (or two alternating)
            if (y >= height || x + count > width) return false;
            x += count;
            continue;
        }
        switch (code) {
            case 0:  // end of row
                x = 0;
                if (++y > height) return false;
                break;
            case 1:  // end of picture
                return true;
            case 2: {  // jump right and up
                unsigned dx = 0, dy = 0;
                if (!next(dx) || !next(dy)) return false;
                x += dx;
                y += dy;
                if (x >= width || y >= height) return false;
                break;
            }
            default: {  // code pixels given one by one, padded to whole words
                std::size_t bytes = fourBits ? (code + 1) / 2 : code;
                bytes += bytes & 1;
                if (y >= height || x + code > width || data.size() - at < bytes) return false;
                at += bytes;
                x += code;
            }
        }
    }
}

}  // namespace

RgbImage DecodeJpeg(FileBytes bytes, const std::string& path) { return Decode(bytes, path, true, nullptr); }

RgbImage DecodeJpeg(const std::string& path) { return DecodeJpeg(ReadRegularFile(path, kMapFileLimit), path); }

JpegSize CheckJpeg(FileBytes bytes, const std::string& path) {
    JpegSize size;
    Decode(bytes, path, false, &size);
    return size;
}

JpegSize CheckJpeg(const std::string& path) { return CheckJpeg(ReadRegularFile(path, kMapFileLimit), path); }

JpegSize ReadJpegSize(FileBytes bytes, const std::string& path) {
    try {
        JpegReader reader;
        ReadUsableJpegHeader(&reader, bytes, path, 1);
        return {static_cast<int>(reader.info.image_width), static_cast<int>(reader.info.image_height)};
    } catch (const std::bad_alloc&) {
        throw FileReadError(path, {FileFault::OutOfMemory});
    }
}

BmpInfo CheckBmp(FileBytes file, const std::string& path) {
    const FileError invalid("Bitmap image is not valid: " + path, path, "Nieprawidłowy obraz bitmapy: " + path);
    const std::size_t fileSize = file.size();
    if (fileSize < 18 || file[0] != 'B' || file[1] != 'M') throw invalid;
    const uint32_t dataOffset = Le32(&file[10]);
    const uint32_t headerSize = Le32(&file[14]);
    // The OS/2 header, and Windows' version 1, 4 and 5 headers.
    if (headerSize != 12 && headerSize != 40 && headerSize != 108 && headerSize != 124) throw invalid;
    if (fileSize < 14 + headerSize) throw invalid;
    const unsigned char* header = &file[14];

    BmpInfo info;
    int64_t width = 0, height = 0;
    unsigned planes = 0, bpp = 0;
    uint32_t compression = 0, coloursUsed = 0;
    std::size_t paletteEntry = 4;
    if (headerSize == 12) {
        width = Le16(header + 4);
        height = Le16(header + 6);
        planes = Le16(header + 8);
        bpp = Le16(header + 10);
        paletteEntry = 3;
        if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24) throw invalid;
    } else {
        width = static_cast<int32_t>(Le32(header + 4));
        height = static_cast<int32_t>(Le32(header + 8));
        planes = Le16(header + 12);
        bpp = Le16(header + 14);
        compression = Le32(header + 16);
        coloursUsed = Le32(header + 32);
        if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) throw invalid;
    }
    if (planes != 1) throw invalid;
    info.bitsPerPixel = static_cast<int>(bpp);
    info.topDown = height < 0;
    if (height < 0) height = -height;
    if (width <= 0 || height <= 0) throw invalid;
    if (width > kMaxBitmapSide || height > kMaxBitmapSide) throw TooLarge(path, width, height, kMaxBitmapSide);
    info.width = static_cast<int>(width);
    info.height = static_cast<int>(height);

    // Run-length encoding is for 8 or 4 bits a pixel, stored bottom-up;
    // colour masks for 16 or 32.
    const bool runLength = compression == 1 || compression == 2;
    if (compression == 1 && (bpp != 8 || info.topDown)) throw invalid;
    if (compression == 2 && (bpp != 4 || info.topDown)) throw invalid;
    if (compression == 3 && bpp != 16 && bpp != 32) throw invalid;
    if (compression > 3) throw invalid;

    std::size_t headerEnd = 14 + headerSize;
    if (compression == 3 && headerSize == 40) {
        // The red, green and blue masks follow the header.
        if (fileSize < headerEnd + 12) throw invalid;
        for (int i = 0; i < 3; ++i)
            if (!UsableMask(Le32(&file[headerEnd + 4 * i]), info.bitsPerPixel)) throw invalid;
        headerEnd += 12;
    } else if (headerSize >= 108) {
        // Masks in the header: red, green, blue, then alpha, which may be absent.
        for (int i = 0; i < 4; ++i) {
            const uint32_t mask = Le32(header + 40 + 4 * i);
            const bool required = compression == 3 && i < 3;
            if ((mask != 0 || required) && !UsableMask(mask, info.bitsPerPixel)) throw invalid;
        }
    }

    // A palette of at most 2^bpp colours for 8 bits a pixel or fewer; any
    // other picture may carry one of up to 256 that is not used.
    std::size_t colours = coloursUsed;
    if (bpp <= 8) {
        if (colours == 0) colours = std::size_t{1} << bpp;
        if (colours > (std::size_t{1} << bpp)) throw invalid;
    } else if (colours > 256) {
        throw invalid;
    }
    const uint64_t paletteEnd = headerEnd + colours * paletteEntry;
    if (dataOffset < paletteEnd || dataOffset > fileSize) throw invalid;

    if (runLength) {
        if (!RunLengthDataFits(file.subspan(dataOffset), width, height, compression == 2)) throw invalid;
    } else {
        const uint64_t stride = ((static_cast<uint64_t>(width) * bpp + 31) / 32) * 4;
        if (dataOffset + stride * static_cast<uint64_t>(height) > fileSize) throw invalid;
    }
    return info;
}

BmpInfo ReadBmpInfo(const std::string& path) { return CheckBmp(ReadRegularFile(path, kBitmapFileLimit), path); }

}  // namespace dzwonex
