#include "LeavingWords.h"

#include <QCoreApplication>

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

QString LeavingWarning(const KindLeaving& leaving) {
    const QString kind = QString::fromUtf8(SubscriberKindName(leaving.kind, KindNameForm::Short, InstalledLanguage()));
    return QCoreApplication::translate("dzwonex::Leaving", "%1: abonenci odchodzą, %2")
        .arg(kind, LeavingReason(leaving));
}

}  // namespace dzwonex
