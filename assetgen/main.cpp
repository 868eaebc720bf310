// dzwonex-assetgen FOLDER: writes the game's pictures, music and sounds
// into FOLDER.
#include "Assets.h"
#include "Fonts.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace assetgen = dzwonex::assetgen;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    // Painting needs no screen; the offscreen platform also keeps the
    // output independent of whatever display is around.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    try {
        assetgen::LoadFonts();
        assetgen::GenerateAll(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "dzwonex-assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
