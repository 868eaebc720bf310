#include "Assets.h"
#include "BmpFile.h"
#include "Bytes.h"
#include "JpegFile.h"
#include "SaveFile.h"
#include "WavFile.h"

#include <filesystem>

namespace dzwonex::assetgen {

std::string BannerShortcut() { return "[InternetShortcut]\r\nURL=https://dzwonex.example/\r\n"; }

void GenerateAll(const std::string& folder) {
    std::filesystem::create_directories(folder);
    const std::string dir = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    SaveFile(dir + "Mapa.jpg", EncodeJpeg(DrawMap(), kMapJpegQuality));
    const std::array<QImage, 6> icons = DrawIcons();
    for (int k = 0; k < 6; ++k) SaveBmp24(dir + std::to_string(k + 1) + ".bmp", icons[static_cast<std::size_t>(k)]);
    SaveBmp24(dir + "Bannery.bmp", DrawBanners());
    SaveBmp24(dir + "Logo.bmp", DrawLogo());
    SaveFile(dir + "psych.xm", xm::Encode(ComposeMusic()));
    SaveFile(dir + "button.wav", EncodeWav16(ButtonSound(), kEffectRate));
    SaveFile(dir + "page.wav", EncodeWav16(PageSound(), kEffectRate));
    SaveFile(dir + "click.wav", EncodeWav16(ClickSound(), kEffectRate));
    const std::string url = BannerShortcut();
    SaveFile(dir + "Banner.url", std::vector<std::uint8_t>(url.begin(), url.end()));
}

}  // namespace dzwonex::assetgen
