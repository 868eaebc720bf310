#include "GameFixture.h"

namespace dzwonex::testing {

using MapPress = GameTest;

TEST_F(MapPress, HitSquareReachesEightPixelsEachWay) {
    auto p = PointAt(skPhone, 100, 200);
    const std::pair<int, int> hits[] = {{108, 208}, {92, 192}, {100, 200}, {108, 192}, {92, 208}};
    for (const auto& [x, y] : hits) {
        game->paintboxMapaMouseDown(x, y);
        const TSprawa& c = *game->FCases.front();
        EXPECT_EQ(c.Kind, ckDisconnect) << x << "," << y;
        EXPECT_EQ(c.Subject, p);
    }
    const std::pair<int, int> misses[] = {{109, 200}, {91, 200}, {100, 209}, {100, 191}};
    for (const auto& [x, y] : misses) {
        game->paintboxMapaMouseDown(x, y);
        const TSprawa& c = *game->FCases.front();
        EXPECT_EQ(c.Kind, ckBooth) << x << "," << y;
        EXPECT_EQ(c.Param, x);
        EXPECT_EQ(c.Param2, y);
        EXPECT_EQ(c.Subject, nullptr);
    }
}

TEST_F(MapPress, BoothsWinOverPhonesAndTheEarliestPointWithinAKind) {
    auto phone1 = PointAt(skPhone, 50, 50);
    auto phone2 = PointAt(skPhone, 52, 52);
    game->paintboxMapaMouseDown(51, 51);
    EXPECT_EQ(game->FCases.front()->Subject, phone1);
    EXPECT_EQ(game->FCases.front()->Param, skPhone);

    auto booth = PointAt(skBooth, 55, 55);
    auto polpak = PointAt(skPolpak, 53, 53);
    game->paintboxMapaMouseDown(51, 51);
    EXPECT_EQ(game->FCases.front()->Subject, booth);
    EXPECT_EQ(game->FCases.front()->Param, skBooth);
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
        PointAt(k, 300 * k, 500);
        Lcg32 copy(lcg->State());
        const int greeting = copy.Random(7);
        game->paintboxMapaMouseDown(300 * k, 500);
        const TSprawa& c = *game->FCases.front();
        EXPECT_EQ(c.Title, "Odłączenie abonenta");
        EXPECT_EQ(c.Param, k);
        const char* greetings[] = {"Panie kierowniku.",
                                   "Szanowny panie kierowniku.",
                                   "Panie dyrektorze.",
                                   "Szanowny panie dyrektorze.",
                                   "Panie prezesie.",
                                   "Szanowny panie prezesie.",
                                   "Szefie!"};
        EXPECT_EQ(c.Body, std::string(greetings[greeting]) + "\r\n\r\n" + questions[k - 1]);
        EXPECT_EQ(lcg->State(), copy.State());
    }
}

TEST_F(MapPress, EmptyGroundOffersABoothAndShowsTheCasePage) {
    TSprawa& earlier = game->AppendCase();
    earlier.Title = "Wcześniejsza";
    game->ShowCurrentCase();
    const uint32_t before = lcg->State();
    game->paintboxMapaMouseDown(700, 400);
    EXPECT_EQ(lcg->State(), before);  // no greeting drawn
    const TSprawa& c = *game->FCases.front();
    EXPECT_EQ(c.Kind, ckBooth);
    EXPECT_EQ(c.Title, "Postawnienie budki");
    EXPECT_EQ(c.Body, "Czy na pewno chcesz postawić budkę telefoniczną w tej części miasta ?");
    EXPECT_EQ(view.Text(Control::lblTytul), "Postawnienie budki");
    EXPECT_TRUE(view.Enabled(Button::btnYes));
    EXPECT_TRUE(view.Enabled(Button::btnNo));
    EXPECT_EQ(view.Page(), kPageCases);
    EXPECT_EQ(view.PageSounds(), 0);
    EXPECT_EQ(view.ClickSounds(), 1);
    EXPECT_EQ(view.Text(Control::tabSprawy), "Sprawy (2)");
    // The earlier case waits behind and comes back after an answer.
    game->btnNoClick();
    EXPECT_EQ(view.Text(Control::lblTytul), "Wcześniejsza");
}

TEST_F(MapPress, PointsAtTheEdgeCanBeHitFromInside) {
    auto corner = PointAt(skIsdn, 1399, 0);
    game->paintboxMapaMouseDown(1391, 8);
    EXPECT_EQ(game->FCases.front()->Subject, corner);
}

TEST_F(MapPress, ASecondPressOnTheSamePointMakesASecondCase) {
    auto p = PointAt(skSdi, 10, 10);
    game->paintboxMapaMouseDown(10, 10);
    game->paintboxMapaMouseDown(10, 10);
    ASSERT_EQ(game->FCases.size(), 2u);
    EXPECT_EQ(game->FCases[0]->Subject, p);
    EXPECT_EQ(game->FCases[1]->Subject, p);
}

}  // namespace dzwonex::testing
