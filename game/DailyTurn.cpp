// One game day: calendar, income, costs, subscriber drift, then the news.
#include <algorithm>
#include <cmath>
#include <string>

#include "Amounts.h"
#include "Company.h"
#include "Drift.h"
#include "Limits.h"
#include "Texts.h"

namespace dzwonex {

void Company::RunDay() {
    // The calendar ends on kLastDay: after it no day comes, and nothing is drawn.
    if (day_ >= kLastDay) return;
    SetDay(day_ + 1);
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

void Company::SetDay(int32_t day) {
    day_ = day;
    ShowDate();
}

void Company::ShowDate() {
    const int32_t day = day_;
    // A year of 12 months of 30 days; day 0 is year 1, month 1, day 1.
    const int32_t year = day / 360 + 1;
    const int32_t month = (day % 360) / 30 + 1;
    const int32_t dayOfMonth = day % 30 + 1;
    view_.SetText(Control::lblSpeed2, Fill(Texts(language_).dateLine,
                                           {std::to_string(year), std::to_string(month), std::to_string(dayOfMonth)}));
}

void Company::CollectIncome() {
    // The income is added before any cost; each rate is drawn just before its addition.
    Money income;
    auto book = [&](int64_t amount) {
        income += Money(amount);
        AddMoney(Money(amount));
    };
    book(int64_t{17 + random_->Random(17)} * Count(skPhone));
    book(int64_t{88 + random_->Random(25)} * Count(skIsdn));
    book(int64_t{150} * Count(skSdi));
    book(int64_t{300} * Count(skNeostrada));
    book(random_->Random(200) + int64_t{2000} * Count(skPolpak));
    lastDay_.income = income.Value();
}

void Company::PayExpenses() {
    const double c1 = Count(skPhone), c2 = Count(skIsdn), c3 = Count(skSdi);
    const double c4 = Count(skNeostrada), c5 = Count(skPolpak), c6 = Count(skBooth);

    const double staffBase = 0.75 * c1 + c2 + c3 + c4 + 10 * c5 + 3 * c6;
    const int32_t staff = RoundToInt32(300 * std::sqrt(staffBase));

    const int64_t s = int64_t{Count(skPhone)} + Count(skIsdn) + Count(skSdi) + Count(skNeostrada) +
                      4 * int64_t{Count(skPolpak)} + 6 * int64_t{Count(skBooth)};
    const int32_t repairs = RoundToInt32(static_cast<double>(s * s) / 128);

    const double equipmentRaw = static_cast<double>(staff) / 2 + static_cast<double>(repairs) / 2 + 100 * quality_;
    const int32_t equipment = RoundToInt32(std::max(0.0, equipmentRaw));

    lastDay_.staff = staff;
    lastDay_.repairs = repairs;
    lastDay_.equipment = equipment;
    view_.SetText(Control::lblPracownicy, FormatAmount(staff, language_));
    view_.SetText(Control::lblNaprawy, FormatAmount(repairs, language_));
    view_.SetText(Control::lblSprzet, FormatAmount(equipment, language_));

    AddMoney(-Money(staff));
    AddMoney(-Money(repairs));
    AddMoney(-Money(equipment));
    view_.DayBooked(lastDay_);
}

void Company::GrowPhones() {
    const double r = random_->RandomReal();
    const int32_t n = drift::Phones(opinion_, r);
    DriftSubscribers(skPhone, n);
}

void Company::GrowIsdn() {
    const double r = random_->RandomReal();
    const int32_t n = drift::Isdn(opinion_, quality_, r, Count(skPhone));
    DriftSubscribers(skIsdn, n);
}

}  // namespace dzwonex
