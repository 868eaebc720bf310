// A press on the map: disconnect the subscriber under it, or put up a booth.
#include <cstdlib>

#include "Company.h"
#include "Letters.h"
#include "Texts.h"

namespace dzwonex {

Company::MapHit Company::HitAt(int32_t x, int32_t y) const {
    // Booths are drawn on top, so they are searched first; within a kind
    // the earliest point wins.
    for (int32_t k = kKindCount; k >= 1; --k) {
        for (const auto& p : Subscribers(k)) {
            if (std::llabs(int64_t{p->X()} - x) <= kMapHitReach && std::llabs(int64_t{p->Y()} - y) <= kMapHitReach)
                return {p, k};
        }
    }
    return {};
}

void Company::RaiseMapCase(int32_t x, int32_t y) {
    view_.PlayClickSound();
    // A full inbox takes no new case: the press only sounds.
    if (InboxFull()) return;

    const MapHit found = HitAt(x, y);
    const std::shared_ptr<const MapPoint>& hit = found.point;
    const int32_t hitKind = found.kind;
    const TextCatalogue& t = Texts(language_);
    Case& c = PushCase();
    if (hit) {
        c.kind = ckDisconnect;
        c.subject = hit;
        c.title = t.disconnectTitle;
        c.param = hitKind;
        c.body = letters::RandomGreeting(t, *random_) + "\r\n" + "\r\n" + t.disconnectQuestions[hitKind - 1];
    } else {
        c.kind = ckBooth;
        c.param = x;
        c.param2 = y;
        c.title = t.boothTitle;
        c.body = t.boothQuestion;
    }
    ShowCurrentCase();
    view_.SetActivePage(kPageCases);
}

}  // namespace dzwonex
