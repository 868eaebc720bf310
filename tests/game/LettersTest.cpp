#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "HelpText.h"
#include "Letters.h"
#include "TestRandom.h"
#include "Translation.h"

namespace dzwonex::testing {

using namespace letters;

namespace {
std::vector<int> Ranges(const ScriptedRandom& rng) {
    std::vector<int> out;
    for (const auto& d : rng.Draws()) out.push_back(d.real ? -1 : d.n);
    return out;
}
const std::string S = "Prośba.";
const TextCatalogue& PL = Texts(Language::Polish);
}  // namespace

TEST(Letters, ApplicationWithAllZeroDraws) {
    ScriptedRandom rng;
    EXPECT_EQ(ApplicationLetter(PL, rng, S),
              "Panie kierowniku.\r\n\r\nProśba.\r\n\r\nProśbę swą motywuję tym, że stałe łącze potrzebne jest mojemu "
              "synowi do nauki ;)\r\n\r\nPozdrawiam!\r\nMaciej Kowalski");
    EXPECT_EQ(Ranges(rng), (std::vector<int>{7, 5, 3, 9, 9}));
}

TEST(Letters, PersonNameDrawsFirstNameThenSurname) {
    ScriptedRandom rng({8, 7});
    EXPECT_EQ(RandomPersonName(rng), "Ferdynand Mąciwoda");
    ScriptedRandom other({0, 8});
    EXPECT_EQ(RandomPersonName(other), "Maciej Moczymorda");
}

TEST(Letters, EnvelopeWritesTheAmountGrouped) {
    ScriptedRandom rng({6, 4, 2, 1, 2});
    EXPECT_EQ(EnvelopeLetter(PL, rng, S, 1099),
              "Szefie!\r\n\r\nProśba.\r\n\r\nProśbę swą motywuję tym, iż zawsze marzyłem o tym, żeby mieć Internet i "
              "fajnie byłoby go mieć :))\r\n\r\nDo podania dołączam kopertę z 1 099 zł licząc na Pana pomoc "
              ":)\r\n\r\nOczekuję na odpowiedź...\r\nAdam Kiepski");
    EXPECT_EQ(Ranges(rng), (std::vector<int>{7, 5, 3, 9, 9}));
    ScriptedRandom zeros;
    EXPECT_NE(EnvelopeLetter(PL, zeros, S, 100).find("kopertę z 100 zł licząc"), std::string::npos);
}

TEST(Letters, InstitutionLettersHaveNoMotivation) {
    ScriptedRandom rng({3, 1, 5});
    EXPECT_EQ(InstitutionLetter(PL, rng, S),
              "Szanowny panie dyrektorze.\r\n\r\nProśba.\r\n\r\nZ wyrazami szacunku...\r\nPrzedsiębiorstwo wywozu "
              "nieczystości \"Bracia Strach\"");
    EXPECT_EQ(Ranges(rng), (std::vector<int>{7, 3, 6}));

    ScriptedRandom env({4, 0, 2});
    EXPECT_EQ(InstitutionEnvelopeLetter(PL, env, S, 10999),
              "Panie prezesie.\r\n\r\nProśba.\r\n\r\nDo podania dołączam kopertę z 10 999 zł licząc na Pana pomoc "
              ":)\r\n\r\nPozdrawiam!\r\nAgencja towarzyska \"Laska\"");
    EXPECT_EQ(Ranges(env), (std::vector<int>{7, 3, 6}));
}

TEST(Letters, SpyReportAndStaffNote) {
    ScriptedRandom rng({5, 3});
    EXPECT_EQ(SpyReportMemo(PL, rng, "Pytanie?"),
              "Szanowny panie prezesie.\r\n\r\nNasi szpiedzy odkryli, że jeden z abonentów już od 10 lat nie płaci za "
              "telefon.\r\n\r\nPytanie?");
    EXPECT_EQ(Ranges(rng), (std::vector<int>{7, 4}));
    ScriptedRandom note({2});
    EXPECT_EQ(StaffNote(PL, note, "Zdanie."), "Panie dyrektorze.\r\n\r\nZdanie.");
    EXPECT_EQ(Ranges(note), (std::vector<int>{7}));
}

TEST(Letters, OpinionLetterSignedByAPersonTakesFiveDraws) {
    ScriptedRandom rng({0, 1, 2, 6, 5});
    EXPECT_EQ(OpinionLetter(PL, rng, Opinion::Praise),
              "Szanowny panie kierowniku.\r\n\r\nPozdrowienia w imieniu zadowolonych abonentów z "
              "Lamerowa.\r\n\r\nZbyszek Sraczka");
    EXPECT_EQ(Ranges(rng), (std::vector<int>{5, 7, 4, 9, 9}));
}

TEST(Letters, OpinionLetterSignedByAnInstitutionTakesFour) {
    ScriptedRandom rng({3, 0, 1, 4});
    EXPECT_EQ(OpinionLetter(PL, rng, Opinion::Insult),
              "Panie kierowniku.\r\n\r\nChciałbym wyrazić moją opinię na temat waszej firmy. Oto "
              "ona:\r\nBłeeeeeeee\r\nJednym słowej jesteście do niczego.\r\n\r\nZarząd szaletów publicznych");
    EXPECT_EQ(Ranges(rng), (std::vector<int>{5, 7, 5, 6}));
}

TEST(Letters, EveryPoolEntryIsReachable) {
    // The last index of each pool, to catch a short or misordered table.
    auto last = [](int n) { return ScriptedRandom({static_cast<double>(n - 1)}); };
    auto g = last(7);
    EXPECT_EQ(RandomGreeting(PL, g), "Szefie!");
    auto m = last(5);
    EXPECT_EQ(RandomMotivation(PL, m).rfind("Prośbę swą motywuję tym, iż zawsze", 0), 0u);
    auto c = last(3);
    EXPECT_EQ(RandomClosing(PL, c), "Oczekuję na odpowiedź...");
    auto co = last(6);
    EXPECT_EQ(RandomCompanyName(PL, co), "Przedsiębiorstwo wywozu nieczystości \"Bracia Strach\"");
    auto s = last(4);
    EXPECT_EQ(RandomSpyReport(PL, s),
              "Nasi szpiedzy odkryli, że jeden z abonentów już od 10 lat nie płaci za telefon.");
    auto i = last(5);
    EXPECT_EQ(RandomInsult(PL, i), "Jako szef jesteś do niczego.");
    auto p = last(4);
    EXPECT_EQ(RandomPraise(PL, p), "Chciałem powiedzieć że jestem bardzo zadowolony ze świadczonych przez was usług.");
}

// A draw picks the same variant in either language: each variant of every
// pool, drawn by its index, holds the same meaning in Polish and in English
// (a word of each that the other variants lack). Two English variants
// swapped would keep every other check of the catalogue.
TEST(Letters, EachDrawGivesTheEnglishOfTheSamePolishVariant) {
    const TextCatalogue& EN = Texts(Language::English);
    using Pick = std::string (*)(const TextCatalogue&, RandomSource&);
    struct Pool {
        const char* name;
        Pick pick;
        std::vector<std::pair<const char*, const char*>> words;  // by index: Polish, English
        bool whole = false;                                      // the words are the whole variant
    };
    const Pool pools[] = {
        {"greetings",
         RandomGreeting,
         {{"Panie kierowniku.", "Mr Manager,"},
          {"Szanowny panie kierowniku.", "Dear Mr Manager,"},
          {"Panie dyrektorze.", "Mr Director,"},
          {"Szanowny panie dyrektorze.", "Dear Mr Director,"},
          {"Panie prezesie.", "Mr Chairman,"},
          {"Szanowny panie prezesie.", "Dear Mr Chairman,"},
          {"Szefie!", "Boss!"}},
         true},
        {"motivations",
         RandomMotivation,
         {{"synowi", "son"},
          {"córce", "daughter"},
          {"obrazków", "pictures"},
          {"dysk", "disk"},
          {"marzyłem", "dreamt"}}},
        {"closings", RandomClosing, {{"Pozdrawiam", "regards"}, {"szacunku", "respectfully"}, {"odpowiedź", "reply"}}},
        {"companies",
         RandomCompanyName,
         {{"skakolotów", "Hopalot"},
          {"monopolowy", "Liquor"},
          {"Laska", "Hottie"},
          {"Cham", "Boor"},
          {"szaletów", "Toilets"},
          {"Bracia Strach", "Strach Brothers"}}},
        {"spy reports",
         RandomSpyReport,
         {{"zapycha", "clogging"}, {"filmy", "films"}, {"obrazków", "pictures"}, {"10 lat", "10 years"}}},
        {"insults",
         RandomInsult,
         {{"głupia itp", "etc. etc."},
          {"Błeeee", "Bleeee"},
          {"nie lubię", "don't like"},
          {"niezadowolony", "unhappy"},
          {"Jako szef", "As a boss"}}},
        {"praises",
         RandomPraise,
         {{"słuszną", "sound policy"},
          {"fajną", "cool company"},
          {"Lamerowa", "Lamerowo"},
          {"świadczonych", "services"}}},
    };
    for (const Pool& pool : pools) {
        auto holds = [&pool](const std::string& text, const std::string& word) {
            return pool.whole ? text == word : text.find(word) != std::string::npos;
        };
        // Every variant of the pool has its row.
        ScriptedRandom probe;
        pool.pick(PL, probe);
        ASSERT_EQ(Ranges(probe), std::vector<int>{static_cast<int>(pool.words.size())}) << pool.name;
        for (size_t i = 0; i < pool.words.size(); ++i) {
            SCOPED_TRACE(std::string(pool.name) + " " + std::to_string(i));
            ScriptedRandom pl({static_cast<double>(i)}), en({static_cast<double>(i)});
            const auto& [polish, english] = pool.words[i];
            EXPECT_TRUE(holds(pool.pick(PL, pl), polish)) << polish;
            EXPECT_TRUE(holds(pool.pick(EN, en), english)) << english;
            // The word belongs to this variant alone.
            for (size_t j = 0; j < pool.words.size(); ++j) {
                if (j == i) continue;
                ScriptedRandom other({static_cast<double>(j)});
                EXPECT_FALSE(holds(pool.pick(EN, other), english)) << english << " also in " << j;
            }
        }
    }
}

// Every template, each of its draws through every value while the others
// stay at zero: in English no Polish is left but the people's names, and
// each letter makes exactly the draws of its Polish original.
TEST(Letters, EnglishWalksEveryVariantWithThePolishDraws) {
    const TextCatalogue& EN = Texts(Language::English);
    const std::vector<std::string> names = PeoplesNames();
    using Compose = std::function<std::string(const TextCatalogue&, RandomSource&)>;
    const std::pair<const char*, Compose> templates[] = {
        {"application", [](auto& t, auto& r) { return ApplicationLetter(t, r, t.lines[kSdiLine].plainRequest); }},
        {"envelope", [](auto& t, auto& r) { return EnvelopeLetter(t, r, t.lines[kNeostradaLine].bribeRequest, 1099); }},
        {"institution", [](auto& t, auto& r) { return InstitutionLetter(t, r, t.lines[kPolpakLine].plainRequest); }},
        {"institution envelope",
         [](auto& t, auto& r) { return InstitutionEnvelopeLetter(t, r, t.lines[kPolpakLine].bribeRequest, 10999); }},
        {"spy report", [](auto& t, auto& r) { return SpyReportMemo(t, r, t.lines[kSdiLine].spyQuestion); }},
        {"staff note", [](auto& t, auto& r) { return StaffNote(t, r, t.raiseNote); }},
        {"praise", [](auto& t, auto& r) { return OpinionLetter(t, r, Opinion::Praise); }},
        {"insult", [](auto& t, auto& r) { return OpinionLetter(t, r, Opinion::Insult); }},
    };
    std::set<std::string> letters;
    for (const auto& [name, compose] : templates) {
        ScriptedRandom probe;
        compose(EN, probe);
        const std::vector<int> ranges = Ranges(probe);
        for (size_t i = 0; i < ranges.size(); ++i) {
            for (int value = 0; value < ranges[i]; ++value) {
                std::vector<double> draws(ranges.size(), 0.0);
                draws[i] = value;
                ScriptedRandom en(draws), pl(draws);
                const std::string text = compose(EN, en);
                compose(PL, pl);
                EXPECT_EQ(Ranges(en), Ranges(pl)) << name << ", draw " << i << " = " << value;
                EXPECT_EQ(PolishLeftIn(text, names), "") << name << ", draw " << i << " = " << value;
                letters.insert(text);
            }
        }
    }
    // Every variant made a letter of its own.
    EXPECT_GE(letters.size(), 60u);
    EXPECT_NE(EnvelopeLetter(EN, *std::make_unique<ScriptedRandom>(), "", 1099).find("PLN 1,099"), std::string::npos);

    for (const std::string& text : CatalogueTexts(EN)) EXPECT_EQ(PolishLeftIn(text, names), "") << text;
    EXPECT_EQ(PolishLeftIn(GameHelp(Language::English), names), "");
    // The check itself finds what it is for.
    EXPECT_NE(PolishLeftIn(PL.raiseNote, names), "");
    EXPECT_NE(PolishLeftIn("Czy chcesz the thing?", names), "");
}

}  // namespace dzwonex::testing
