// The map picture's check and decoding: whatever the start-up check lets
// through must decode in full, at the size the check read.
#include <cstdio>
#include <cstdlib>

#include "ImageFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    dzwonex::JpegSize checked;
    try {
        checked = dzwonex::CheckJpeg({data, size}, "fuzz.jpg");
    } catch (const dzwonex::FileError&) {
        return 0;
    }
    try {
        const dzwonex::RgbImage image = dzwonex::DecodeJpeg({data, size}, "fuzz.jpg");
        if (image.width != checked.width || image.height != checked.height ||
            image.rgb.size() != static_cast<std::size_t>(image.width) * image.height * 3) {
            std::fprintf(stderr, "checked %d x %d, decoded %d x %d\n", checked.width, checked.height, image.width,
                         image.height);
            std::abort();
        }
    } catch (const dzwonex::FileError& e) {
        std::fprintf(stderr, "the check passed a picture that does not decode: %s\n", e.what());
        std::abort();
    }
    return 0;
}
