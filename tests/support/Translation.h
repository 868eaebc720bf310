#pragma once
#include <string>
#include <vector>

#include "Texts.h"

namespace dzwonex::testing {

// Every text of a catalogue, one entry per field or variant (nulls left out).
std::vector<std::string> CatalogueTexts(const TextCatalogue& texts);

// Every first name and surname the letters sign with; they stay Polish in
// every language.
std::vector<std::string> PeoplesNames();

// What a translation must not hold: a Polish letter outside the given
// names, or one of the words used most in the Polish texts. Returns the
// first thing found, or "" for a clean text.
std::string PolishLeftIn(std::string text, const std::vector<std::string>& names);

}  // namespace dzwonex::testing
