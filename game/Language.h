#pragma once
#include <optional>
#include <string_view>

namespace dzwonex {

// The languages the game speaks. Polish is the game's own; every other is
// a translation of it.
enum class Language { Polish, English };

// "pl" or "en"; anything else has no language.
std::optional<Language> LanguageFromCode(std::string_view code);
const char* LanguageCode(Language language);

}  // namespace dzwonex
