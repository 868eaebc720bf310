#include "LeavingWatch.h"

#include <QStringList>

#include "LeavingWords.h"
#include "Standing.h"

namespace dzwonex {

QString LeavingWatch::Check(const std::vector<KindLeaving>& leaving, int32_t day) {
    std::array<bool, kKindCount> now{};
    QStringList started;
    for (const KindLeaving& kind : leaving) {
        const auto i = static_cast<size_t>(kind.kind - 1);
        now[i] = true;
        if (leaving_[i] || (told_[i] && day - toldOn_[i] < kTrendDays)) continue;
        started << LeavingWarning(kind);
        told_[i] = true;
        toldOn_[i] = day;
    }
    leaving_ = now;
    return started.join(QString::fromUtf8(" \xC2\xB7 "));
}

void LeavingWatch::Reset() { *this = LeavingWatch(); }

}  // namespace dzwonex
