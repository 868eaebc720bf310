#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "MapPoint.h"

namespace dzwonex {

enum CaseKind : int32_t {
    ckInfo = 0,
    ckDisconnect = 1,
    ckSdiRequest = 2,
    ckSdiBribe = 3,
    ckNeostradaRequest = 4,
    ckNeostradaBribe = 5,
    ckPolpakRequest = 6,
    ckPolpakBribe = 7,
    ckBooth = 8,
    ckSpyReport = 9,
    ckRaise = 10,
    ckQuality = 11,
};
inline constexpr int32_t kLastCaseKind = ckQuality;

// One case of the inbox. What the parameters mean depends on the kind.
struct Case {
    int32_t kind = ckInfo;
    int32_t param = 0;                        // subscriber kind, envelope, press X, report weight or quality change
    int32_t param2 = 0;                       // press Y, or the subscriber kind of a spy report
    std::shared_ptr<const MapPoint> subject;  // the point a disconnect case is about; shared with its list
    std::string title;
    std::string body;  // lines end in "\r\n"
};

}  // namespace dzwonex
