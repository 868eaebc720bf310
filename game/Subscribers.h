#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "MapPoint.h"

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

// One kind's subscribers in the order they joined.
using PointList = std::vector<std::shared_ptr<const MapPoint>>;

}  // namespace dzwonex
