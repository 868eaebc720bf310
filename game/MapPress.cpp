// A press on the map: disconnect the subscriber under it, or put up a booth.
#include <cstdlib>

#include "Game.h"
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
constexpr int64_t kHitReach = 8;
}  // namespace

void TGame::paintboxMapaMouseDown(int32_t x, int32_t y) {
    FView.PlayClickSound();

    // Booths are drawn on top, so they are searched first; within a kind
    // the earliest point wins.
    std::shared_ptr<TCos> hit;
    int32_t hitKind = 0;
    for (int32_t k = kKindCount; k >= 1 && !hit; --k) {
        for (const auto& p : Subscribers(k)) {
            if (std::llabs(int64_t{p->X} - x) <= kHitReach && std::llabs(int64_t{p->Y} - y) <= kHitReach) {
                hit = p;
                hitKind = k;
                break;
            }
        }
    }

    TSprawa& c = PushCase();
    if (hit) {
        c.Kind = ckDisconnect;
        c.Subject = hit;
        c.Title = "Odłączenie abonenta";
        c.Param = hitKind;
        c.Body = letters::RandomGreeting(*FRandom) + "\r\n" + "\r\n" + kDisconnectQuestions[hitKind - 1];
    } else {
        c.Kind = ckBooth;
        c.Param = x;
        c.Param2 = y;
        c.Title = "Postawnienie budki";
        c.Body = "Czy na pewno chcesz postawić budkę telefoniczną w tej części miasta ?";
    }
    ShowCurrentCase();
    FView.SetActivePage(kPageCases);
}

}  // namespace dzwonex
