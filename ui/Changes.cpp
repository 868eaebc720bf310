#include "Changes.h"

#include <algorithm>
#include <limits>

#include <QCoreApplication>

#include "Amounts.h"

namespace dzwonex {

namespace {

// The product names are the same in every language.
const char* const kKindNames[kKindCount] = {
    QT_TRANSLATE_NOOP("dzwonex::Changes", "Telefon/modem"), "ISDN", "SDI", "Neostrada", "Polpak-T",
    QT_TRANSLATE_NOOP("dzwonex::Changes", "Budki")};
constexpr const char* kMinus = "\xE2\x88\x92";  // U+2212

std::string Word(const char* source) { return QCoreApplication::translate("dzwonex::Changes", source).toStdString(); }

// Cash is held inside 32 bits, so no step is ever larger.
int32_t Magnitude(int64_t delta) {
    return static_cast<int32_t>(std::min<int64_t>(delta < 0 ? -delta : delta, std::numeric_limits<int32_t>::max()));
}

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

std::string FormatChange(int64_t delta, Language language) {
    if (delta == 0) return "0";
    return (delta < 0 ? kMinus : "+") + FormatAmount(Magnitude(delta), language);
}

std::string FormatMoneyChange(int64_t delta, Language language) {
    if (delta == 0) return FormatMoney(0, language);
    return (delta < 0 ? kMinus : "+") + FormatMoney(Magnitude(delta), language);
}

std::string CashChange(int64_t delta, Language language) {
    return Word(QT_TRANSLATE_NOOP("dzwonex::Changes", "Kasa")) + " " + FormatMoneyChange(delta, language);
}

std::string KindChange(int kind, int64_t delta, Language language) {
    return Word(kKindNames[kind - 1]) + " " + FormatChange(delta, language);
}

std::vector<std::string> DescribeChanges(const CompanyLook& before, const CompanyLook& after, Language language) {
    std::vector<std::string> parts;
    auto tell = [&](const char* name, int64_t delta) {
        if (delta != 0) parts.push_back(Word(name) + " " + FormatChange(delta, language));
    };
    if (after.cash != before.cash) parts.push_back(CashChange(after.cash - before.cash, language));
    tell(QT_TRANSLATE_NOOP("dzwonex::Changes", "Opinia"), int64_t{after.opinion} - before.opinion);
    tell(QT_TRANSLATE_NOOP("dzwonex::Changes", "Jakość"), int64_t{after.quality} - before.quality);
    for (int k = 1; k <= kKindCount; ++k) {
        const size_t i = static_cast<size_t>(k - 1);
        if (after.counts[i] != before.counts[i])
            parts.push_back(KindChange(k, int64_t{after.counts[i]} - before.counts[i], language));
    }
    if (after.cases > before.cases) tell(QT_TRANSLATE_NOOP("dzwonex::Changes", "Sprawy"), after.cases - before.cases);
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
