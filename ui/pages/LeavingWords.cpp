#include "LeavingWords.h"

#include <algorithm>
#include <utility>

#include <QCoreApplication>
#include <QStringList>

#include "KindNames.h"
#include "Translations.h"

namespace dzwonex {

namespace {

QString Translated(const char* text) { return QCoreApplication::translate("dzwonex::Leaving", text); }

}  // namespace

QString LeavingReason(const KindLeaving& leaving) {
    const char* figure = nullptr;
    switch (leaving.measure) {
        case LeavingMeasure::Opinion:
            figure = QT_TRANSLATE_NOOP("dzwonex::Leaving", "opinia");
            break;
        case LeavingMeasure::OpinionLessQuality:
            figure = QT_TRANSLATE_NOOP("dzwonex::Leaving", "opinia − jakość");
            break;
        case LeavingMeasure::OpinionPlusQuality:
            figure = QT_TRANSLATE_NOOP("dzwonex::Leaving", "opinia + jakość");
            break;
    }
    return QStringLiteral("%1 < %2").arg(Translated(figure)).arg(leaving.below);
}

QString LeavingWarning(const std::vector<KindLeaving>& started) {
    // Kinds that leave for the same reason share it, in the kinds' order.
    std::vector<std::pair<QString, QStringList>> reasons;
    for (const KindLeaving& kind : started) {
        const QString reason = LeavingReason(kind);
        auto same = std::find_if(reasons.begin(), reasons.end(), [&](const auto& r) { return r.first == reason; });
        if (same == reasons.end()) same = reasons.insert(reasons.end(), {reason, {}});
        same->second << QString::fromUtf8(SubscriberKindName(kind.kind, KindNameForm::Short, InstalledLanguage()));
    }
    QStringList parts;
    for (const auto& [reason, kinds] : reasons) {
        const QString names =
            kinds.size() == 2
                ? Translated(QT_TRANSLATE_NOOP("dzwonex::Leaving", "%1 i %2")).arg(kinds.front(), kinds.back())
                : kinds.join(QStringLiteral(", "));
        parts << QStringLiteral("%1 (%2)").arg(names, reason);
    }
    return Translated(QT_TRANSLATE_NOOP("dzwonex::Leaving", "Odchodzą: %1")).arg(parts.join(QStringLiteral(", ")));
}

}  // namespace dzwonex
