#pragma once
// Where the programs find their pictures, sounds and Banner.url: next to
// the executable (the build tree and portable copies), then in the data
// folder of the installation the executable belongs to, then in the XDG
// data folders.
#include <optional>
#include <string>
#include <vector>

namespace dzwonex {

// What the search depends on; the environment's values may be empty.
struct DataSearch {
    std::string executableDir;     // ends with a separator
    std::string installedFromBin;  // the data folder relative to the programs' folder
    std::string xdgDataHome;
    std::string xdgDataDirs;  // folders separated by ':'
    std::string home;
};

// The running program's: its own folder and its environment.
DataSearch CurrentDataSearch(const std::string& installedFromBin);

// The folders to look in, most preferred first, each ending with '/':
// the executable's folder, the installed data folder beside it, then
// dzwonex/ in $XDG_DATA_HOME (default ~/.local/share) and in each of
// $XDG_DATA_DIRS (default /usr/local/share:/usr/share). Relative XDG
// entries are ignored, as the XDG rules ask; no folder comes twice.
std::vector<std::string> DataDirCandidates(const DataSearch& search);

// The first of `candidates` that holds the game's map picture.
std::optional<std::string> FindDataDir(const std::vector<std::string>& candidates);

// The message for when none of `candidates` holds the game's files.
std::string DataNotFoundMessage(const std::vector<std::string>& candidates);
// The same in Polish.
std::string PolishDataNotFoundMessage(const std::vector<std::string>& candidates);

}  // namespace dzwonex
