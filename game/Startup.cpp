// Start-up, a new game and the release of everything at the end.
#include "Game.h"
#include "ImageFiles.h"

namespace dzwonex {

namespace {
const char* const kWelcomeBody =
    "Witaj w grze ekonomicznej \"Dzwonex S.A.\".\r\n\r\n"
    "Poprowadź swój lokalny oddział tej wspaniałej firmy prostą drogą do rozwoju ekonomicznego i nie "
    "przejmuj się, co o Twojej firmie mówią inni...\r\n\r\n"
    "Miłego grania życzy...\r\n\r\n"
    "  Skryptor";
}

void TGame::InitState(const std::string& appDir, const std::string& userName) {
    AppDir = appDir;
    UserName = userName.size() > 255 ? userName.substr(0, 255) : userName;
    FSpeedDragging = false;
    FCases.clear();
    for (auto& list : FSubscribers) list.clear();
}

void TGame::SetBannerStripHeight(int32_t height) { FBannerCount = height / 50; }

void TGame::SetMapPictureSize(int32_t width, int32_t height) {
    MapWidth = width;
    MapHeight = height;
    FView.SetMapSize(width, height);
}

void TGame::LoadGraphicsSizes() {
    const BmpInfo banners = ReadBmpInfo(AppDir + "Bannery.bmp");
    SetBannerStripHeight(banners.height);
    const JpegSize map = CheckJpeg(AppDir + "Mapa.jpg");
    SetMapPictureSize(map.width, map.height);
}

void TGame::NewGame() {
    PickBanner();
    SetSpeed(FView.SpeedGaugeWidth() / 2);
    SetDay(0);
    PopulateMap();
    FMoney = 7500 + FRandom->Random(5001);
    AddMoney(0);
    FOpinion = 1 - FRandom->Random(5);
    AddOpinion(0);
    FQuality = 0;
    AddQuality(0);
    TSprawa& welcome = AppendCase();
    welcome.Kind = ckInfo;
    welcome.Title = "Witaj !";
    welcome.Body = kWelcomeBody;
    ShowCurrentCase();
    MainTimerTimer();
    // Programmatic page change: no page sound.
    FView.SetActivePage(kPageCases);
}

void TGame::PopulateMap() {
    struct Range {
        int32_t base, spread;
    };
    // Kind 5 has a fixed count and draws nothing.
    static constexpr Range kStart[kKindCount] = {{950, 101}, {28, 11}, {14, 5}, {3, 3}, {2, 0}, {22, 5}};
    for (int k = 1; k <= kKindCount; ++k) {
        const Range r = kStart[k - 1];
        const int32_t n = r.spread ? r.base + FRandom->Random(r.spread) : r.base;
        for (int32_t i = 0; i < n; ++i) AddSubscriber(k);
    }
}

void TGame::FreeObjects() {
    // The lists drop their share of each point first; a point still named by
    // a queued case goes with that case.
    for (auto& list : FSubscribers) list.clear();
    FCases.clear();
}

void TGame::PickBanner() {
    FBannerIndex = FRandom->Random(FBannerCount);
    FView.RepaintBanner();
}

void TGame::PageControlChange() { FView.PlayPageSound(); }

}  // namespace dzwonex
