#pragma once
// Everything the game reads from its folder, made from scratch.
#include "XmFile.h"

#include <QImage>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace dzwonex::assetgen {

// Mapa.jpg: the city of Dzwonów seen from above.
constexpr int kMapWidth = 1440;
constexpr int kMapHeight = 1040;
constexpr int kMapJpegQuality = 85;
QImage DrawMap();

// 1.bmp .. 6.bmp: the subscriber icons, 16 x 16, white is transparent.
// Index 0 is kind 1 (phone line) .. index 5 kind 6 (phone booth).
constexpr int kIconSize = 16;
std::array<QImage, 6> DrawIcons();

// Bannery.bmp: 400 x 50 advertisements stacked top to bottom.
constexpr int kBannerWidth = 400;
constexpr int kBannerHeight = 50;
QImage DrawBanners();

// Logo.bmp: 90 x 90.
constexpr int kLogoSize = 90;
QImage DrawLogo();

// psych.xm: the background music.
xm::Module ComposeMusic();

// button.wav, page.wav, click.wav: 16-bit mono at this rate.
constexpr int kEffectRate = 44100;
std::vector<std::int16_t> ButtonSound();
std::vector<std::int16_t> PageSound();
std::vector<std::int16_t> ClickSound();

// Banner.url: the Internet shortcut behind the banner.
std::string BannerShortcut();

// Writes every file into `folder`, creating it when needed.
void GenerateAll(const std::string& folder);

}  // namespace dzwonex::assetgen
