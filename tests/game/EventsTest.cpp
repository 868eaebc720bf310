#include "GameFixture.h"

namespace dzwonex::testing {

// A game whose draws come from a script: every answer is chosen by the test.
class Scripted : public ::testing::Test {
protected:
    void Start(std::vector<double> answers, double fallback = 0.0) {
        auto rng = std::make_unique<ScriptedRandom>(std::move(answers), fallback);
        script = rng.get();
        game = std::make_unique<Company>(view, std::move(rng));
        game->SetMapPictureSize(1400, 1000);
    }
    CompanyBuilder Build() { return CompanyBuilder(*game); }
    void Fill(int kind, int n) {
        for (int i = 0; i < n; ++i) Build().PointAt(kind, i % 1400, i / 1400);
    }
    std::vector<int> Ranges() const {
        std::vector<int> out;
        for (const auto& d : script->Draws()) out.push_back(d.real ? -1 : d.n);
        return out;
    }

    RecordingView view;
    ScriptedRandom* script = nullptr;
    std::unique_ptr<Company> game;
};

TEST_F(Scripted, TestValuesOfExactlyZeroMakeNothing) {
    // O = Q = 0 and no phones or ISDN: both SDI tests reduce to -8r > 0, which
    // never holds, even for r = 0.
    Start({}, 0.0);
    Build().SdiEvents();
    Build().NeostradaEvents();
    Build().PolpakEvents();
    EXPECT_TRUE(game->Cases().empty());
    // With r = 0 the raise gate opens, so stop there.
    EXPECT_EQ(Ranges(), (std::vector<int>{-1, -1, -1, 256, -1, -1, -1, 128, -1, -1, 100}));
}

TEST_F(Scripted, ZeroOpinionDrawsNoLetterGate) {
    Start({});
    Build().Opinion(0);
    Build().OpinionLetters();
    EXPECT_TRUE(script->Draws().empty());
    Build().Quality(0);
    Build().QualityProposals();  // only rules 3 and 4 draw
    EXPECT_EQ(Ranges()[0], 48);
}

TEST_F(Scripted, LossValueRoundsHalvesToEven) {
    // k = O/10 + Q/10 - r + N3/1000 with r = 0.5 and 1000 SDI lines.
    const std::pair<double, int> rows[] = {{-10, 0}, {-20, 2}, {-30, 2}, {-40, 4}};
    for (const auto& [opinion, lost] : rows) {
        Start({0.9, 0.9, 0.5}, 0.0);
        Fill(skSdi, 1000);
        Build().Opinion(opinion);
        Build().SdiEvents();
        // The spy report after the loss always comes: Random(256) < N3.
        EXPECT_EQ(game->Count(skSdi), 1000 - lost) << opinion;
        EXPECT_EQ(Ranges()[3 + lost], 256) << opinion;
        for (int i = 0; i < lost; ++i) EXPECT_EQ(Ranges()[3 + i], 1000 - i);
    }
}

TEST_F(Scripted, LossLargerThanTheListEmptiesItAndDrawsNoMore) {
    Start({0.9, 0.9, 0.0, 0, 0}, 0.99);
    Fill(skSdi, 2);
    Build().Opinion(-30);  // k = -3
    Build().SdiEvents();
    EXPECT_EQ(game->Count(skSdi), 0);
    EXPECT_EQ(Ranges(), (std::vector<int>{-1, -1, -1, 2, 1, 256}));
    EXPECT_TRUE(game->Cases().empty());
}

TEST_F(Scripted, SpyReportsCarryTheirKind) {
    Start({0.99, 0.99, 0.5, 0, 2, 0, 1}, 0.99);
    Fill(skSdi, 300);
    Build().SdiEvents();
    ASSERT_EQ(game->Cases().size(), 1u);
    const Case& sdi = game->Cases().back();
    EXPECT_EQ(sdi.kind, ckSpyReport);
    EXPECT_EQ(sdi.param, 3);
    EXPECT_EQ(sdi.param2, skSdi);
    EXPECT_EQ(sdi.title, "Odłączenie abonenta");
    EXPECT_EQ(sdi.body,
              "Panie kierowniku.\r\n\r\nNasi szpiedzy odkryli, że jeden z abonentów na okrągło ściąga "
              "filmy.\r\n\r\nCzy chcesz odłączyć temu abonentowi SDI?");

    Start({0.99, 0.99, 0.5, 5, 5, 6, 0}, 0.99);
    Fill(skNeostrada, 128);
    Build().NeostradaEvents();
    ASSERT_EQ(game->Cases().size(), 1u);
    const Case& neo = game->Cases().back();
    EXPECT_EQ(neo.param, 6);
    EXPECT_EQ(neo.param2, skNeostrada);
    EXPECT_EQ(neo.body,
              "Szefie!\r\n\r\nNasi szpiedzy odkryli, że jeden z abonentów bardzo zapycha łącze ściągając duże "
              "pliki.\r\n\r\nCzy chcesz odłączyć temu abonentowi Neostradę?");
    // Accepting it removes a Neostrada line.
    game->AnswerYes();
    EXPECT_EQ(game->Count(skNeostrada), 127);
}

TEST_F(Scripted, ApplicationsAndEnvelopes) {
    // With 1000 phones both SDI tests are 1 - 8r > 0: r = 0.1 passes.
    Start({0.1, 0, 0, 0, 0, 0, 0.1, 999, 0, 0, 0, 0, 0, 0.99, 255});
    Fill(skPhone, 1000);
    Build().SdiEvents();
    ASSERT_EQ(game->Cases().size(), 2u);
    EXPECT_EQ(game->Cases()[0].kind, ckSdiRequest);
    EXPECT_EQ(game->Cases()[0].title, "Podanie o SDI");
    EXPECT_NE(game->Cases()[0].body.find("\r\n\r\nUprzejmie proszę o rozpatrzenie mojej prośby o instalację stałego "
                                         "łącza do Internetu typu SDI.\r\n\r\n"),
              std::string::npos);
    EXPECT_EQ(game->Cases()[1].kind, ckSdiBribe);
    EXPECT_EQ(game->Cases()[1].param, 1099);
    EXPECT_NE(game->Cases()[1].body.find("pozytywne rozpatrzenie"), std::string::npos);
    EXPECT_NE(game->Cases()[1].body.find("kopertę z 1 099 zł"), std::string::npos);
    EXPECT_EQ(view.Text(Control::tabSprawy), "Sprawy (2)");
}

TEST_F(Scripted, PolpakLosesAtMostOneAndOnlyOnAZero) {
    Start({0.99, 0.99, 0, 1}, 0.99);
    Fill(skPolpak, 3);
    Build().PolpakEvents();
    EXPECT_EQ(game->Count(skPolpak), 2);
    EXPECT_EQ(Ranges(), (std::vector<int>{-1, -1, 100, 3}));
    Start({0.99, 0.99, 0}, 0.99);
    Build().PolpakEvents();  // nobody to lose: no index drawn
    EXPECT_EQ(Ranges(), (std::vector<int>{-1, -1, 100}));
}

TEST_F(Scripted, PraiseLetterRaisesOpinionBeforeTheCase) {
    Start({0, 0.25, 1, 0, 0}, 0.99);
    Build().Opinion(0.5);
    Build().OpinionLetters();
    ASSERT_EQ(game->Cases().size(), 1u);
    EXPECT_EQ(game->Opinion(), 0.75);
    EXPECT_EQ(game->Cases()[0].kind, ckInfo);
    EXPECT_EQ(game->Cases()[0].title, "Pozdrowienia dla firmy");
    // The abuse gate is not drawn: the opinion is positive.
    EXPECT_EQ(Ranges(), (std::vector<int>{32, -1, 5, 7, 4, 6}));
}

TEST_F(Scripted, AbuseLetterReadsTheOpinionAfterThePraise) {
    Start({0, 0.5, 0, 0, 0, 0, 0}, 0.99);
    Build().Opinion(-0.25);
    Build().OpinionLetters();
    ASSERT_EQ(game->Cases().size(), 1u);
    EXPECT_EQ(game->Cases()[0].title, "Bluzgi");
    EXPECT_EQ(game->Cases()[0].kind, ckInfo);
    EXPECT_EQ(game->Opinion(), -0.75);
}

TEST_F(Scripted, QualityProposalsRoundTheirChange) {
    // Rule 1 (Q > 0): gate 0, r = 0.5 -> 2.5 -> 2. Rule 3: gate 0, r = 0.7 -> 3.5 -> 4,
    // y = 1. Rule 4: gate 0, r = 0.9 -> -4.5 -> -4, y = 0.
    Start({0, 0.5, 0, 0, 0.7, 1, 0, 0, 0.9, 0, 0}, 0.99);
    Build().Quality(1);
    Build().QualityProposals();
    ASSERT_EQ(game->Cases().size(), 3u);
    EXPECT_EQ(game->Cases()[0].title, "Jakość łączy");
    EXPECT_EQ(game->Cases()[0].param, 2);
    EXPECT_EQ(game->Cases()[1].title, "Nowy oddział");
    EXPECT_EQ(game->Cases()[1].param, 4);
    EXPECT_EQ(game->Cases()[1].body,
              "Panie kierowniku.\r\n\r\nWpadliśmy ze Zbyszkiem na pomysł, żeby założyć nowy oddział naszej firmy. Czy "
              "dostaniemy twoje pozwolenie?");
    EXPECT_EQ(game->Cases()[2].title, "Niepotrzebna centrala");
    EXPECT_EQ(game->Cases()[2].param, -4);
    for (const auto& c : game->Cases()) EXPECT_EQ(c.kind, ckQuality);
}

TEST_F(Scripted, CostCuttingProposalSharesItsTitleWithTheAbuseLetter) {
    Start({0, 0.3, 0, 47, 47});
    Build().Quality(-1);
    Build().QualityProposals();
    ASSERT_EQ(game->Cases().size(), 1u);
    EXPECT_EQ(game->Cases()[0].title, "Bluzgi");
    EXPECT_EQ(game->Cases()[0].kind, ckQuality);
    EXPECT_EQ(game->Cases()[0].param, -2);  // -1.5 rounds to -2
}

TEST_F(Scripted, RaiseDemand) {
    Start({0, 6}, 0.99);
    Build().RaiseDemand();
    ASSERT_EQ(game->Cases().size(), 1u);
    EXPECT_EQ(game->Cases()[0].kind, ckRaise);
    EXPECT_EQ(game->Cases()[0].title, "Podwyżka");
    EXPECT_EQ(game->Cases()[0].body,
              "Szefie!\r\n\r\nJako pracownicy najlepszej na świecie firmy telekomunikacyjnej żądamy podwyżki!");
}

TEST(Events, ADayAddsAtMostThirteenCases) {
    // Every gate open: big counts, positive opinion and quality.
    RecordingView view;
    Company game(view, std::make_unique<ScriptedRandom>(std::vector<double>{}, 0.0));
    game.SetMapPictureSize(1400, 1000);
    CompanyBuilder build(game);
    build.Counts({0, 0, 300, 200, 0, 0});
    build.Opinion(1e-9);
    build.Quality(1e-9);
    build.SdiEvents();
    build.NeostradaEvents();
    build.PolpakEvents();
    build.RaiseDemand();
    build.OpinionLetters();
    build.QualityProposals();
    // r = 0 everywhere: the SDI and Neostrada plain applications and the
    // Polpak ones pass only with a positive remainder.
    EXPECT_LE(game.Cases().size(), 13u);
    EXPECT_GE(game.Cases().size(), 10u);
}

}  // namespace dzwonex::testing
