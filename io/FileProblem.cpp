#include "FileProblem.h"

#include <system_error>

namespace dzwonex {

namespace {

std::string Amount(std::uint64_t bytes) {
    if (bytes >= (1u << 20) && bytes % (1u << 20) == 0) return std::to_string(bytes >> 20) + " MiB";
    if (bytes >= (1u << 10) && bytes % (1u << 10) == 0) return std::to_string(bytes >> 10) + " KiB";
    return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
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

FileReadError::FileReadError(const std::string& file, const FileProblem& problem)
    : FileError(problem.fault == FileFault::Missing
                    ? "Cannot open file " + file + "."
                    : "File " + file + " cannot be read (" + EnglishReason(problem) + ").",
                file),
      problem_(problem) {}

FileWriteError::FileWriteError(const std::string& file, const FileProblem& problem)
    : FileError("File " + file + " cannot be written (" + EnglishReason(problem) + ").", file), problem_(problem) {}

}  // namespace dzwonex
