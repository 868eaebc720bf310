#pragma once
// Why a file could not be read or written, as a value, so that a front end
// can word it in the player's language: EnglishReason() and PolishReason().
#include <cstdint>
#include <stdexcept>
#include <string>

namespace dzwonex {

enum class FileFault {
    NoName,       // the path is empty
    Missing,      // nothing at the path, or no folder on the way to it
    Folder,       // a folder where a file belongs
    NamedPipe,    // reading it could wait for ever; writing would feed it
    Device,       // a character or block device
    Socket,       // a local socket
    TooLarge,     // more than `limit` bytes
    OutOfMemory,  // the file's bytes do not fit in memory
    System,       // the system refused: `error` holds its errno
};

struct FileProblem {
    FileFault fault = FileFault::System;
    std::uint64_t limit = 0;  // TooLarge: the most the file may hold, in bytes
    int error = 0;            // System: the errno
};

// One wording for each fault: "it is a folder", "it is a named pipe", "it is
// larger than 64 MiB", "not enough memory", "No such file or directory",
// or the system's text for the errno.
std::string EnglishReason(const FileProblem& problem);
// The same in Polish: "to folder", "to potok nazwany", "jest większy niż
// 64 MiB", "za mało pamięci", "nie ma takiego pliku ani folderu"; the
// common system errors in Polish words, any other with the system's text.
std::string PolishReason(const FileProblem& problem);

// A file the game cannot use. what() is the message for the player in
// English, PolishMessage() in Polish; both name the file.
class FileError : public std::runtime_error {
public:
    FileError(const std::string& message, std::string file, std::string polishMessage = {})
        : std::runtime_error(message), file_(std::move(file)), polish_(std::move(polishMessage)) {}
    const std::string& File() const { return file_; }
    // The English where no Polish was given.
    std::string PolishMessage() const { return polish_.empty() ? what() : polish_; }

private:
    std::string file_;
    std::string polish_;
};

// A file that could not be read: "Cannot open file <path>." when it is
// missing, "File <path> cannot be read (<reason>)." otherwise ("Nie można
// otworzyć pliku <path>.", "Nie można odczytać pliku <path> (<powód>).").
class FileReadError : public FileError {
public:
    FileReadError(const std::string& file, const FileProblem& problem);
    const FileProblem& Problem() const { return problem_; }

private:
    FileProblem problem_;
};

// A file that could not be written: "File <path> cannot be written
// (<reason>)." ("Nie można zapisać pliku <path> (<powód>).")
class FileWriteError : public FileError {
public:
    FileWriteError(const std::string& file, const FileProblem& problem);
    const FileProblem& Problem() const { return problem_; }

private:
    FileProblem problem_;
};

}  // namespace dzwonex
