#include "FileProblem.h"

#include <cerrno>
#include <system_error>

namespace dzwonex {

namespace {

std::string Amount(std::uint64_t bytes, bool polish = false) {
    if (bytes >= (1u << 20) && bytes % (1u << 20) == 0) return std::to_string(bytes >> 20) + " MiB";
    if (bytes >= (1u << 10) && bytes % (1u << 10) == 0) return std::to_string(bytes >> 10) + " KiB";
    if (polish) return std::to_string(bytes) + " B";
    return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

// The system's errors a player meets, in Polish; the rest keep the
// system's own words.
std::string PolishSystemReason(int error) {
    switch (error) {
        case ENOENT:
            return "nie ma takiego pliku ani folderu";
        case EACCES:
        case EPERM:
            return "brak uprawnień";
        case ENOSPC:
            return "brak miejsca na dysku";
        case EDQUOT:
            return "przekroczony przydział miejsca na dysku";
        case EFBIG:
            return "plik za duży";
        case EROFS:
            return "system plików tylko do odczytu";
        case EISDIR:
            return "to folder";
        case ENOTDIR:
            return "część ścieżki nie jest folderem";
        case ENAMETOOLONG:
            return "za długa nazwa";
        case ELOOP:
            return "za dużo dowiązań symbolicznych";
        case EIO:
            return "błąd wejścia-wyjścia";
        case EMFILE:
        case ENFILE:
            return "za dużo otwartych plików";
        case ENOMEM:
            return "za mało pamięci";
        case EBUSY:
            return "zasób zajęty";
        case EXDEV:
            return "inny system plików";
        default:
            return "błąd systemu: " + std::generic_category().message(error);
    }
}

}  // namespace

std::string EnglishReason(const FileProblem& problem) {
    switch (problem.fault) {
        case FileFault::NoName:
            return "no file name was given";
        case FileFault::Missing:
            return "No such file or directory";
        case FileFault::Folder:
            return "it is a folder";
        case FileFault::NamedPipe:
            return "it is a named pipe";
        case FileFault::Device:
            return "it is a device";
        case FileFault::Socket:
            return "it is a socket";
        case FileFault::TooLarge:
            return "it is larger than " + Amount(problem.limit);
        case FileFault::OutOfMemory:
            return "not enough memory";
        case FileFault::System:
            break;
    }
    return std::generic_category().message(problem.error);
}

std::string PolishReason(const FileProblem& problem) {
    switch (problem.fault) {
        case FileFault::NoName:
            return "nie podano nazwy pliku";
        case FileFault::Missing:
            return "nie ma takiego pliku ani folderu";
        case FileFault::Folder:
            return "to folder";
        case FileFault::NamedPipe:
            return "to potok nazwany";
        case FileFault::Device:
            return "to urządzenie";
        case FileFault::Socket:
            return "to gniazdo";
        case FileFault::TooLarge:
            return "jest większy niż " + Amount(problem.limit, true);
        case FileFault::OutOfMemory:
            return "za mało pamięci";
        case FileFault::System:
            break;
    }
    return PolishSystemReason(problem.error);
}

FileReadError::FileReadError(const std::string& file, const FileProblem& problem)
    : FileError(problem.fault == FileFault::Missing
                    ? "Cannot open file " + file + "."
                    : "File " + file + " cannot be read (" + EnglishReason(problem) + ").",
                file,
                problem.fault == FileFault::Missing
                    ? "Nie można otworzyć pliku " + file + "."
                    : "Nie można odczytać pliku " + file + " (" + PolishReason(problem) + ")."),
      problem_(problem) {}

FileWriteError::FileWriteError(const std::string& file, const FileProblem& problem)
    : FileError("File " + file + " cannot be written (" + EnglishReason(problem) + ").", file,
                "Nie można zapisać pliku " + file + " (" + PolishReason(problem) + ")."),
      problem_(problem) {}

}  // namespace dzwonex
