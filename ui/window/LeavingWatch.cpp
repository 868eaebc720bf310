#include "LeavingWatch.h"

#include "LeavingWords.h"
#include "Standing.h"

namespace dzwonex {

QString LeavingWatch::Check(const std::vector<KindLeaving>& leaving, int32_t day) {
    std::array<bool, kKindCount> now{};
    std::vector<KindLeaving> started;
    for (const KindLeaving& kind : leaving) {
        const auto i = static_cast<size_t>(kind.kind - 1);
        now[i] = true;
        if (leaving_[i] || (told_[i] && day - toldOn_[i] < kTrendDays)) continue;
        started.push_back(kind);
        told_[i] = true;
        toldOn_[i] = day;
    }
    leaving_ = now;
    return started.empty() ? QString() : LeavingWarning(started);
}

void LeavingWatch::Reset() { *this = LeavingWatch(); }

}  // namespace dzwonex
