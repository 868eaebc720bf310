// Company state: cash, opinion, quality and the six subscriber lists.
#include "Amounts.h"
#include "Game.h"

namespace dzwonex {

namespace {
constexpr Control kCountLabels[kKindCount] = {
    Control::lbl1, Control::lbl2, Control::lbl3, Control::lbl4, Control::lbl5, Control::lbl6,
};
}

TGame::TGame(GameView& view, std::unique_ptr<RandomSource> random)
    : FView(view), FRandom(random ? std::move(random) : std::make_unique<Lcg32>(Lcg32::ClockSeed())) {}

TGame::~TGame() { FreeObjects(); }

void TGame::AddMoney(int32_t delta) {
    // Cash is held at both ends of the 32-bit range instead of wrapping.
    FMoney = Saturate32(static_cast<int64_t>(FMoney) + delta);
    FView.SetText(Control::lblKasa, FormatAmount(FMoney) + " zł");
}

void TGame::AddOpinion(double delta) {
    FOpinion = FOpinion + delta;
    FView.SetText(Control::lblOpinia, FormatAmount(RoundToInt32(FOpinion)));
}

void TGame::AddQuality(double delta) {
    FQuality = FQuality + delta;
    FView.SetText(Control::lblJakosc, FormatAmount(RoundToInt32(FQuality)));
}

void TGame::ShowSubscriberCounts() {
    for (int k = 1; k <= kKindCount; ++k) FView.SetText(kCountLabels[k - 1], FormatAmount(Count(k)));
    FView.RepaintMap();
}

void TGame::PlaceRandomly(TCos& point) { point.PlaceRandomly(*FRandom, MapWidth, MapHeight); }

std::shared_ptr<TCos> TGame::AddSubscriber(int32_t kind) {
    auto point = std::make_shared<TCos>(*FRandom, MapWidth, MapHeight);
    Subscribers(kind).push_back(point);
    ShowSubscriberCounts();
    return point;
}

void TGame::RemoveSubscriberAt(int32_t kind, int32_t index) {
    auto& list = Subscribers(kind);
    if (index < 0 || index >= static_cast<int32_t>(list.size())) return;
    // A case may still hold the point; shared ownership keeps it alive.
    list.erase(list.begin() + index);
    ShowSubscriberCounts();
}

bool TGame::IsListed(const TCos* point) const {
    for (const auto& list : FSubscribers)
        for (const auto& p : list)
            if (p.get() == point) return true;
    return false;
}

}  // namespace dzwonex
