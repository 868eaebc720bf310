#include "Language.h"

namespace dzwonex {

std::optional<Language> LanguageFromCode(std::string_view code) {
    if (code == "pl") return Language::Polish;
    if (code == "en") return Language::English;
    return std::nullopt;
}

const char* LanguageCode(Language language) { return language == Language::English ? "en" : "pl"; }

}  // namespace dzwonex
