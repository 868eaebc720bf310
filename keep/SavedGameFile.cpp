#include "SavedGameFile.h"

#include <stdexcept>
#include <string_view>

#include "AtomicWrite.h"
#include "GameSession.h"
#include "ReadFile.h"

namespace dzwonex {

namespace {

std::string_view Text(const std::vector<unsigned char>& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

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
    return ParseSavedGame(Text(bytes), path);
}

std::optional<SavedGameSummary> ReadSavedGameSummary(const std::string& path) {
    // The game writes the day and cash within the file's first hundred
    // bytes, so a list of kept games reads only the start of each; a file
    // laid out otherwise is read whole.
    constexpr std::size_t kStart = 64u << 10;
    try {
        std::vector<unsigned char> bytes = ReadRegularFileStart(path, kStart);
        if (bytes.size() == kStart) {
            // A number the cut ran through is no number yet.
            while (!bytes.empty() &&
                   std::string_view("0123456789+-.eE").find(static_cast<char>(bytes.back())) != std::string_view::npos)
                bytes.pop_back();
            if (const auto summary = SummaryOfSavedGame(Text(bytes))) return summary;
            bytes = ReadRegularFile(path, kSavedGameMaxBytes);
        }
        return SummaryOfSavedGame(Text(bytes));
    } catch (const FileReadError&) {
        return std::nullopt;
    }
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

void SaveGame(const std::string& path, const GameSession& session) { SaveGame(path, session.Save()); }

void RestoreGame(GameSession& session, const std::string& path) {
    const SavedGame game = LoadGame(path);
    try {
        session.Restore(game);
    } catch (const std::invalid_argument& e) {
        NotOurs(path, e.what());
    }
}

}  // namespace dzwonex
