#include "Changes.h"

#include <algorithm>

#include <QCoreApplication>

#include "Amounts.h"
#include "KindNames.h"

namespace dzwonex {

namespace {

constexpr const char* kMinus = "\xE2\x88\x92";  // U+2212

QString Tr(const char* source) { return QCoreApplication::translate("dzwonex::Changes", source); }
std::string Word(const char* source) { return Tr(source).toStdString(); }

// From the least cash to the most is a step of 33 bits.
int64_t Magnitude(int64_t delta) { return delta < 0 ? -delta : delta; }

}  // namespace

std::string FormatChange(int64_t delta, Language language) {
    if (delta == 0) return "0";
    return (delta < 0 ? kMinus : "+") + FormatWideAmount(Magnitude(delta), language);
}

std::string FormatMoneyChange(int64_t delta, Language language) {
    if (delta == 0) return FormatMoney(0, language);
    return (delta < 0 ? kMinus : "+") + FormatWideMoney(Magnitude(delta), language);
}

std::string CashChange(int64_t delta, Language language) {
    return Word(QT_TRANSLATE_NOOP("dzwonex::Changes", "Kasa")) + " " + FormatMoneyChange(delta, language);
}

std::string KindChange(int kind, int64_t delta, Language language) {
    return SubscriberKindName(kind, KindNameForm::Short, language) + std::string(" ") + FormatChange(delta, language);
}

std::vector<std::string> DescribeEffects(const Effects& effects, Language language) {
    std::vector<std::string> parts;
    auto tell = [&](const char* name, int64_t delta) {
        if (delta != 0) parts.push_back(Word(name) + " " + FormatChange(delta, language));
    };
    if (effects.cash != 0) parts.push_back(CashChange(effects.cash, language));
    tell(QT_TRANSLATE_NOOP("dzwonex::Changes", "Opinia"), effects.opinion);
    tell(QT_TRANSLATE_NOOP("dzwonex::Changes", "Jakość"), effects.quality);
    for (int k = 1; k <= kKindCount; ++k)
        if (const int64_t delta = effects.counts[static_cast<size_t>(k - 1)])
            parts.push_back(KindChange(k, delta, language));
    tell(QT_TRANSLATE_NOOP("dzwonex::Changes", "Sprawy"), effects.newCases);
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

QString TellReport(const ActionReport& report, Language language) {
    if (report.action == Action::MapPress) {
        // The press only asked a question; tell what Tak would do.
        if (!report.proposal) return {};
        const Proposal& p = *report.proposal;
        std::vector<std::string> parts;
        if (p.cash != 0) parts.push_back(CashChange(p.cash, language));
        parts.push_back(KindChange(p.kind, p.countChange, language));
        parts.push_back(Word(p.opinionSign < 0 ? QT_TRANSLATE_NOOP("dzwonex::Changes", "Opinia w dół")
                                               : QT_TRANSLATE_NOOP("dzwonex::Changes", "Opinia w górę")));
        return Tr(QT_TRANSLATE_NOOP("dzwonex::Changes", "Po Tak: %1")).arg(QString::fromStdString(JoinChanges(parts)));
    }
    const std::vector<std::string> parts = DescribeEffects(report.effects, language);
    return parts.empty() ? Tr(QT_TRANSLATE_NOOP("dzwonex::Changes", "Bez zmian"))
                         : QString::fromStdString(JoinChanges(parts));
}

QString LogEntry(const ActionReport& report, Language language) {
    if (report.action == Action::MapPress || report.effects.Empty()) return {};
    const char* what = QT_TRANSLATE_NOOP("dzwonex::Changes", "Dzień");
    switch (report.action) {
        case Action::Yes:
            what = QT_TRANSLATE_NOOP("dzwonex::Changes", "Tak");
            break;
        case Action::No:
            what = QT_TRANSLATE_NOOP("dzwonex::Changes", "Nie");
            break;
        case Action::Ok:
            what = QT_TRANSLATE_NOOP("dzwonex::Changes", "OK");
            break;
        case Action::Day:
        case Action::MapPress:
            break;
    }
    return Tr(what) + QStringLiteral(": ") +
           QString::fromStdString(JoinChanges(DescribeEffects(report.effects, language)));
}

QString DatedEntry(int32_t day, const QString& entry) {
    // The game's calendar: 12 months of 30 days, day 0 the first of year 1.
    const QString date = Tr(QT_TRANSLATE_NOOP("dzwonex::Changes", "%1.%2, rok %3"))
                             .arg(day % 30 + 1, 2, 10, QLatin1Char('0'))
                             .arg((day % 360) / 30 + 1, 2, 10, QLatin1Char('0'))
                             .arg(day / 360 + 1);
    return date + QString::fromUtf8(" \xE2\x80\x94 ") + entry;
}

}  // namespace dzwonex
