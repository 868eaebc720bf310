#include "Assets.h"
#include "BmpFile.h"
#include "Bytes.h"
#include "JpegFile.h"
#include "WavFile.h"

#include <filesystem>

namespace assets {

std::string bannerShortcut() { return "[InternetShortcut]\r\nURL=https://dzwonex.example/\r\n"; }

void generateAll(const std::string& folder) {
    std::filesystem::create_directories(folder);
    const std::string dir = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    saveFile(dir + "Mapa.jpg", encodeJpeg(drawMap(), kMapJpegQuality));
    const std::array<QImage, 6> icons = drawIcons();
    for (int k = 0; k < 6; ++k)
        saveBmp24(dir + std::to_string(k + 1) + ".bmp", icons[static_cast<std::size_t>(k)]);
    saveBmp24(dir + "Bannery.bmp", drawBanners());
    saveBmp24(dir + "Logo.bmp", drawLogo());
    saveFile(dir + "psych.xm", xm::encode(composeMusic()));
    saveFile(dir + "button.wav", encodeWav16(buttonSound(), kEffectRate));
    saveFile(dir + "page.wav", encodeWav16(pageSound(), kEffectRate));
    saveFile(dir + "click.wav", encodeWav16(clickSound(), kEffectRate));
    const std::string url = bannerShortcut();
    saveFile(dir + "Banner.url", std::vector<std::uint8_t>(url.begin(), url.end()));
}

}  // namespace assets
