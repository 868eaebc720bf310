#include "WordedError.h"

#include "DataDirs.h"
#include "FileProblem.h"
#include "SavedGame.h"

namespace dzwonex {

std::string Worded(const std::exception& error, Language language) {
    if (language == Language::Polish) {
        if (const auto* file = dynamic_cast<const FileError*>(&error)) return file->PolishMessage();
        if (const auto* saved = dynamic_cast<const SavedGameError*>(&error)) return saved->PolishMessage();
    }
    return error.what();
}

std::string DataNotFoundWorded(const std::vector<std::string>& candidates, Language language) {
    return language == Language::Polish ? PolishDataNotFoundMessage(candidates) : DataNotFoundMessage(candidates);
}

}  // namespace dzwonex
