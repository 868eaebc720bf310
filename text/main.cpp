// dzwonex-text: the whole game without a window, driven by commands on
// standard input, one a line.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

#include "BuildInfo.h"
#include "DataDirs.h"
#include "Options.h"
#include "Platform.h"
#include "Printable.h"
#include "Session.h"
#include "WordedError.h"

int main(int argc, char** argv) {
    using namespace dzwonex;
    FloatingPointSetup floatingPoint;
    std::ios::sync_with_stdio(false);

    text::Options options;
    if (auto error = text::ParseOptions(argc, argv, options)) {
        std::cerr << "dzwonex-text: " << text::Printable(*error) << "\n\n" << text::UsageText();
        return 2;
    }
    if (options.help || options.version) {
        std::cout << (options.help ? text::UsageText() : text::VersionText());
        return 0;
    }
    if (!options.assets) {
        const std::vector<std::string> folders = DataDirCandidates(CurrentDataSearch(DZWONEX_DATA_FROM_BIN));
        options.assets = FindDataDir(folders);
        if (!options.assets) {
            std::cerr << "dzwonex-text: " << text::Printable(DataNotFoundWorded(folders, options.language)) << "\n";
            return 1;
        }
    }
    // Messages name each file by its full path.
    std::error_code ignored;
    const auto full = std::filesystem::absolute(*options.assets, ignored).lexically_normal();
    if (!full.empty()) options.assets = full.string();
    std::optional<text::Session> started;
    try {
        started.emplace(options);
        if (auto error = started->Start()) {
            std::cerr << "dzwonex-text: " << text::Printable(*error) << "\n";
            return 1;
        }
    } catch (const std::bad_alloc&) {
        // Each file's loader says which file it was; this is the rest.
        std::cerr << "dzwonex-text: "
                  << (options.language == Language::Polish ? "za mało pamięci, by zacząć grę"
                                                           : "not enough memory to start the game")
                  << "\n";
        return 1;
    }
    text::Session& session = *started;
    const bool person = isatty(STDIN_FILENO) && isatty(STDOUT_FILENO);
    if (person) std::cout << text::HelpText(options.language) << session.Screen() << std::flush;

    std::string line;
    while (std::getline(std::cin, line)) {
        auto result = session.Execute(line);
        if (!result.output.empty()) std::cout << result.output << '\n';
        if (result.outcome == text::Session::Outcome::Error) {
            std::cout.flush();
            std::cerr << "dzwonex-text: " << text::Printable(result.error) << "\n";
            if (person) std::cerr << text::HelpText(options.language);
        }
        if (result.outcome == text::Session::Outcome::Quit) break;
        if (person) {
            // After a mistake the screen has not changed: just ask again.
            if (result.outcome == text::Session::Outcome::Error)
                std::cout << "> ";
            else
                std::cout << session.Screen();
        }
        std::cout.flush();
    }
    // Shutdown: every point and case is released with the session.
    return 0;
}
