#include "Changes.h"

#include <algorithm>
#include <limits>

#include "Amounts.h"

namespace dzwonex {

namespace {
const char* const kKindNames[kKindCount] = {"Telefon/modem", "ISDN", "SDI", "Neostrada", "Polpak-T", "Budki"};
constexpr const char* kMinus = "\xE2\x88\x92";  // U+2212
}  // namespace

CompanyLook CompanyLook::Of(const Company& game) {
    CompanyLook look;
    look.cash = game.Cash().Value();
    look.opinion = RoundToInt32(game.Opinion());
    look.quality = RoundToInt32(game.Quality());
    for (int k = 1; k <= kKindCount; ++k) look.counts[static_cast<size_t>(k - 1)] = game.Count(k);
    look.cases = static_cast<int64_t>(game.Cases().size());
    return look;
}

std::string FormatChange(int64_t delta) {
    if (delta == 0) return "0";
    // Cash is held inside 32 bits, so no step is ever larger.
    const int64_t magnitude = std::min<int64_t>(delta < 0 ? -delta : delta, std::numeric_limits<int32_t>::max());
    return (delta < 0 ? kMinus : "+") + FormatAmount(static_cast<int32_t>(magnitude));
}

std::vector<std::string> DescribeChanges(const CompanyLook& before, const CompanyLook& after) {
    std::vector<std::string> parts;
    auto tell = [&](const char* name, int64_t delta, const char* unit = "") {
        if (delta != 0) parts.push_back(std::string(name) + " " + FormatChange(delta) + unit);
    };
    tell("Kasa", after.cash - before.cash, " zł");
    tell("Opinia", int64_t{after.opinion} - before.opinion);
    tell("Jakość", int64_t{after.quality} - before.quality);
    for (size_t k = 0; k < kKindCount; ++k) tell(kKindNames[k], int64_t{after.counts[k]} - before.counts[k]);
    if (after.cases > before.cases) tell("Sprawy", after.cases - before.cases);
    return parts;
}

std::string JoinChanges(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) text += " \xC2\xB7 ";  // a middle dot between
        text += part;
    }
    return text;
}

}  // namespace dzwonex
