#include "GameFixture.h"

namespace dzwonex::testing {

// A game whose draws come from a script: every answer is chosen by the test.
class Scripted : public ::testing::Test {
protected:
    void Start(std::vector<double> answers, double fallback = 0.0) {
        auto rng = std::make_unique<ScriptedRandom>(std::move(answers), fallback);
        script = rng.get();
        game = std::make_unique<TGame>(view, std::move(rng));
        game->SetMapPictureSize(1400, 1000);
    }
    void Fill(int kind, int n) {
        Lcg32 side(5);
        for (int i = 0; i < n; ++i) game->Subscribers(kind).push_back(std::make_shared<TCos>(side, 1400, 1000));
    }
    std::vector<int> Ranges() const {
        std::vector<int> out;
        for (const auto& d : script->Draws()) out.push_back(d.real ? -1 : d.n);
        return out;
    }

    RecordingView view;
    ScriptedRandom* script = nullptr;
    std::unique_ptr<TGame> game;
};

TEST_F(Scripted, TestValuesOfExactlyZeroMakeNothing) {
    // O = Q = 0 and no phones or ISDN: both SDI tests reduce to -8r > 0, which
    // never holds, even for r = 0.
    Start({}, 0.0);
    game->SdiEvents();
    game->NeostradaEvents();
    game->PolpakEvents();
    EXPECT_TRUE(game->FCases.empty());
    // With r = 0 the raise gate opens, so stop there.
    EXPECT_EQ(Ranges(), (std::vector<int>{-1, -1, -1, 256, -1, -1, -1, 128, -1, -1, 100}));
}

TEST_F(Scripted, ZeroOpinionDrawsNoLetterGate) {
    Start({});
    game->FOpinion = 0;
    game->OpinionLetters();
    EXPECT_TRUE(script->Draws().empty());
    game->FQuality = 0;
    game->QualityProposals();  // only rules 3 and 4 draw
    EXPECT_EQ(Ranges()[0], 48);
}

TEST_F(Scripted, LossValueRoundsHalvesToEven) {
    // k = O/10 + Q/10 - r + N3/1000 with r = 0.5 and 1000 SDI lines.
    const std::pair<double, int> rows[] = {{-10, 0}, {-20, 2}, {-30, 2}, {-40, 4}};
    for (const auto& [opinion, lost] : rows) {
        Start({0.9, 0.9, 0.5}, 0.0);
        Fill(skSdi, 1000);
        game->FOpinion = opinion;
        game->SdiEvents();
        // The spy report after the loss always comes: Random(256) < N3.
        EXPECT_EQ(game->Count(skSdi), 1000 - lost) << opinion;
        EXPECT_EQ(Ranges()[3 + lost], 256) << opinion;
        for (int i = 0; i < lost; ++i) EXPECT_EQ(Ranges()[3 + i], 1000 - i);
    }
}

TEST_F(Scripted, LossLargerThanTheListEmptiesItAndDrawsNoMore) {
    Start({0.9, 0.9, 0.0, 0, 0}, 0.99);
    Fill(skSdi, 2);
    game->FOpinion = -30;  // k = -3
    game->SdiEvents();
    EXPECT_EQ(game->Count(skSdi), 0);
    EXPECT_EQ(Ranges(), (std::vector<int>{-1, -1, -1, 2, 1, 256}));
    EXPECT_TRUE(game->FCases.empty());
}

TEST_F(Scripted, SpyReportsCarryTheirKind) {
    Start({0.99, 0.99, 0.5, 0, 2, 0, 1}, 0.99);
    Fill(skSdi, 300);
    game->SdiEvents();
    ASSERT_EQ(game->FCases.size(), 1u);
    const TSprawa& sdi = *game->FCases.back();
    EXPECT_EQ(sdi.Kind, ckSpyReport);
    EXPECT_EQ(sdi.Param, 3);
    EXPECT_EQ(sdi.Param2, skSdi);
    EXPECT_EQ(sdi.Title, "Odłączenie abonenta");
    EXPECT_EQ(sdi.Body,
              "Panie kierowniku.\r\n\r\nNasi szpiedzy odkryli, że jeden z abonentów na okrągło ściąga "
              "filmy.\r\n\r\nCzy chcesz odłączyć temu abonentowi SDI?");

    Start({0.99, 0.99, 0.5, 5, 5, 6, 0}, 0.99);
    Fill(skNeostrada, 128);
    game->NeostradaEvents();
    ASSERT_EQ(game->FCases.size(), 1u);
    const TSprawa& neo = *game->FCases.back();
    EXPECT_EQ(neo.Param, 6);
    EXPECT_EQ(neo.Param2, skNeostrada);
    EXPECT_EQ(neo.Body,
              "Szefie!\r\n\r\nNasi szpiedzy odkryli, że jeden z abonentów bardzo zapycha łącze ściągając duże "
              "pliki.\r\n\r\nCzy chcesz odłączyć temu abonentowi Neostradę?");
    // Accepting it removes a Neostrada line.
    game->btnYesClick();
    EXPECT_EQ(game->Count(skNeostrada), 127);
}

TEST_F(Scripted, ApplicationsAndEnvelopes) {
    // With 1000 phones both SDI tests are 1 - 8r > 0: r = 0.1 passes.
    Start({0.1, 0, 0, 0, 0, 0, 0.1, 999, 0, 0, 0, 0, 0, 0.99, 255});
    Fill(skPhone, 1000);
    game->SdiEvents();
    ASSERT_EQ(game->FCases.size(), 2u);
    EXPECT_EQ(game->FCases[0]->Kind, ckSdiRequest);
    EXPECT_EQ(game->FCases[0]->Title, "Podanie o SDI");
    EXPECT_NE(game->FCases[0]->Body.find("\r\n\r\nUprzejmie proszę o rozpatrzenie mojej prośby o instalację stałego "
                                         "łącza do Internetu typu SDI.\r\n\r\n"),
              std::string::npos);
    EXPECT_EQ(game->FCases[1]->Kind, ckSdiBribe);
    EXPECT_EQ(game->FCases[1]->Param, 1099);
    EXPECT_NE(game->FCases[1]->Body.find("pozytywne rozpatrzenie"), std::string::npos);
    EXPECT_NE(game->FCases[1]->Body.find("kopertę z 1 099 zł"), std::string::npos);
    EXPECT_EQ(view.Text(Control::tabSprawy), "Sprawy (2)");
}

TEST_F(Scripted, PolpakLosesAtMostOneAndOnlyOnAZero) {
    Start({0.99, 0.99, 0, 1}, 0.99);
    Fill(skPolpak, 3);
    game->PolpakEvents();
    EXPECT_EQ(game->Count(skPolpak), 2);
    EXPECT_EQ(Ranges(), (std::vector<int>{-1, -1, 100, 3}));
    Start({0.99, 0.99, 0}, 0.99);
    game->PolpakEvents();  // nobody to lose: no index drawn
    EXPECT_EQ(Ranges(), (std::vector<int>{-1, -1, 100}));
}

TEST_F(Scripted, PraiseLetterRaisesOpinionBeforeTheCase) {
    Start({0, 0.25, 1, 0, 0}, 0.99);
    game->FOpinion = 0.5;
    game->OpinionLetters();
    ASSERT_EQ(game->FCases.size(), 1u);
    EXPECT_EQ(game->FOpinion, 0.75);
    EXPECT_EQ(game->FCases[0]->Kind, ckInfo);
    EXPECT_EQ(game->FCases[0]->Title, "Pozdrowienia dla firmy");
    // The abuse gate is not drawn: the opinion is positive.
    EXPECT_EQ(Ranges(), (std::vector<int>{32, -1, 5, 7, 4, 6}));
}

TEST_F(Scripted, AbuseLetterReadsTheOpinionAfterThePraise) {
    Start({0, 0.5, 0, 0, 0, 0, 0}, 0.99);
    game->FOpinion = -0.25;
    game->OpinionLetters();
    ASSERT_EQ(game->FCases.size(), 1u);
    EXPECT_EQ(game->FCases[0]->Title, "Bluzgi");
    EXPECT_EQ(game->FCases[0]->Kind, ckInfo);
    EXPECT_EQ(game->FOpinion, -0.75);
}

TEST_F(Scripted, QualityProposalsRoundTheirChange) {
    // Rule 1 (Q > 0): gate 0, r = 0.5 -> 2.5 -> 2. Rule 3: gate 0, r = 0.7 -> 3.5 -> 4,
    // y = 1. Rule 4: gate 0, r = 0.9 -> -4.5 -> -4, y = 0.
    Start({0, 0.5, 0, 0, 0.7, 1, 0, 0, 0.9, 0, 0}, 0.99);
    game->FQuality = 1;
    game->QualityProposals();
    ASSERT_EQ(game->FCases.size(), 3u);
    EXPECT_EQ(game->FCases[0]->Title, "Jakość łączy");
    EXPECT_EQ(game->FCases[0]->Param, 2);
    EXPECT_EQ(game->FCases[1]->Title, "Nowy oddział");
    EXPECT_EQ(game->FCases[1]->Param, 4);
    EXPECT_EQ(game->FCases[1]->Body,
              "Panie kierowniku.\r\n\r\nWpadliśmy ze Zbyszkiem na pomysł, żeby założyć nowy oddział naszej firmy. Czy "
              "dostaniemy twoje pozwolenie?");
    EXPECT_EQ(game->FCases[2]->Title, "Niepotrzebna centrala");
    EXPECT_EQ(game->FCases[2]->Param, -4);
    for (const auto& c : game->FCases) EXPECT_EQ(c->Kind, ckQuality);
}

TEST_F(Scripted, CostCuttingProposalSharesItsTitleWithTheAbuseLetter) {
    Start({0, 0.3, 0, 47, 47});
    game->FQuality = -1;
    game->QualityProposals();
    ASSERT_EQ(game->FCases.size(), 1u);
    EXPECT_EQ(game->FCases[0]->Title, "Bluzgi");
    EXPECT_EQ(game->FCases[0]->Kind, ckQuality);
    EXPECT_EQ(game->FCases[0]->Param, -2);  // -1.5 rounds to -2
}

TEST_F(Scripted, RaiseDemand) {
    Start({0, 6}, 0.99);
    game->RaiseDemand();
    ASSERT_EQ(game->FCases.size(), 1u);
    EXPECT_EQ(game->FCases[0]->Kind, ckRaise);
    EXPECT_EQ(game->FCases[0]->Title, "Podwyżka");
    EXPECT_EQ(game->FCases[0]->Body,
              "Szefie!\r\n\r\nJako pracownicy najlepszej na świecie firmy telekomunikacyjnej żądamy podwyżki!");
}

TEST(Events, ADayAddsAtMostThirteenCases) {
    // Every gate open: big counts, positive opinion and quality.
    RecordingView view;
    TGame game(view, std::make_unique<ScriptedRandom>(std::vector<double>{}, 0.0));
    game.SetMapPictureSize(1400, 1000);
    Lcg32 side(1);
    for (int i = 0; i < 300; ++i) game.Subscribers(skSdi).push_back(std::make_shared<TCos>(side, 1400, 1000));
    for (int i = 0; i < 200; ++i) game.Subscribers(skNeostrada).push_back(std::make_shared<TCos>(side, 1400, 1000));
    game.FOpinion = 1e-9;
    game.FQuality = 1e-9;
    game.SdiEvents();
    game.NeostradaEvents();
    game.PolpakEvents();
    game.RaiseDemand();
    game.OpinionLetters();
    game.QualityProposals();
    // r = 0 everywhere: the SDI and Neostrada plain applications and the
    // Polpak ones pass only with a positive remainder.
    EXPECT_LE(game.FCases.size(), 13u);
    EXPECT_GE(game.FCases.size(), 10u);
}

}  // namespace dzwonex::testing
