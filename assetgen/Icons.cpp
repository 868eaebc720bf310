// 1.bmp .. 6.bmp: the six subscriber icons, drawn pixel by pixel. Each
// kind has its own outline (disc, square, triangle, diamond, briefcase,
// booth) as well as its own colour, so they can be told apart without
// relying on red and green; every shape has a dark rim so it shows on
// the pale map. White is the transparent colour, so no pixel inside a
// shape is pure white.
#include "Assets.h"

#include <map>
#include <stdexcept>

namespace dzwonex::assetgen {
namespace {

using Grid = const char* [16];

// '.' transparent, 'K' rim, 'F' body, 'D' body shade, 'L' light detail.
struct Icon {
    Grid rows;
    QRgb body;
    QRgb shade;
    QRgb light;
};

const QRgb kRim = qRgb(28, 28, 38);

// Kind 1: telephone line, a blue disc with a telephone.
const Icon kPhone = {{
                         "................",
                         "................",
                         ".....KKKKKK.....",
                         "....KFFFFFFK....",
                         "...KFFFFFFFFK...",
                         "..KFLLLLLLLLFK..",
                         "..KFLLFFFFLLFK..",
                         "..KFFFFFFFFFFK..",
                         "..KFFFLLLLFFFK..",
                         "..KFFLLDDLLFFK..",
                         "..KFFLLLLLLFFK..",
                         "...KFFFFFFFFK...",
                         "....KFFFFFFK....",
                         ".....KKKKKK.....",
                         "................",
                         "................",
                     },
                     qRgb(30, 96, 200),
                     qRgb(20, 60, 140),
                     qRgb(236, 242, 250)};

// Kind 2: ISDN line, an orange square with two lines on one cable.
const Icon kIsdn = {{
                        "................",
                        "................",
                        "..KKKKKKKKKKKK..",
                        "..KFFFFFFFFFFK..",
                        "..KFLLLLLLLLFK..",
                        "..KFFFFFFFFFFK..",
                        "..KFFFFFFFFFFK..",
                        "..KFLLLLLLLLFK..",
                        "..KFFFFFFFFFFK..",
                        "..KFFFFFFFFFFK..",
                        "..KFLLLLLLLLFK..",
                        "..KFFFFFFFFFFK..",
                        "..KDDDDDDDDDDK..",
                        "..KKKKKKKKKKKK..",
                        "................",
                        "................",
                    },
                    qRgb(236, 128, 16),
                    qRgb(170, 84, 8),
                    qRgb(255, 236, 200)};

// Kind 3: SDI fixed line, a purple triangle with an arrow pointing up.
const Icon kSdi = {{
                       "................",
                       ".......KK.......",
                       "......KFFK......",
                       "......KFFK......",
                       ".....KFFFFK.....",
                       ".....KFLLFK.....",
                       "....KFLLLLFK....",
                       "....KLLLLLLK....",
                       "...KFFFLLFFFK...",
                       "...KFFFLLFFFK...",
                       "..KFFFFLLFFFFK..",
                       "..KFFFFLLFFFFK..",
                       ".KFFFFFLLFFFFFK.",
                       ".KDDDDDDDDDDDDK.",
                       ".KKKKKKKKKKKKKK.",
                       "................",
                   },
                   qRgb(128, 52, 170),
                   qRgb(84, 30, 116),
                   qRgb(246, 232, 252)};

// Kind 4: Neostrada, a teal diamond with a ring inside.
const Icon kNeostrada = {{
                             "................",
                             ".......KK.......",
                             "......KFFK......",
                             ".....KFFFFK.....",
                             "....KFFLLFFK....",
                             "...KFFLFFLFFK...",
                             "..KFFLFFFFLFFK..",
                             ".KFFLFFDDFFLFFK.",
                             ".KFFLFFDDFFLFFK.",
                             "..KFFLFFFFLFFK..",
                             "...KFFLFFLFFK...",
                             "....KFFLLFFK....",
                             ".....KFFFFK.....",
                             "......KFFK......",
                             ".......KK.......",
                             "................",
                         },
                         qRgb(0, 150, 136),
                         qRgb(0, 92, 84),
                         qRgb(226, 250, 244)};

// Kind 5: Polpak-T business line, a dark red briefcase.
const Icon kPolpak = {{
                          "................",
                          "................",
                          "................",
                          ".....KKKKKK.....",
                          ".....KDDDDK.....",
                          ".KKKKKKKKKKKKKK.",
                          ".KFFFFFFFFFFFFK.",
                          ".KFFFFFFFFFFFFK.",
                          ".KFFFFFLLFFFFFK.",
                          ".KDDDDDLLDDDDDK.",
                          ".KFFFFFLLFFFFFK.",
                          ".KFFFFFFFFFFFFK.",
                          ".KFFFFFFFFFFFFK.",
                          ".KKKKKKKKKKKKKK.",
                          "................",
                          "................",
                      },
                      qRgb(150, 50, 34),
                      qRgb(96, 30, 20),
                      qRgb(250, 206, 80)};

// Kind 6: telephone booth, a tall yellow booth with a receiver behind glass.
const Icon kBooth = {{
                         "................",
                         "......KKKK......",
                         ".....KFFFFK.....",
                         "....KKKKKKKK....",
                         "....KFFFFFFK....",
                         "....KFLLLLFK....",
                         "....KFLDDLFK....",
                         "....KFLDLLFK....",
                         "....KFLDDLFK....",
                         "....KFLLLLFK....",
                         "....KFLLLLFK....",
                         "....KFFFFFFK....",
                         "....KFFDDFFK....",
                         "....KFFFFFFK....",
                         "...KKKKKKKKKK...",
                         "................",
                     },
                     qRgb(246, 196, 20),
                     qRgb(40, 40, 48),
                     qRgb(206, 226, 238)};

QImage Render(const Icon& icon) {
    QImage image(kIconSize, kIconSize, QImage::Format_RGB32);
    const std::map<char, QRgb> colours = {
        {'.', qRgb(255, 255, 255)}, {'K', kRim}, {'F', icon.body}, {'D', icon.shade}, {'L', icon.light},
    };
    for (int y = 0; y < kIconSize; ++y) {
        const char* row = icon.rows[y];
        for (int x = 0; x < kIconSize; ++x) {
            const auto it = colours.find(row[x]);
            if (it == colours.end() || row[kIconSize] != '\0') throw std::logic_error("bad icon grid");
            image.setPixel(x, y, it->second);
        }
    }
    return image;
}

}  // namespace

std::array<QImage, 6> DrawIcons() {
    return {Render(kPhone), Render(kIsdn), Render(kSdi), Render(kNeostrada), Render(kPolpak), Render(kBooth)};
}

}  // namespace dzwonex::assetgen
