// Start-up, a new game and the release of everything at the end.
#include "Company.h"
#include "Texts.h"

namespace dzwonex {

void Company::Reset(const std::string& userName) {
    userName_ = userName.size() > 255 ? userName.substr(0, 255) : userName;
    Clear();
}

void Company::SetBannerStripHeight(int32_t height) { bannerCount_ = height / 50; }

void Company::SetMapPictureSize(int32_t width, int32_t height) {
    mapWidth_ = width;
    mapHeight_ = height;
    view_.SetMapSize(width, height);
}

void Company::SetUpNewGame() {
    NextBanner();
    SetSpeedStep(kStartSpeed);
    SetDay(0);
    PopulateMap();
    cash_ = Money(7500 + random_->Random(5001));
    AddMoney(Money(0));
    opinion_ = 1 - random_->Random(5);
    AddOpinion(0);
    quality_ = 0;
    AddQuality(0);
    Case& welcome = AppendCase();
    welcome.kind = ckInfo;
    welcome.title = Texts(language_).welcomeTitle;
    welcome.body = Texts(language_).welcomeBody;
    ShowCurrentCase();
    NextDay();
    // Turned by the game, not the player: no page sound.
    view_.SetActivePage(kPageCases);
}

void Company::PopulateMap() {
    struct Range {
        int32_t base, spread;
    };
    // Kind 5 has a fixed count and draws nothing.
    static constexpr Range kStart[kKindCount] = {{950, 101}, {28, 11}, {14, 5}, {3, 3}, {2, 0}, {22, 5}};
    for (int k = 1; k <= kKindCount; ++k) {
        const Range r = kStart[k - 1];
        const int32_t n = r.spread ? r.base + random_->Random(r.spread) : r.base;
        for (int32_t i = 0; i < n; ++i) AddSubscriber(k);
    }
}

void Company::Clear() {
    // The lists drop their share of each point first; a point still named by
    // a queued case goes with that case.
    for (auto& list : subscribers_) list.clear();
    cases_.clear();
}

void Company::NextBanner() {
    bannerIndex_ = random_->Random(bannerCount_);
    view_.RepaintBanner();
}

void Company::PageChangedByPlayer() { view_.PlayPageSound(); }

}  // namespace dzwonex
