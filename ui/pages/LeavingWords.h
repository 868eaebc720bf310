#pragma once
#include <QString>

#include "Leaving.h"

namespace dzwonex {

// Why a kind's subscribers leave, in the installed language:
// "opinia + jakość < 5".
QString LeavingReason(const KindLeaving& leaving);
// The warning the line at the bottom gives when they start to:
// "SDI: abonenci odchodzą, opinia + jakość < 5".
QString LeavingWarning(const KindLeaving& leaving);

}  // namespace dzwonex
