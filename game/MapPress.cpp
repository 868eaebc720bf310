// A press on the map: disconnect the subscriber under it, or put up a booth.
#include <cstdlib>

#include "Company.h"
#include "Letters.h"

namespace dzwonex {

namespace {
const char* const kDisconnectQuestions[kKindCount] = {
    "Czy na pewno chcesz odłączyć temu abonentowi łącze telefoniczne ?",
    "Czy na pewno chcesz odłączyć temu abonentowi łącze ISDN ?",
    "Czy na pewno chcesz odłączyć temu abonentowi łącze stałe SDI ?",
    "Czy na pewno chcesz odłączyć temu abonentowi Neostradę ?",
    "Czy na pewno chcesz odłączyć tej firmie łącze stałe typu Polpak-T ?!",
    "Czy na pewno chcesz usunąć tą budkę telefoniczną ?",
};
}  // namespace

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

void Company::PressMap(int32_t x, int32_t y) {
    view_.PlayClickSound();

    const MapHit found = HitAt(x, y);
    const std::shared_ptr<const MapPoint>& hit = found.point;
    const int32_t hitKind = found.kind;
    Case& c = PushCase();
    if (hit) {
        c.kind = ckDisconnect;
        c.subject = hit;
        c.title = "Odłączenie abonenta";
        c.param = hitKind;
        c.body = letters::RandomGreeting(*random_) + "\r\n" + "\r\n" + kDisconnectQuestions[hitKind - 1];
    } else {
        c.kind = ckBooth;
        c.param = x;
        c.param2 = y;
        c.title = "Postawnienie budki";
        c.body = "Czy na pewno chcesz postawić budkę telefoniczną w tej części miasta ?";
    }
    ShowCurrentCase();
    view_.SetActivePage(kPageCases);
}

}  // namespace dzwonex
