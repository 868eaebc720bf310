#include "GameFixture.h"

namespace dzwonex::testing {

using MapPress = GameTest;

TEST_F(MapPress, HitSquareReachesEightPixelsEachWay) {
    auto p = build.PointAt(skPhone, 100, 200);
    const std::pair<int, int> hits[] = {{108, 208}, {92, 192}, {100, 200}, {108, 192}, {92, 208}};
    for (const auto& [x, y] : hits) {
        game->PressMap(x, y);
        const Case& c = game->Cases().front();
        EXPECT_EQ(c.kind, ckDisconnect) << x << "," << y;
        EXPECT_EQ(c.subject, p);
    }
    const std::pair<int, int> misses[] = {{109, 200}, {91, 200}, {100, 209}, {100, 191}};
    for (const auto& [x, y] : misses) {
        game->PressMap(x, y);
        const Case& c = game->Cases().front();
        EXPECT_EQ(c.kind, ckBooth) << x << "," << y;
        EXPECT_EQ(c.param, x);
        EXPECT_EQ(c.param2, y);
        EXPECT_EQ(c.subject, nullptr);
    }
}

TEST_F(MapPress, BoothsWinOverPhonesAndTheEarliestPointWithinAKind) {
    auto phone1 = build.PointAt(skPhone, 50, 50);
    auto phone2 = build.PointAt(skPhone, 52, 52);
    game->PressMap(51, 51);
    EXPECT_EQ(game->Cases().front().subject, phone1);
    EXPECT_EQ(game->Cases().front().param, skPhone);

    auto booth = build.PointAt(skBooth, 55, 55);
    auto polpak = build.PointAt(skPolpak, 53, 53);
    game->PressMap(51, 51);
    EXPECT_EQ(game->Cases().front().subject, booth);
    EXPECT_EQ(game->Cases().front().param, skBooth);
    EXPECT_EQ(view.Text(Control::tabSprawy), "Sprawy (2)");
}

TEST_F(MapPress, DisconnectCaseTextsPerKind) {
    const char* questions[] = {
        "Czy na pewno chcesz odłączyć temu abonentowi łącze telefoniczne ?",
        "Czy na pewno chcesz odłączyć temu abonentowi łącze ISDN ?",
        "Czy na pewno chcesz odłączyć temu abonentowi łącze stałe SDI ?",
        "Czy na pewno chcesz odłączyć temu abonentowi Neostradę ?",
        "Czy na pewno chcesz odłączyć tej firmie łącze stałe typu Polpak-T ?!",
        "Czy na pewno chcesz usunąć tą budkę telefoniczną ?",
    };
    for (int k = 1; k <= 6; ++k) {
        build.PointAt(k, 300 * k, 500);
        Lcg32 copy(lcg->State());
        const int greeting = copy.Random(7);
        game->PressMap(300 * k, 500);
        const Case& c = game->Cases().front();
        EXPECT_EQ(c.title, "Odłączenie abonenta");
        EXPECT_EQ(c.param, k);
        const char* greetings[] = {"Panie kierowniku.",
                                   "Szanowny panie kierowniku.",
                                   "Panie dyrektorze.",
                                   "Szanowny panie dyrektorze.",
                                   "Panie prezesie.",
                                   "Szanowny panie prezesie.",
                                   "Szefie!"};
        EXPECT_EQ(c.body, std::string(greetings[greeting]) + "\r\n\r\n" + questions[k - 1]);
        EXPECT_EQ(lcg->State(), copy.State());
    }
}

TEST_F(MapPress, EmptyGroundOffersABoothAndShowsTheCasePage) {
    Case& earlier = build.AppendCase();
    earlier.title = "Wcześniejsza";
    build.ShowCurrentCase();
    const uint32_t before = lcg->State();
    game->PressMap(700, 400);
    EXPECT_EQ(lcg->State(), before);  // no greeting drawn
    const Case& c = game->Cases().front();
    EXPECT_EQ(c.kind, ckBooth);
    EXPECT_EQ(c.title, "Postawnienie budki");
    EXPECT_EQ(c.body, "Czy na pewno chcesz postawić budkę telefoniczną w tej części miasta ?");
    EXPECT_EQ(view.Text(Control::lblTytul), "Postawnienie budki");
    EXPECT_TRUE(view.Enabled(Button::btnYes));
    EXPECT_TRUE(view.Enabled(Button::btnNo));
    EXPECT_EQ(view.Page(), kPageCases);
    EXPECT_EQ(view.PageSounds(), 0);
    EXPECT_EQ(view.ClickSounds(), 1);
    EXPECT_EQ(view.Text(Control::tabSprawy), "Sprawy (2)");
    // The earlier case waits behind and comes back after an answer.
    game->AnswerNo();
    EXPECT_EQ(view.Text(Control::lblTytul), "Wcześniejsza");
}

TEST_F(MapPress, PointsAtTheEdgeCanBeHitFromInside) {
    auto corner = build.PointAt(skIsdn, 1399, 0);
    game->PressMap(1391, 8);
    EXPECT_EQ(game->Cases().front().subject, corner);
}

TEST_F(MapPress, ASecondPressOnTheSamePointMakesASecondCase) {
    auto p = build.PointAt(skSdi, 10, 10);
    game->PressMap(10, 10);
    game->PressMap(10, 10);
    ASSERT_EQ(game->Cases().size(), 2u);
    EXPECT_EQ(game->Cases()[0].subject, p);
    EXPECT_EQ(game->Cases()[1].subject, p);
}

}  // namespace dzwonex::testing
