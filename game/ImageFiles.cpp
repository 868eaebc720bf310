#include "ImageFiles.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>

#include <jerror.h>
#include <jpeglib.h>

namespace dzwonex {

AssetError CannotOpen(const std::string& path) { return AssetError("Cannot open file " + path + ".", path); }

namespace {

// libjpeg's own error handler ends the process; ours jumps back instead,
// and treats a premature end of data as an error too.
struct JpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool truncated;
};

void JpegErrorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void JpegEmitMessage(j_common_ptr cinfo, int level) {
    auto* err = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) {
        err->truncated = true;
        (*cinfo->err->format_message)(cinfo, err->message);
    }
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Plain C state only between setjmp and longjmp: nothing here has a destructor.
// Returns 0 on success, 1 on a libjpeg error, 2 on truncated data.
int DecodeInto(std::FILE* file, int scaleDenom, JpegErrorManager* err, jpeg_decompress_struct* cinfo,
               unsigned char* (*rowSink)(void*, int, int, int), void* sinkContext) {
    cinfo->err = jpeg_std_error(&err->pub);
    err->pub.error_exit = JpegErrorExit;
    err->pub.emit_message = JpegEmitMessage;
    err->truncated = false;
    err->message[0] = '\0';
    if (setjmp(err->jump)) {
        jpeg_destroy_decompress(cinfo);
        return 1;
    }
    jpeg_create_decompress(cinfo);
    jpeg_stdio_src(cinfo, file);
    jpeg_read_header(cinfo, TRUE);
    cinfo->out_color_space = JCS_RGB;
    cinfo->scale_num = 1;
    cinfo->scale_denom = static_cast<unsigned int>(scaleDenom);
    jpeg_start_decompress(cinfo);
    while (cinfo->output_scanline < cinfo->output_height) {
        unsigned char* row = rowSink(sinkContext, static_cast<int>(cinfo->output_width),
                                     static_cast<int>(cinfo->output_height), static_cast<int>(cinfo->output_scanline));
        jpeg_read_scanlines(cinfo, &row, 1);
        if (err->truncated) break;
    }
    if (err->truncated) {
        jpeg_destroy_decompress(cinfo);
        return 2;
    }
    jpeg_finish_decompress(cinfo);
    jpeg_destroy_decompress(cinfo);
    return err->truncated ? 2 : 0;
}

struct Sink {
    RgbImage* image;
    std::vector<unsigned char> scratch;  // used when the rows are thrown away
};

unsigned char* KeepRows(void* context, int width, int height, int row) {
    auto* sink = static_cast<Sink*>(context);
    RgbImage& img = *sink->image;
    if (img.rgb.empty()) {
        img.width = width;
        img.height = height;
        img.rgb.resize(static_cast<size_t>(width) * height * 3);
    }
    return img.rgb.data() + static_cast<size_t>(row) * width * 3;
}

unsigned char* DropRows(void* context, int width, int, int) {
    auto* sink = static_cast<Sink*>(context);
    sink->scratch.resize(static_cast<size_t>(width) * 3);
    return sink->scratch.data();
}

RgbImage Decode(const std::string& path, int scaleDenom, bool keepPixels, JpegSize* fullSize) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) throw CannotOpen(path);
    RgbImage image;
    Sink sink{&image, {}};
    JpegErrorManager err{};
    jpeg_decompress_struct cinfo{};
    const int rc = DecodeInto(file.get(), scaleDenom, &err, &cinfo, keepPixels ? KeepRows : DropRows, &sink);
    if (rc != 0) {
        std::string why = err.message[0] ? std::string(" (") + err.message + ")" : std::string();
        throw AssetError("File " + path + " is not a valid JPEG picture" + why + ".", path);
    }
    if (fullSize) {
        fullSize->width = static_cast<int>(cinfo.image_width);
        fullSize->height = static_cast<int>(cinfo.image_height);
    }
    return image;
}

uint32_t Le32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}
uint16_t Le16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

}  // namespace

RgbImage DecodeJpeg(const std::string& path) { return Decode(path, 1, true, nullptr); }

JpegSize CheckJpeg(const std::string& path) {
    JpegSize size;
    Decode(path, 8, false, &size);
    return size;
}

BmpInfo ReadBmpInfo(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw CannotOpen(path);
    in.seekg(0, std::ios::end);
    const auto fileSize = static_cast<uint64_t>(in.tellg());
    in.seekg(0);
    unsigned char head[54] = {};
    in.read(reinterpret_cast<char*>(head), sizeof head);
    const auto got = static_cast<size_t>(in.gcount());
    const AssetError invalid("Bitmap image is not valid", path);

    if (got < 26 || head[0] != 'B' || head[1] != 'M') throw invalid;
    const uint32_t dataOffset = Le32(head + 10);
    const uint32_t dibSize = Le32(head + 14);
    BmpInfo info;
    int64_t height = 0;
    uint32_t compression = 0;
    if (dibSize == 12) {  // OS/2 core header
        info.width = Le16(head + 18);
        height = Le16(head + 20);
        info.bitsPerPixel = Le16(head + 24);
    } else if (dibSize >= 40 && dibSize <= 124 && got >= 54) {
        info.width = static_cast<int32_t>(Le32(head + 18));
        height = static_cast<int32_t>(Le32(head + 22));
        if (Le16(head + 26) != 1) throw invalid;  // planes
        info.bitsPerPixel = Le16(head + 28);
        compression = Le32(head + 30);
    } else {
        throw invalid;
    }
    const int bpp = info.bitsPerPixel;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) throw invalid;
    info.topDown = height < 0;
    if (height < 0) height = -height;
    constexpr int64_t kMaxSide = 32768;
    if (info.width <= 0 || height <= 0 || info.width > kMaxSide || height > kMaxSide) throw invalid;
    info.height = static_cast<int>(height);
    if (dataOffset < 14 + dibSize || dataOffset > fileSize) throw invalid;
    // Uncompressed (or bit-field) pixel data must fit in the file.
    if (compression == 0 || compression == 3) {
        const uint64_t stride = ((static_cast<uint64_t>(info.width) * bpp + 31) / 32) * 4;
        if (dataOffset + stride * static_cast<uint64_t>(info.height) > fileSize) throw invalid;
    } else if (compression != 1 && compression != 2) {
        throw invalid;
    }
    return info;
}

}  // namespace dzwonex
