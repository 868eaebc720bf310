#include "DataDirs.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "Platform.h"

namespace dzwonex {

namespace {

namespace fs = std::filesystem;

// The file every data folder holds; a folder without it is not the game's.
constexpr const char* kMarkerFile = "Mapa.jpg";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string AsFolder(const fs::path& path) {
    std::string dir = path.lexically_normal().string();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

}  // namespace

DataSearch CurrentDataSearch(const std::string& installedFromBin) {
    return {ExecutableDir(), installedFromBin, Environment("XDG_DATA_HOME"), Environment("XDG_DATA_DIRS"),
            Environment("HOME")};
}

std::vector<std::string> DataDirCandidates(const DataSearch& search) {
    std::vector<std::string> dirs;
    auto add = [&dirs](const fs::path& dir) {
        const std::string folder = AsFolder(dir);
        if (std::find(dirs.begin(), dirs.end(), folder) == dirs.end()) dirs.push_back(folder);
    };
    const fs::path exeDir(search.executableDir);
    add(exeDir);
    if (!search.installedFromBin.empty()) add(exeDir / search.installedFromBin);

    std::vector<fs::path> xdg;
    if (fs::path(search.xdgDataHome).is_absolute())
        xdg.emplace_back(search.xdgDataHome);
    else if (fs::path(search.home).is_absolute())
        xdg.push_back(fs::path(search.home) / ".local/share");
    std::string dataDirs = search.xdgDataDirs;
    if (dataDirs.empty()) dataDirs = "/usr/local/share/:/usr/share/";
    for (std::size_t start = 0; start <= dataDirs.size();) {
        std::size_t end = dataDirs.find(':', start);
        if (end == std::string::npos) end = dataDirs.size();
        const fs::path dir(dataDirs.substr(start, end - start));
        if (dir.is_absolute()) xdg.push_back(dir);
        start = end + 1;
    }
    for (const fs::path& dir : xdg) add(dir / "dzwonex");
    return dirs;
}

std::optional<std::string> FindDataDir(const std::vector<std::string>& candidates) {
    for (const std::string& dir : candidates) {
        std::error_code ec;
        if (fs::is_regular_file(fs::path(dir) / kMarkerFile, ec)) return dir;
    }
    return std::nullopt;
}

std::string DataNotFoundMessage(const std::vector<std::string>& candidates) {
    std::string message = std::string("cannot find the game's files (") + kMarkerFile + " and the others); looked in:";
    for (const std::string& dir : candidates) message += "\n  " + dir;
    message += "\nName their folder with --assets DIR.";
    return message;
}

std::string PolishDataNotFoundMessage(const std::vector<std::string>& candidates) {
    std::string message = std::string("nie można znaleźć plików gry (") + kMarkerFile + " i pozostałych); szukano w:";
    for (const std::string& dir : candidates) message += "\n  " + dir;
    message += "\nPodaj ich folder opcją --assets FOLDER.";
    return message;
}

}  // namespace dzwonex
