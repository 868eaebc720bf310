#include "Options.h"

#include "BuildInfo.h"
#include "ParseNumber.h"

namespace dzwonex::text {

std::optional<std::string> ParseOptions(int argc, const char* const* argv, Options& out) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        // --name=value as well as --name value, as the window takes them.
        std::optional<std::string> attached;
        if (const auto equals = arg.find('='); arg.starts_with("--") && equals != std::string::npos) {
            attached = arg.substr(equals + 1);
            arg.resize(equals);
            if (arg == "--help" || arg == "--version") return arg + " takes no value";
        }
        // The word after the option, if there is one.
        auto value = [&]() -> std::optional<std::string> {
            if (attached) return attached;
            if (i + 1 >= argc) return std::nullopt;
            return std::string(argv[++i]);
        };
        if (arg == "--seed") {
            auto v = value();
            uint32_t seed = 0;
            if (!v || !ParseNumber(*v, seed)) return "--seed needs a whole number from 0 to 4294967295";
            out.seed = seed;
        } else if (arg == "--user") {
            auto v = value();
            if (!v) return "--user needs a name";
            out.user = *v;
        } else if (arg == "--assets") {
            auto v = value();
            if (!v || v->empty()) return "--assets needs a folder";
            out.assets = *v;
        } else if (arg == "--load") {
            auto v = value();
            if (!v || v->empty()) return "--load needs a saved game";
            out.load = *v;
        } else if (arg == "--lang") {
            auto v = value();
            const auto language = v ? LanguageFromCode(*v) : std::nullopt;
            if (!language) return "--lang needs pl or en";
            out.language = *language;
        } else if (arg == "--help" || arg == "-h") {
            out.help = true;
        } else if (arg == "--version" || arg == "-v") {
            out.version = true;
        } else {
            return "unknown option: " + arg;
        }
    }
    return std::nullopt;
}

std::string UsageText() {
    return "Usage: dzwonex-text [OPTION]...\n"
           "Plays Dzwonex without a window: commands on standard input, one a line.\n"
           "\n"
           "Options:\n"
           "  --seed N      play the game of seed N (0 to 4294967295); default: from the clock\n"
           "  --user NAME   the name that signs the letters; default: the logged-on user\n"
           "  --assets DIR  read the pictures from DIR; default: the first of the program's\n"
           "                folder, ../share/dzwonex beside it and dzwonex in the XDG data\n"
           "                folders that holds them\n"
           "  --load PATH   start from the saved game PATH instead of a new game\n"
           "  --lang LANG   the game's language: pl (Polish, the default) or en (English)\n"
           "  -h, --help    print this help and exit\n"
           "  -v, --version print the version and exit\n"
           "\n"
           "Commands:\n"
           "  day           the next day\n"
           "  tak, nie, ok  answer the front case (yes and no work too)\n"
           "  click X Y     press the map at X, Y\n"
           "  banner        the next banner\n"
           "  speed X       press the speed bar at X (0 to 200)\n"
           "  page N        show page N (0 map, 1 statistics, 2 cases, 3 menu)\n"
           "  save PATH     save the game to PATH (the rest of the line)\n"
           "  load PATH     load the saved game PATH; on failure the game goes on unchanged\n"
           "  state         print the state as one line of JSON\n"
           "  rating        print the company's rating and its parts as one line of JSON\n"
           "  term N        begin a term of N years (1, 2, 5 or 10) from today; term 0 ends it\n"
           "  pomoc, help   print a short help on the game, in the game's language\n"
           "  quit          end the game\n"
           "\n"
           "Exit status: 0 after quit or the end of the input, 1 when the game's files\n"
           "or the game of --load cannot be read, 2 for a wrong option.\n";
}

std::string VersionText() { return "dzwonex-text " DZWONEX_VERSION "\n"; }

}  // namespace dzwonex::text
