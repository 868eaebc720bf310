#pragma once

#include "Language.h"

namespace dzwonex {

// A short help for the player, in Polish (UTF-8, lines end in "\n"): cash,
// opinion, quality, the six kinds of subscriber, what the cases tend to
// do, and the window's keys. The window and the text front end show the
// same text.
const char* GameHelp();
// The same help in the given language.
const char* GameHelp(Language language);

}  // namespace dzwonex
