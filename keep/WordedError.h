#pragma once
// The message of a file's or a saved game's error in the player's language.
#include <exception>
#include <string>
#include <vector>

#include "Language.h"

namespace dzwonex {

// FileError and SavedGameError in Polish or English; any other error with
// its own words.
std::string Worded(const std::exception& error, Language language);

// No folder holds the game's files (DataNotFoundMessage), in the language.
std::string DataNotFoundWorded(const std::vector<std::string>& candidates, Language language);

}  // namespace dzwonex
