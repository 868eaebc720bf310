#pragma once
#include "Language.h"

namespace dzwonex {

// How much room a kind's name has.
enum class KindNameForm {
    Short,   // a line of changes, a chart's legend: "Budki"
    Plural,  // a row of counts: "Budki telefoniczne"
    One,     // a point on the map and its legend entry: "Budka telefoniczna"
};

// The name of subscriber kind 1..6 (skPhone .. skBooth) as every page of
// the window and the text screen show it, in the language; the product
// names (ISDN, SDI, Neostrada, Polpak-T) are the same in both. Empty for
// any other kind.
const char* SubscriberKindName(int kind, KindNameForm form, Language language);

}  // namespace dzwonex
