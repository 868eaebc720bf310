#include "SavedGameFile.h"

#include <stdexcept>
#include <string_view>

#include "AtomicWrite.h"
#include "Company.h"
#include "ReadFile.h"

namespace dzwonex {

namespace {

[[noreturn]] void NotOurs(const std::string& path, const std::string& why, const std::string& polishWhy = {}) {
    throw NotASavedGame(path, why, polishWhy);
}

}  // namespace

void SaveGame(const std::string& path, const SavedGame& game, std::optional<std::size_t> failAfterBytes) {
    const std::string text = SavedGameText(game);
    try {
        WriteFileAtomically(path, text, failAfterBytes);
    } catch (const FileWriteError& e) {
        throw SavedGameError("The game could not be saved to " + path + ": " + EnglishReason(e.Problem()) + ".",
                             "Nie udało się zapisać gry do " + path + ": " + PolishReason(e.Problem()) + ".");
    }
}

SavedGame LoadGame(const std::string& path) {
    std::vector<unsigned char> bytes;
    try {
        bytes = ReadRegularFile(path, kSavedGameMaxBytes);
    } catch (const FileReadError& e) {
        const FileProblem& problem = e.Problem();
        switch (problem.fault) {
            case FileFault::Missing:
                throw SavedGameError("Cannot open " + path + ": " + EnglishReason(problem) + ".",
                                     "Nie można otworzyć " + path + ": " + PolishReason(problem) + ".");
            case FileFault::System:
            case FileFault::OutOfMemory:
                throw SavedGameError("Cannot read " + path + ": " + EnglishReason(problem) + ".",
                                     "Nie można odczytać " + path + ": " + PolishReason(problem) + ".");
            default:
                NotOurs(path, EnglishReason(problem), PolishReason(problem));
        }
    }
    return ParseSavedGame(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), path);
}

SavedGame RestoreGame(Company& company, History& history, const std::string& path) {
    SavedGame game = LoadGame(path);
    try {
        company.Restore(game.company);
    } catch (const std::invalid_argument& e) {
        NotOurs(path, e.what());
    }
    history.Restore(game.history);
    return game;
}

}  // namespace dzwonex
