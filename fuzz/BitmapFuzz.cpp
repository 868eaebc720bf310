// The bitmap check against Qt's reader: whatever the check lets through,
// Qt must decode at the size the check read, or the window would refuse a
// file that the text front end plays with.
#include <cstdio>
#include <cstdlib>

#include <QImage>

#include "ImageFiles.h"

namespace {
void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qInstallMessageHandler(Quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    dzwonex::BmpInfo info;
    try {
        info = dzwonex::CheckBmp({data, size}, "fuzz.bmp");
    } catch (const dzwonex::FileError&) {
        return 0;
    }
    QImage image;
    if (!image.loadFromData(data, static_cast<int>(size), "BMP")) {
        std::fprintf(stderr, "the check passed a bitmap Qt refuses\n");
        std::abort();
    }
    if (image.width() != info.width || image.height() != info.height) {
        std::fprintf(stderr, "the check read %d x %d, Qt %d x %d\n", info.width, info.height, image.width(),
                     image.height());
        std::abort();
    }
    return 0;
}
