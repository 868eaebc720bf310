#include "Session.h"

#include <functional>
#include <map>
#include <sstream>
#include <vector>

#include "HelpText.h"
#include "ImageFiles.h"
#include "ParseNumber.h"
#include "Platform.h"
#include "Speed.h"
#include "WordedError.h"

namespace dzwonex::text {

namespace {

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    std::string w;
    while (in >> w) words.push_back(w);
    return words;
}

}  // namespace

Session::Session(const Options& options)
    : options_(options), session_(view_, options.seed ? *options.seed : ClockSeed(), TodayIsoDate) {
    session_.Game().SetLanguage(options.language);
}

std::optional<std::string> Session::Start() {
    std::string dir = options_.assets ? *options_.assets : ExecutableDir();
    if (!dir.empty() && dir.back() != '/') dir += '/';
    session_.Game().Reset(options_.user ? *options_.user : LogonUserName());
    try {
        // Only the sizes: this front end shows no picture.
        session_.Game().SetBannerStripHeight(ReadBmpInfo(dir + "Bannery.bmp").height);
        const JpegSize map = CheckJpeg(dir + "Mapa.jpg");
        session_.Game().SetMapPictureSize(map.width, map.height);
    } catch (const FileError& e) {
        const std::string message = Worded(e, options_.language);
        // Every message names the file it is about.
        if (message.find(e.File()) == std::string::npos) return e.File() + ": " + message;
        return message;
    }
    if (options_.load) return StartSaved();
    // No term until `term N`.
    session_.NewGame(0);
    return std::nullopt;
}

Session::Result Session::Execute(const std::string& rawLine) {
    std::string line = rawLine;
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    Result result;
    const auto words = Split(line);
    if (words.empty() || words[0][0] == '#') return result;
    const std::string& cmd = words[0];
    auto fail = [&](const std::string& why) {
        result.outcome = Outcome::Error;
        result.error = why;
        return result;
    };
    auto expectArgs = [&](size_t n) { return words.size() == n + 1; };

    // Commands without arguments that play the game.
    using Turn = std::function<void(GameSession&)>;
    static const std::map<std::string, Turn> kActions = {
        {"day", [](GameSession& s) { s.NextDay(); }},
        {"tak", [](GameSession& s) { s.AnswerYes(); }},
        {"yes", [](GameSession& s) { s.AnswerYes(); }},
        {"nie", [](GameSession& s) { s.AnswerNo(); }},
        {"no", [](GameSession& s) { s.AnswerNo(); }},
        {"ok", [](GameSession& s) { s.AnswerOk(); }},
        {"banner", [](GameSession& s) { s.Game().NextBanner(); }},
    };
    if (auto action = kActions.find(cmd); action != kActions.end() || cmd == "state" || cmd == "quit") {
        if (!expectArgs(0)) return fail(cmd + " takes no arguments");
        if (action != kActions.end())
            action->second(session_);
        else if (cmd == "state")
            result.output = StateLine();
        else
            result.outcome = Outcome::Quit;
        return result;
    }
    if (cmd == "save" || cmd == "load") return SaveOrLoad(cmd, line);
    if (cmd == "rating" || cmd == "term") return RatingOrTerm(words);
    if (cmd == "pomoc" || cmd == "help") {
        if (!expectArgs(0)) return fail(cmd + " takes no arguments");
        // The window's help, then the commands; without the last line end,
        // which the caller adds.
        result.output = std::string(GameHelp(options_.language)) + "\n" + HelpText(options_.language);
        while (!result.output.empty() && result.output.back() == '\n') result.output.pop_back();
        return result;
    }
    if (cmd == "click") {
        int32_t x = 0, y = 0;
        if (!expectArgs(2) || !ParseNumber(words[1], x) || !ParseNumber(words[2], y))
            return fail("click needs two whole numbers: click X Y");
        if (x < 0 || y < 0 || x >= session_.Game().MapWidth() || y >= session_.Game().MapHeight())
            return fail("click " + words[1] + " " + words[2] + " lies outside the map (0.." +
                        std::to_string(session_.Game().MapWidth() - 1) + ", 0.." +
                        std::to_string(session_.Game().MapHeight() - 1) + ")");
        session_.Game().PressMap(x, y);
        return result;
    }
    if (cmd == "speed") {
        int32_t x = 0;
        if (!expectArgs(1) || !ParseNumber(words[1], x)) return fail("speed needs one whole number: speed X");
        // X is a pixel of the window's 200 px gauge, as a press there.
        session_.Game().SetSpeedStep(SpeedStepAtPixel(x, kSpeedGaugeWidth));
        return result;
    }
    if (cmd == "page") {
        int32_t n = 0;
        if (!expectArgs(1) || !ParseNumber(words[1], n) || n < 0 || n > 3)
            return fail("page needs a page number from 0 to 3");
        // Only a real change of page sounds.
        if (n != view_.Page()) {
            session_.Game().PageChangedByPlayer();
            view_.SetActivePage(n);
        }
        return result;
    }
    std::string shown = cmd.substr(0, 40);
    for (char& ch : shown)
        if (static_cast<unsigned char>(ch) < 32 || static_cast<unsigned char>(ch) == 127) ch = '?';
    return fail("unknown command: " + shown);
}

std::string HelpText(Language language) {
    if (language == Language::English)
        return "Commands: day (the next day), yes, no, ok (answer the case), click X Y (press the map),\n"
               "banner, speed X (0..200 on the speed bar), page N (0 Map, 1 Statistics, 2 Cases, 3 Menu),\n"
               "save FILE, load FILE (save and load the game), state (the state in JSON), rating (the\n"
               "company's rating in JSON), term N (a term of N years: 1, 2, 5 or 10; 0 ends it), help\n"
               "(about the game), quit (the end).\n";
    return "Polecenia: day (następny dzień), tak, nie, ok (odpowiedź na sprawę), click X Y (kliknięcie na mapie),\n"
           "banner, speed X (0..200 na pasku szybkości), page N (0 Mapa, 1 Statystyka, 2 Sprawy, 3 Menu),\n"
           "save PLIK, load PLIK (zapis i odczyt gry), state (stan w JSON), rating (ocena firmy w JSON),\n"
           "term N (kadencja na N lat: 1, 2, 5 albo 10; 0 ją kończy), pomoc albo help (opis gry),\n"
           "quit (koniec).\n";
}

}  // namespace dzwonex::text
