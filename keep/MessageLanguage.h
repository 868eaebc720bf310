#pragma once
#include <functional>

#include "Language.h"

namespace dzwonex {

// The language the keeper's messages are worded in: the window's, asked
// each time a message is made, so a language picked meanwhile holds.
using MessageLanguage = std::function<Language()>;

}  // namespace dzwonex
