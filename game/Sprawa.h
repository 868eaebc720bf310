#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "Cos.h"

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

// One case of the inbox. Subject is shared with the subscriber list, never
// owned by the case alone.
class TSprawa {
public:
    TSprawa();
    ~TSprawa();
    TSprawa(const TSprawa&) = delete;
    TSprawa& operator=(const TSprawa&) = delete;

    int32_t Kind = ckInfo;
    int32_t Param = 0;
    int32_t Param2 = 0;
    std::shared_ptr<TCos> Subject;
    std::string Title;
    std::string Body;

    static long LiveCount();
};

}  // namespace dzwonex
