#include "View.h"

namespace dzwonex {

const char* ControlName(Control c) {
    static const char* const names[kControlCount] = {
        "lblKasa",   "lblOpinia", "lblJakosc", "lbl1",          "lbl2",       "lbl3",
        "lbl4",      "lbl5",      "lbl6",      "lblPracownicy", "lblNaprawy", "lblSprzet",
        "lblSpeed1", "lblSpeed2", "lblTytul",  "memSprawa",     "tabSprawy",
    };
    return names[static_cast<int>(c)];
}

}  // namespace dzwonex
