#include "MapHints.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

#include "KindNames.h"
#include "MapPaint.h"
#include "Translations.h"

namespace dzwonex {

QString KindName(int kind) {
    return QString::fromUtf8(SubscriberKindName(kind, KindNameForm::One, InstalledLanguage()));
}

TMapHints::TMapHints(QWidget* map, const Company& game) : QObject(map), game_(game) { map->installEventFilter(this); }

bool TMapHints::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip) return false;
    auto* help = static_cast<QHelpEvent*>(event);
    auto* map = static_cast<QWidget*>(watched);
    const Company::MapHit hit = game_.HitAt(help->pos().x(), help->pos().y());
    if (hit.point) {
        // The tip stays while the pointer is within the point's reach.
        constexpr int r = Company::kMapHitReach;
        const QRect reach(hit.point->X() - r, hit.point->Y() - r, 2 * r + 1, 2 * r + 1);
        QToolTip::showText(help->globalPos(), KindName(hit.kind), map, reach);
    } else {
        QToolTip::hideText();
        event->ignore();
    }
    return true;
}

}  // namespace dzwonex
