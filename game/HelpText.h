#pragma once

#include "Language.h"

namespace dzwonex {

// A short help for the player, in Polish (UTF-8, lines end in "\n"): cash,
// opinion and quality with what raises them and what they bring, the six
// kinds of subscriber, what the cases tend to do, saved games and where
// the last one is kept, and every key of the window. The window and the
// text front end show the same plain text.
const char* GameHelp();
// The same help in the given language.
const char* GameHelp(Language language);

}  // namespace dzwonex
