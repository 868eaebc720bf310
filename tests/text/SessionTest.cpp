#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cmath>
#include <fstream>
#include <random>
#include <utility>

#include "Fixtures.h"
#include "HelpText.h"
#include "Printable.h"
#include "Session.h"
#include "StartedSession.h"
#include "Translation.h"

namespace dzwonex::testing {

using text::Options;
using text::Session;
using json = nlohmann::json;

class TextSession : public ::testing::Test {
protected:
    std::unique_ptr<Session> Open(uint32_t seed = 7, const char* user = "Jan", Language language = Language::Polish) {
        return StartedSession(assets, seed, user, language);
    }
    json State(Session& s) { return json::parse(s.Execute("state").output); }

    AssetFolder assets;
};

TEST_F(TextSession, StateHasEveryKey) {
    auto s = Open();
    const json st = State(*s);
    for (const char* key : {"rng", "day", "money", "opinion", "quality", "subscribers", "cases", "banner", "speed",
                            "timer", "page", "labels", "buttons", "sounds"})
        EXPECT_TRUE(st.contains(key)) << key;
    EXPECT_EQ(st["day"], 1);
    EXPECT_EQ(st["subscribers"].size(), 6u);
    EXPECT_EQ(st["subscribers"][4].size(), 2u);
    EXPECT_EQ(st["speed"], 5);
    EXPECT_EQ(st["timer"], 12000);
    EXPECT_EQ(st["page"], 2);
    EXPECT_EQ(st["cases"][0]["title"], "Witaj !");
    EXPECT_TRUE(st["cases"][0]["subject"].is_null());
    EXPECT_EQ(st["labels"]["lblSpeed2"], "Rok: 1  Miesiąc: 1  Dzień: 2");
    EXPECT_EQ(st["labels"].size(), 17u);
    EXPECT_EQ(st["buttons"]["btnOK"], true);
    EXPECT_EQ(st["sounds"]["button"], 0);
}

TEST_F(TextSession, CommandsReachTheGame) {
    auto s = Open();
    s->Execute("ok");
    s->Execute("day");
    EXPECT_EQ(State(*s)["day"], 2);
    s->Execute("speed 0");
    EXPECT_EQ(State(*s)["timer"], 0);
    s->Execute("speed 230");
    EXPECT_EQ(State(*s)["speed"], 10);
    s->Execute("page 2");  // already active: no sound
    s->Execute("page 0");
    s->Execute("page 0");
    json st = State(*s);
    EXPECT_EQ(st["sounds"]["page"], 1);
    EXPECT_EQ(st["page"], 0);
    s->Execute("click 3 3");
    st = State(*s);
    EXPECT_EQ(st["page"], 2);
    EXPECT_EQ(st["sounds"]["click"], 1);
    const int kind = st["cases"][0]["kind"];
    EXPECT_TRUE(kind == 1 || kind == 8);
    EXPECT_EQ(st["buttons"]["btnYes"], true);
}

TEST_F(TextSession, DisconnectSubjectShowsWhetherItIsStillListed) {
    auto s = Open();
    const auto& booth = s->Game().Subscribers(6).front();
    const int x = booth->X(), y = booth->Y();
    s->Execute("click " + std::to_string(x) + " " + std::to_string(y));
    s->Execute("click " + std::to_string(x) + " " + std::to_string(y));
    json st = State(*s);
    EXPECT_EQ(st["cases"][0]["subject"]["listed"], true);
    s->Execute("tak");
    st = State(*s);
    EXPECT_EQ(st["cases"][0]["kind"], 1);
    EXPECT_EQ(st["cases"][0]["subject"]["x"], x);
    EXPECT_EQ(st["cases"][0]["subject"]["listed"], false);
    EXPECT_EQ(st["sounds"]["button"], 2);
}

TEST_F(TextSession, RealsReadBackExactly) {
    auto s = Open(4242);
    for (int i = 0; i < 60; ++i) {
        s->Execute("day");
        s->Execute(i % 2 ? "tak" : "nie");
        s->Execute("ok");
    }
    const json st = State(*s);
    // Not a whole number, so the digits matter; read back it is the same double.
    ASSERT_NE(s->Game().Opinion(), std::nearbyint(s->Game().Opinion()));
    EXPECT_EQ(st["opinion"].get<double>(), s->Game().Opinion());
    EXPECT_EQ(st["quality"].get<double>(), s->Game().Quality());
}

TEST_F(TextSession, ANameThatIsNotUtf8NeverBreaksTheState) {
    auto s = Open(99, "Jan\xff\xfe\xc3");
    bool signedLetter = false;
    for (int i = 0; i < 300 && !signedLetter; ++i) {
        s->Execute("day");
        s->Execute("nie");
        signedLetter = s->Game().CurrentCase() && s->Game().CurrentCase()->title.rfind("Odpowiedź", 0) == 0;
        if (!signedLetter) s->Execute("ok");
    }
    ASSERT_TRUE(signedLetter);
    const auto r = s->Execute("state");
    EXPECT_EQ(r.outcome, Session::Outcome::Done);
    EXPECT_TRUE(json::accept(r.output));
    EXPECT_NE(r.output.find("Jan\xEF\xBF\xBD"), std::string::npos);  // the bad bytes become U+FFFD
}

TEST_F(TextSession, PomocAndHelpPrintTheGamesHelpAndChangeNothing) {
    auto s = Open();
    const std::string before = s->StateLine();
    for (const char* command : {"pomoc", "help"}) {
        const auto r = s->Execute(command);
        EXPECT_EQ(r.outcome, Session::Outcome::Done);
        // The window's help first, then the commands.
        EXPECT_EQ(r.output.rfind(GameHelp(), 0), 0u) << command;
        EXPECT_NE(r.output.find("pomoc albo help"), std::string::npos);
        EXPECT_NE(r.output.find("rating (ocena firmy"), std::string::npos);
        EXPECT_NE(r.output.back(), '\n');
    }
    EXPECT_EQ(s->Execute("pomoc 2").outcome, Session::Outcome::Error);
    EXPECT_EQ(s->StateLine(), before);
}

TEST_F(TextSession, EnglishScreenHelpAndAnswersHoldNoPolish) {
    auto s = Open(7, "Jan", Language::English);
    const auto names = PeoplesNames();
    const auto help = s->Execute("help");
    EXPECT_EQ(help.output.rfind(GameHelp(Language::English), 0), 0u);
    EXPECT_EQ(PolishLeftIn(help.output, names), "");
    // A refusal letter, answered with the English word.
    s->Execute("ok");  // the welcome letter
    for (int day = 0; day < 2000 && !State(*s)["buttons"]["btnNo"].get<bool>(); ++day) s->Execute("day");
    ASSERT_TRUE(State(*s)["buttons"]["btnNo"].get<bool>());
    const size_t before = State(*s)["cases"].size();
    EXPECT_EQ(s->Execute("no").outcome, Session::Outcome::Done);
    EXPECT_LE(State(*s)["cases"].size(), before);
    EXPECT_EQ(PolishLeftIn(s->Screen(), names), "") << s->Screen();
    EXPECT_NE(s->Screen().find("Cash: PLN "), std::string::npos);
}

// Seed 5 starts at opinion 1 and quality 0: the screen says from the first
// day who the rules drive away, and on what, in the session's language;
// once they are all gone, nobody is named.
TEST_F(TextSession, TheScreenNamesTheKindsTheDailyRulesDriveAway) {
    const std::pair<Language, const char*> screens[] = {
        {Language::Polish, "Odchodzą: ISDN (opinia − jakość < 10), SDI i Neostrada (opinia + jakość < 5)\n"},
        {Language::English, "Leaving: ISDN (opinion − quality < 10), SDI and Neostrada (opinion + quality < 5)\n"}};
    for (const auto& [language, line] : screens) {
        auto s = Open(5, "Jan", language);
        EXPECT_NE(s->Screen().find(line), std::string::npos) << s->Screen();
        for (int day = 0; day < 60; ++day) s->Execute("day");
        const json counts = State(*s)["labels"];
        EXPECT_EQ(counts["lbl2"], "0");
        EXPECT_EQ(counts["lbl3"], "0");
        EXPECT_EQ(counts["lbl4"], "0");
        EXPECT_EQ(s->Screen().find(language == Language::Polish ? "Odchodzą:" : "Leaving:"), std::string::npos);
    }
}

TEST_F(TextSession, BadCommandsChangeNothing) {
    auto s = Open();
    const std::string before = s->StateLine();
    const char* bad[] = {"dzien",
                         "click",
                         "click 5",
                         "click 5 5 5",
                         "click -1 5",
                         "click 5 -1",
                         "click 1400 5",
                         "click 5 1000",
                         "click 99999999999999999999 1",
                         "click x y",
                         "speed",
                         "speed abc",
                         "speed 1 2",
                         "speed 4294967296",
                         "page 4",
                         "page -1",
                         "page",
                         "day 2",
                         "tak tak",
                         "STATE",
                         "\x01\x02\xff",
                         "click 0x10 5",
                         "page 1.5",
                         "save",
                         "load   ",
                         "save /nonexistent/folder/gra.dzwonex",
                         "load /nonexistent/gra.dzwonex",
                         "load /",
                         "rating 1",
                         "term",
                         "term 3",
                         "term -5",
                         "term x",
                         "term 5 5"};
    for (const char* line : bad) {
        const auto r = s->Execute(line);
        EXPECT_EQ(r.outcome, Session::Outcome::Error) << line;
        EXPECT_FALSE(r.error.empty());
        EXPECT_EQ(r.error.find('\n'), std::string::npos) << "one line: " << line;
    }
    EXPECT_EQ(s->StateLine(), before);
    EXPECT_EQ(s->Execute("   ").outcome, Session::Outcome::Done);
    EXPECT_EQ(s->Execute("# komentarz").outcome, Session::Outcome::Done);
    EXPECT_EQ(s->Execute("quit").outcome, Session::Outcome::Quit);
    EXPECT_EQ(s->StateLine(), before);
}

TEST_F(TextSession, SameSeedSameCommandsSameStates) {
    const std::vector<std::string> script = {"day",       "tak", "nie", "ok",  "click 100 100", "tak", "banner",
                                             "speed 150", "day", "nie", "day", "page 1",        "ok",  "day"};
    auto run = [&] {
        auto s = Open(31337);
        std::string all;
        for (const auto& line : script) {
            s->Execute(line);
            all += s->StateLine() + "\n";
        }
        return all;
    };
    EXPECT_EQ(run(), run());
}

TEST_F(TextSession, RandomCommandLinesNeverBreakIt) {
    auto s = Open(99);
    std::mt19937 gen(12345);
    const std::vector<std::string> words = {
        "day",  "tak", "nie", "ok", "click", "banner", "speed",      "page",        "state", "#",  "",   "rating",
        "term", "-5",  "0",   "17", "1399",  "999",    "2147483648", "-2147483649", "1e9",   "\t", "zł", "nan"};
    for (int i = 0; i < 20000; ++i) {
        std::string line;
        const int n = static_cast<int>(gen() % 4);
        for (int w = 0; w < n; ++w) {
            if (gen() % 10 == 0) {
                const int len = static_cast<int>(gen() % 12);
                for (int c = 0; c < len; ++c) line += static_cast<char>(gen() % 256);
            } else {
                line += words[gen() % words.size()];
            }
            line += ' ';
        }
        const auto r = s->Execute(line);
        ASSERT_NE(r.outcome == Session::Outcome::Error, r.error.empty()) << line;
        if (r.outcome == Session::Outcome::Done && !r.output.empty()) {
            ASSERT_TRUE(json::accept(r.output)) << line;
        }
    }
    const json st = State(*s);
    EXPECT_GE(st["day"].get<int>(), 1);
}

// The rating and the term are read beside the game: the state lines stay
// those of a game played without them.
TEST_F(TextSession, RatingAndTermLeaveTheStateLinesAsTheyWere) {
    auto plain = Open(2026), rated = Open(2026);
    EXPECT_EQ(rated->Execute("term 1").outcome, Session::Outcome::Done);
    for (int day = 0; day < 365; ++day) {
        for (auto* s : {plain.get(), rated.get()}) {
            if (day % 2) s->Execute("tak");
            s->Execute("ok");
            s->Execute("day");
        }
        const auto r = rated->Execute("rating");
        ASSERT_EQ(r.outcome, Session::Outcome::Done);
        ASSERT_EQ(rated->StateLine(), plain->StateLine()) << "day " << day;
        if (day == 0 || day == 360) {
            const json line = json::parse(r.output);
            int32_t sum = 0;
            for (const char* part : {"money", "service", "reputation", "equipment", "discipline"})
                sum += line[part].get<int32_t>();
            EXPECT_EQ(line["rating"], sum);
            EXPECT_EQ(line["term"]["years"], 1);
            EXPECT_EQ(line["term"]["days"], 360);
            EXPECT_EQ(line["term"]["end"], day == 0 ? "running" : "completed");
            if (day == 360) {
                EXPECT_EQ(line["term"]["final"], rated->Played().CurrentTerm().finalRating.total);
            }
        }
    }
    EXPECT_EQ(rated->Played().CurrentTerm().end, TermEnd::Completed);
    EXPECT_EQ(rated->Played().CurrentTerm().monthlyRatings.size(), 12u);
    // term 0: no term any more.
    rated->Execute("term 0");
    EXPECT_TRUE(json::parse(rated->Execute("rating").output)["term"].is_null());
}

// What a terminal would take for its own commands is written out: ESC
// sequences (a new title, a cleared screen, OSC 52 to the clipboard), C1
// controls, DEL, a lone CR and bytes that are not UTF-8. Letters, line
// ends and tabs stay.
TEST(TextPrintable, ControlCharactersAreWrittenOut) {
    const std::pair<std::string, std::string> rows[] = {
        {"\x1b]0;pwned\x07", "\\x1b]0;pwned\\x07"},
        {"\x1b[2J\x1b[H", "\\x1b[2J\\x1b[H"},
        {"\x1b]52;c;ZXZpbA==\x1b\\", "\\x1b]52;c;ZXZpbA==\\x1b\\"},
        {"\xc2\x9b"
         "31m \xc2\x9d"
         "0;x\xc2\x9c",
         "\\u009b31m \\u009d0;x\\u009c"},
        {std::string("a\x7f\r\x01\0z", 6), "a\\x7f\\x0d\\x01\\x00z"},
        {"\xff\xfe \xc3 \xc0\x80 \xed\xa0\x80 \xf4\x90\x80\x80",
         "\\xff\\xfe \\xc3 \\xc0\\x80 \\xed\\xa0\\x80 \\xf4\\x90\\x80\\x80"},
        {"Zażółć gęślą jaźń\n\t– 12\xc2\xa0zł €", "Zażółć gęślą jaźń\n\t– 12\xc2\xa0zł €"},
        {"\xf0\x9f\x93\x9e\xc2", "\xf0\x9f\x93\x9e\\xc2"},
    };
    for (const auto& [raw, shown] : rows) EXPECT_EQ(text::Printable(raw), shown) << json(shown).dump();
}

// A saved game's texts reach the screen written out; the state line keeps
// them exactly.
TEST_F(TextSession, ASavedGamesControlCharactersAreShownWrittenOutAndKeptInTheState) {
    auto s = Open();
    const std::string path = (assets.Path() / "gra.dzwonex").string();
    ASSERT_EQ(s->Execute("save " + path).outcome, Session::Outcome::Done);
    const std::string title = "\x1b]0;pwned\x07\x1b[2J", body =
                                                             "\x1b]52;c;ZXZpbA==\x07\r\n\xc2\x9b"
                                                             "31m";
    json file = json::parse(std::ifstream(path));
    file["cases"]["list"][0]["title"] = title;
    file["cases"]["list"][0]["body"] = body;
    std::ofstream(path) << file.dump();
    const auto load = s->Execute("load " + path);
    ASSERT_EQ(load.outcome, Session::Outcome::Done) << load.error;

    const std::string screen = s->Screen();
    EXPECT_NE(screen.find("[ \\x1b]0;pwned\\x07\\x1b[2J ]\n\\x1b]52;c;ZXZpbA==\\x07\n\\u009b31m\n"), std::string::npos)
        << screen;
    EXPECT_EQ(screen.find_first_of("\x1b\x07\r"), std::string::npos);
    EXPECT_EQ(screen.find("\xc2\x9b"), std::string::npos);
    const json state = State(*s);
    EXPECT_EQ(state["cases"][0]["title"], title);
    EXPECT_EQ(state["cases"][0]["body"], body);
}

TEST(TextOptions, ParsesAndRejects) {
    Options o;
    const char* good[] = {"x", "--seed", "4294967295", "--user", "Zenon", "--assets", "/tmp"};
    EXPECT_FALSE(text::ParseOptions(7, good, o));
    EXPECT_EQ(*o.seed, 4294967295u);
    EXPECT_EQ(*o.user, "Zenon");
    const char* tooBig[] = {"x", "--seed", "4294967296"};
    EXPECT_TRUE(text::ParseOptions(3, tooBig, o));
    const char* negative[] = {"x", "--seed", "-1"};
    EXPECT_TRUE(text::ParseOptions(3, negative, o));
    const char* missing[] = {"x", "--user"};
    EXPECT_TRUE(text::ParseOptions(2, missing, o));
    const char* noGame[] = {"x", "--load"};
    EXPECT_TRUE(text::ParseOptions(2, noGame, o));
    const char* unknown[] = {"x", "--fast"};
    EXPECT_TRUE(text::ParseOptions(2, unknown, o));
    // As the window takes them: short -h and -v, --name=value.
    Options attached;
    const char* joined[] = {"x", "--seed=12", "--user=Zenon=Z", "-v", "-h"};
    EXPECT_FALSE(text::ParseOptions(5, joined, attached));
    EXPECT_EQ(*attached.seed, 12u);
    EXPECT_EQ(*attached.user, "Zenon=Z");
    EXPECT_TRUE(attached.version && attached.help);
    for (const char* wrong : {"--help=1", "--version=", "--seed=", "--fast=1", "-seed=1"}) {
        const char* args[] = {"x", wrong};
        EXPECT_TRUE(text::ParseOptions(2, args, o)) << wrong;
    }

    Options languages;
    EXPECT_EQ(languages.language, Language::Polish);
    const char* english[] = {"x", "--lang", "en"};
    EXPECT_FALSE(text::ParseOptions(3, english, languages));
    EXPECT_EQ(languages.language, Language::English);
    for (const char* wrong : {"de", "EN", "english", ""}) {
        const char* args[] = {"x", "--lang", wrong};
        EXPECT_TRUE(text::ParseOptions(3, args, languages)) << wrong;
    }
    const char* noLanguage[] = {"x", "--lang"};
    EXPECT_TRUE(text::ParseOptions(2, noLanguage, languages));
}

}  // namespace dzwonex::testing
