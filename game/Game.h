#pragma once
#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "Cos.h"
#include "Random.h"
#include "Sprawa.h"
#include "View.h"

namespace dzwonex {

enum SubscriberKind : int32_t {
    skPhone = 1,
    skIsdn = 2,
    skSdi = 3,
    skNeostrada = 4,
    skPolpak = 5,
    skBooth = 6,
};
inline constexpr int kKindCount = 6;

using PointList = std::vector<std::shared_ptr<TCos>>;

// The whole company and its rules. The window owns one, hands it a view,
// and calls these operations from its event handlers; nothing here knows
// about widgets or sound devices.
class TGame {
public:
    explicit TGame(GameView& view, std::unique_ptr<RandomSource> random = nullptr);
    ~TGame();
    TGame(const TGame&) = delete;
    TGame& operator=(const TGame&) = delete;

    RandomSource& Rng() { return *FRandom; }
    GameView& View() { return FView; }

    // --- Start-up, new game and shutdown ---
    void InitState(const std::string& appDir, const std::string& userName);
    // Reads the sizes the game needs from "Bannery.bmp" and "Mapa.jpg"
    // (banner strip first, as the window loads them). Throws AssetError.
    void LoadGraphicsSizes();
    // Sets what loading the pictures found; the window decodes them itself.
    void SetBannerStripHeight(int32_t height);
    void SetMapPictureSize(int32_t width, int32_t height);
    void NewGame();
    void PopulateMap();
    void FreeObjects();

    // --- Company state and amounts ---
    void AddMoney(int32_t delta);
    void AddOpinion(double delta);
    void AddQuality(double delta);
    void ShowSubscriberCounts();
    std::shared_ptr<TCos> AddSubscriber(int32_t kind);
    void RemoveSubscriberAt(int32_t kind, int32_t index);
    void PlaceRandomly(TCos& point);
    PointList& Subscribers(int32_t kind) { return FSubscribers[kind - 1]; }
    const PointList& Subscribers(int32_t kind) const { return FSubscribers[kind - 1]; }
    int32_t Count(int32_t kind) const { return static_cast<int32_t>(FSubscribers[kind - 1].size()); }
    // True while the point stands in one of the six lists.
    bool IsListed(const TCos* point) const;

    // --- Daily turn ---
    void MainTimerTimer();
    void SetDay(int32_t day);
    void CollectIncome();
    void PayExpenses();
    void GrowPhones();
    void GrowIsdn();
    // n > 0 adds n points of the kind; n < 0 removes -n random ones while
    // any remain (an empty list draws nothing).
    void DriftSubscribers(int32_t kind, int32_t n);

    // --- Case queue ---
    TSprawa& AppendCase();
    TSprawa& PushCase();
    void ShowCurrentCase();
    void btnOKClick();

    // --- Decisions ---
    void btnYesClick();
    void btnNoClick();
    void RemoveSubscriber(const TCos* point);
    void ReplySdiRefused();
    void ReplyNeostradaRefused();
    void ReplyPolpakRefused();

    // --- Event generators ---
    void SdiEvents();
    void NeostradaEvents();
    void PolpakEvents();
    void RaiseDemand();
    void OpinionLetters();
    void QualityProposals();

    // --- Map press (X, Y in map picture pixels; any button) ---
    void paintboxMapaMouseDown(int32_t x, int32_t y);

    // --- Speed control ---
    void SetSpeed(int32_t x);
    void progressSpeedMouseDown(int32_t x);
    void progressSpeedMouseMove(int32_t x);
    void progressSpeedMouseUp();
    int32_t SpeedPosition() const { return FSpeedPosition; }

    // --- Banner ---
    void PickBanner();
    void BannerTimerTimer() { PickBanner(); }

    // --- Pages ---
    // The player chose another page.
    void PageControlChange();

    // Where the assets are read and who signs the refusal letters.
    std::string AppDir;
    std::string UserName;
    int32_t MapWidth = 0;
    int32_t MapHeight = 0;

    int32_t FBannerIndex = 0;
    int32_t FBannerCount = 0;
    bool FSpeedDragging = false;
    int32_t FDay = 0;
    std::array<PointList, kKindCount> FSubscribers;
    int32_t FMoney = 0;
    double FOpinion = 0.0;
    double FQuality = 0.0;
    std::deque<std::unique_ptr<TSprawa>> FCases;

private:
    GameView& FView;
    std::unique_ptr<RandomSource> FRandom;
    // The gauge is built at position 5.
    int32_t FSpeedPosition = 5;
};

}  // namespace dzwonex
