#include "CompanyBuilder.h"

namespace dzwonex::testing {

CompanyBuilder& CompanyBuilder::Counts(const std::array<int, kKindCount>& counts) {
    Lcg32 side(1);
    const int32_t w = std::max(company_.mapWidth_, 1), h = std::max(company_.mapHeight_, 1);
    for (int k = 1; k <= kKindCount; ++k) {
        PointList& list = company_.subscribers_[static_cast<size_t>(k - 1)];
        list.clear();
        for (int i = 0; i < counts[static_cast<size_t>(k - 1)]; ++i) {
            const int32_t x = side.Random(w);
            list.push_back(std::make_shared<const MapPoint>(x, side.Random(h)));
        }
    }
    return *this;
}

std::shared_ptr<const MapPoint> CompanyBuilder::PointAt(int32_t kind, int32_t x, int32_t y) {
    auto point = std::make_shared<const MapPoint>(x, y);
    company_.subscribers_[static_cast<size_t>(kind - 1)].push_back(point);
    return point;
}

CompanyBuilder& CompanyBuilder::Cash(int32_t cash) {
    company_.cash_ = Money(cash);
    return *this;
}

CompanyBuilder& CompanyBuilder::Opinion(double opinion) {
    company_.opinion_ = opinion;
    return *this;
}

CompanyBuilder& CompanyBuilder::Quality(double quality) {
    company_.quality_ = quality;
    return *this;
}

CompanyBuilder& CompanyBuilder::ClearKind(int32_t kind) {
    company_.subscribers_[static_cast<size_t>(kind - 1)].clear();
    return *this;
}

CompanyBuilder& CompanyBuilder::Speed(int32_t position) {
    company_.speedPosition_ = position;
    return *this;
}

CompanyBuilder& CompanyBuilder::BannerIndex(int32_t index) {
    company_.bannerIndex_ = index;
    return *this;
}

Case& CompanyBuilder::AppendCase() { return company_.AppendCase(); }

Case& CompanyBuilder::PushCase() { return company_.PushCase(); }

CompanyBuilder& CompanyBuilder::ClearCases() {
    company_.cases_.clear();
    return *this;
}

}  // namespace dzwonex::testing
