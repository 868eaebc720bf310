// One game day: calendar, income, costs, subscriber drift, then the news.
#include <algorithm>
#include <cmath>
#include <string>

#include "Amounts.h"
#include "Game.h"

namespace dzwonex {

void TGame::MainTimerTimer() {
    SetDay(FDay + 1);
    CollectIncome();
    PayExpenses();
    GrowPhones();
    GrowIsdn();
    SdiEvents();
    NeostradaEvents();
    PolpakEvents();
    RaiseDemand();
    OpinionLetters();
    QualityProposals();
}

void TGame::SetDay(int32_t day) {
    FDay = day;
    // A year of 12 months of 30 days; day 0 is year 1, month 1, day 1.
    const int32_t year = day / 360 + 1;
    const int32_t month = (day % 360) / 30 + 1;
    const int32_t dayOfMonth = day % 30 + 1;
    FView.SetText(Control::lblSpeed2, "Rok: " + std::to_string(year) + "  Miesiąc: " + std::to_string(month) +
                                          "  Dzień: " + std::to_string(dayOfMonth));
}

void TGame::CollectIncome() {
    // The income is added before any cost; each rate is drawn just before its addition.
    const int64_t phoneRate = 17 + FRandom->Random(17);
    AddMoney(Saturate32(phoneRate * Count(skPhone)));
    const int64_t isdnRate = 88 + FRandom->Random(25);
    AddMoney(Saturate32(isdnRate * Count(skIsdn)));
    AddMoney(Saturate32(int64_t{150} * Count(skSdi)));
    AddMoney(Saturate32(int64_t{300} * Count(skNeostrada)));
    const int64_t polpakBonus = FRandom->Random(200);
    AddMoney(Saturate32(polpakBonus + int64_t{2000} * Count(skPolpak)));
}

void TGame::PayExpenses() {
    const double c1 = Count(skPhone), c2 = Count(skIsdn), c3 = Count(skSdi);
    const double c4 = Count(skNeostrada), c5 = Count(skPolpak), c6 = Count(skBooth);

    const double staffBase = 0.75 * c1 + c2 + c3 + c4 + 10 * c5 + 3 * c6;
    const int32_t staff = RoundToInt32(300 * std::sqrt(staffBase));

    const int64_t s = int64_t{Count(skPhone)} + Count(skIsdn) + Count(skSdi) + Count(skNeostrada) +
                      4 * int64_t{Count(skPolpak)} + 6 * int64_t{Count(skBooth)};
    const int32_t repairs = RoundToInt32(static_cast<double>(s * s) / 128);

    const double equipmentRaw = static_cast<double>(staff) / 2 + static_cast<double>(repairs) / 2 + 100 * FQuality;
    const int32_t equipment = RoundToInt32(std::max(0.0, equipmentRaw));

    FView.SetText(Control::lblPracownicy, FormatAmount(staff));
    FView.SetText(Control::lblNaprawy, FormatAmount(repairs));
    FView.SetText(Control::lblSprzet, FormatAmount(equipment));

    AddMoney(-staff);
    AddMoney(-repairs);
    AddMoney(-equipment);
}

void TGame::DriftSubscribers(int32_t kind, int32_t n) {
    if (n > 0) {
        for (int32_t i = 0; i < n; ++i) AddSubscriber(kind);
    } else {
        for (int64_t i = 0; i < -static_cast<int64_t>(n); ++i) {
            const int32_t count = Count(kind);
            if (count == 0) break;
            RemoveSubscriberAt(kind, FRandom->Random(count));
        }
    }
}

void TGame::GrowPhones() {
    const double r = FRandom->RandomReal();
    const int32_t n = RoundToInt32(8 * r + FOpinion / 10 - 4);
    DriftSubscribers(skPhone, n);
}

void TGame::GrowIsdn() {
    const double r = FRandom->RandomReal();
    const int32_t n = RoundToInt32(FOpinion / 10 - FQuality / 10 - 4 * r + Count(skPhone) / 1000.0);
    DriftSubscribers(skIsdn, n);
}

}  // namespace dzwonex
