#pragma once
#include <vector>

#include <QString>

#include "Leaving.h"

namespace dzwonex {

// Why a kind's subscribers leave, in the installed language:
// "opinia + jakość < 5".
QString LeavingReason(const KindLeaving& leaving);
// The warning the line at the bottom gives when kinds start to leave, the
// kinds of one reason together, short enough for the line:
// "Odchodzą: ISDN (opinia − jakość < 10), SDI i Neostrada (opinia + jakość < 5)".
QString LeavingWarning(const std::vector<KindLeaving>& started);

}  // namespace dzwonex
