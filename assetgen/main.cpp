// dzwonex-assetgen FOLDER: writes the game's pictures, music and sounds
// into FOLDER. dzwonex-assetgen --icons FOLDER NAME: writes the program's
// icons as an icon theme tree into FOLDER.
#include "Assets.h"
#include "Fonts.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

namespace assetgen = dzwonex::assetgen;

int main(int argc, char** argv) {
    const bool icons = argc == 4 && std::string(argv[1]) == "--icons";
    if (argc != 2 && !icons) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n       %s --icons ICON_FOLDER NAME\n", argv[0], argv[0]);
        return 2;
    }
    // Painting needs no screen; the offscreen platform also keeps the
    // output independent of whatever display is around.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    try {
        assetgen::LoadFonts();
        if (icons)
            assetgen::GenerateAppIcons(argv[2], argv[3]);
        else
            assetgen::GenerateAll(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "dzwonex-assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
