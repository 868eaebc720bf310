#include "Texts.h"

namespace dzwonex {

const TextCatalogue& PolishTexts();
const TextCatalogue& EnglishTexts();

const TextCatalogue& Texts(Language language) { return language == Language::English ? EnglishTexts() : PolishTexts(); }

std::string Fill(const char* pattern, std::initializer_list<std::string> values) {
    std::string text;
    auto next = values.begin();
    for (const char* p = pattern; *p; ++p) {
        if (p[0] == '{' && p[1] == '}' && next != values.end()) {
            text += *next++;
            ++p;
        } else {
            text += *p;
        }
    }
    return text;
}

}  // namespace dzwonex
