#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string_view>

namespace dzwonex {

namespace {

void Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

}  // namespace

bool AsksOnlyForText(int argc, const char* const* argv) {
    // Qt's own options, which QApplication takes off the command line before
    // the game reads it (QGuiApplication, QApplication and X11's), with one
    // dash or two.
    static constexpr std::string_view kQtWithValue[] = {
        "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
        "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
        "display",     "geometry",           "title",         "name",   "icon",
        "visual"};
    static constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    auto among = [](std::string_view name, const auto& names) {
        return std::find(std::begin(names), std::end(names), name) != std::end(names);
    };
    int games = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") {  // the rest are saved games' names
            games += argc - i - 1;
            break;
        }
        if (arg.size() < 2 || arg[0] != '-') {
            ++games;
            continue;
        }
        const bool isLong = arg[1] == '-';
        std::string_view name = arg.substr(isLong ? 2 : 1);
        const size_t equals = name.find('=');
        const bool attached = equals != std::string_view::npos;
        const std::string_view value = attached ? name.substr(equals + 1) : i + 1 < argc ? argv[i + 1] : "";
        name = name.substr(0, equals);
        if (isLong && (name == "help" || name == "version")) return true;
        if (!isLong && (name == "h" || name == "v")) return true;
        // The game's own values are checked here too.
        if (isLong && name == "lang" && !LanguageFromCode(value)) return true;
        if (isLong && name == "assets" && value.empty()) return true;
        if ((isLong && (name == "assets" || name == "lang")) || among(name, kQtWithValue)) {
            if (!attached) ++i;
            continue;
        }
        if (among(name, kQtFlags) || name.starts_with("qmljsdebugger")) continue;
        return true;  // a wrong option: the answer is the usage
    }
    return games > 1;  // the window opens one saved game
}

std::optional<int> ParseCommandLine(const QStringList& arguments, CommandLine& out) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Dzwonex: run the local branch of the telephone company Dzwonex S.A.\n"
                       "The pictures, sounds and Banner.url are read from the first of the program's folder,\n"
                       "../share/dzwonex beside it and dzwonex in the XDG data folders that holds them.\n"
                       "Exit status: 0 when the window is closed, 1 when the game's files cannot be read,\n"
                       "2 for a wrong option."));
    // Not Qt's own help option: it announces --help-all, whose Qt options
    // only QCommandLineParser::process() can print, and process() ends
    // with status 1 on a wrong option.
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Print this help and exit."));
    parser.addOption(help);
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Print the version and exit."));
    parser.addOption(version);
    const QCommandLineOption assets(QStringList{QStringLiteral("assets")},
                                    QStringLiteral("Read the pictures, sounds and Banner.url from <dir>."),
                                    QStringLiteral("dir"));
    parser.addOption(assets);
    const QCommandLineOption lang(QStringList{QStringLiteral("lang")},
                                  QStringLiteral("Speak <code>: pl (Polish) or en (English), for this run only.\n"
                                                 "Without it, the language chosen on the Menu page, or else the\n"
                                                 "system's: Polish for a Polish system, English for any other."),
                                  QStringLiteral("code"));
    parser.addOption(lang);
    parser.addPositionalArgument(QStringLiteral("game"), QStringLiteral("A saved game to open (*.dzwonex)."),
                                 QStringLiteral("[GAME.dzwonex]"));

    if (!parser.parse(arguments) || parser.positionalArguments().size() > 1) {
        const QString error = parser.positionalArguments().size() <= 1
                                  ? parser.errorText()
                                  : QStringLiteral("Unexpected argument: ") + parser.positionalArguments().at(1);
        Print(stderr, QCoreApplication::applicationName() + QStringLiteral(": ") + error + QStringLiteral("\n\n") +
                          parser.helpText());
        return 2;
    }
    if (parser.isSet(help)) {
        Print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QCoreApplication::applicationName() + QStringLiteral(" ") +
                          QCoreApplication::applicationVersion() + QStringLiteral("\n"));
        return 0;
    }
    if (parser.isSet(assets)) {
        const QString dir = parser.value(assets);
        if (dir.isEmpty()) {
            Print(stderr, QStringLiteral("%1: --assets needs a folder\n\n%2")
                              .arg(QCoreApplication::applicationName(), parser.helpText()));
            return 2;
        }
        out.assets = QFile::encodeName(dir).toStdString();
    }
    if (parser.isSet(lang)) {
        out.language = LanguageFromCode(parser.value(lang).toStdString());
        if (!out.language) {
            Print(stderr, QStringLiteral("%1: --lang takes pl or en, not \"%2\"\n\n%3")
                              .arg(QCoreApplication::applicationName(), parser.value(lang), parser.helpText()));
            return 2;
        }
    }
    if (!parser.positionalArguments().isEmpty()) out.game = parser.positionalArguments().front();
    return std::nullopt;
}

}  // namespace dzwonex
