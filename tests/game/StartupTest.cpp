#include "GameFixture.h"
#include "PointWatch.h"

namespace dzwonex::testing {

TEST(NewGame, FreshGamesStayInTheirRanges) {
    for (uint32_t seed : {0u, 1u, 42u, 86399999u, 4294967295u}) {
        RecordingView view;
        Company game(view, std::make_unique<Lcg32>(seed));
        game.Reset("u");
        game.SetMapPictureSize(1400, 1000);
        game.SetBannerStripHeight(200);
        CompanyBuilder(game).PopulateMap();
        int total = 0;
        for (int k = 1; k <= 6; ++k) total += game.Count(k);
        EXPECT_GE(total, 1019);
        EXPECT_LE(total, 1139);
        EXPECT_GE(game.Count(skPhone), 950);
        EXPECT_LE(game.Count(skPhone), 1050);
        EXPECT_GE(game.Count(skIsdn), 28);
        EXPECT_LE(game.Count(skIsdn), 38);
        EXPECT_GE(game.Count(skSdi), 14);
        EXPECT_LE(game.Count(skSdi), 18);
        EXPECT_GE(game.Count(skNeostrada), 3);
        EXPECT_LE(game.Count(skNeostrada), 5);
        EXPECT_EQ(game.Count(skPolpak), 2);
        EXPECT_GE(game.Count(skBooth), 22);
        EXPECT_LE(game.Count(skBooth), 26);
        for (int k = 1; k <= 6; ++k)
            for (const auto& p : game.Subscribers(k)) {
                ASSERT_GE(p->X(), 0);
                ASSERT_LT(p->X(), 1400);
                ASSERT_GE(p->Y(), 0);
                ASSERT_LT(p->Y(), 1000);
            }
    }
}

TEST(NewGame, PopulatesKindByKindWithTheCountDrawnFirst) {
    RecordingView view;
    Lcg32 base(99);
    auto logging = std::make_unique<LoggingRandom>(base);
    LoggingRandom* log = logging.get();
    Company game(view, std::move(logging));
    game.SetMapPictureSize(1400, 1000);
    CompanyBuilder(game).PopulateMap();
    const auto& draws = log->Draws();
    size_t i = 0;
    for (int k = 1; k <= 6; ++k) {
        if (k != skPolpak) {
            ASSERT_FALSE(draws[i].real);
            const int spreads[] = {101, 11, 5, 3, 0, 5};
            EXPECT_EQ(draws[i].n, spreads[k - 1]) << "kind " << k;
            ++i;
        }
        for (int p = 0; p < game.Count(k); ++p) {
            ASSERT_EQ(draws[i].n, 1400);
            ASSERT_EQ(draws[i + 1].n, 1000);
            i += 2;
        }
    }
    EXPECT_EQ(i, draws.size());
}

TEST(NewGame, StartsWithTheWelcomeCaseOnTheCasePage) {
    PointWatch points;
    {
        RecordingView view;
        Company game(view, std::make_unique<Lcg32>(2024));
        game.Reset("u");
        game.SetMapPictureSize(1400, 1000);
        game.SetBannerStripHeight(230);
        game.NewGame();
        EXPECT_EQ(game.Day(), 1);
        EXPECT_EQ(view.Text(Control::lblSpeed2), "Rok: 1  Miesiąc: 1  Dzień: 2");
        ASSERT_FALSE(game.Cases().empty());
        const Case& welcome = game.Cases().front();
        EXPECT_EQ(welcome.kind, ckInfo);
        EXPECT_EQ(welcome.title, "Witaj !");
        EXPECT_EQ(welcome.body,
                  "Witaj w grze ekonomicznej \"Dzwonex S.A.\".\r\n\r\nPoprowadź swój lokalny oddział tej wspaniałej "
                  "firmy prostą drogą do rozwoju ekonomicznego i nie przejmuj się, co o Twojej firmie mówią "
                  "inni...\r\n\r\nMiłego grania życzy...\r\n\r\n  Skryptor");
        EXPECT_EQ(view.Text(Control::lblTytul), "Witaj !");
        EXPECT_TRUE(view.Enabled(Button::btnOK));
        EXPECT_EQ(view.Page(), kPageCases);
        EXPECT_EQ(view.PageSounds(), 0);
        EXPECT_EQ(view.Speed(), 5);
        EXPECT_EQ(view.TimerPeriod(), 12000);
        EXPECT_EQ(view.Text(Control::lblSpeed1), "Szybkość gry: 5");
        EXPECT_EQ(game.BannerCount(), 4);
        EXPECT_GE(game.BannerIndex(), 0);
        EXPECT_LT(game.BannerIndex(), 4);
        EXPECT_EQ(game.Quality(), 0.0);
        EXPECT_EQ(view.Text(Control::tabSprawy), "Sprawy (" + std::to_string(game.Cases().size()) + ")");
        // Keep one point alive through a case to prove it is freed with the case.
        game.PressMap(game.Subscribers(skBooth)[0]->X(), game.Subscribers(skBooth)[0]->Y());
        points.Watch(game);
        EXPECT_GT(points.Alive(), 1000);
        game.Clear();
        EXPECT_TRUE(game.Cases().empty());
        EXPECT_EQ(points.Alive(), 0);
        // A second game in the same company releases its points too.
        game.NewGame();
        points.Watch(game);
    }
    EXPECT_EQ(points.Alive(), 0);
}

// Remembers every text written, in order.
class HistoryView : public RecordingView {
public:
    void SetText(Control c, const std::string& text) override {
        RecordingView::SetText(c, text);
        history.emplace_back(c, text);
    }
    std::string First(Control c) const {
        for (const auto& [control, text] : history)
            if (control == c) return text;
        return "(never written)";
    }
    std::vector<std::pair<Control, std::string>> history;
};

TEST(NewGame, CashOpinionAndQualityBeforeTheFirstDay) {
    for (uint32_t seed : {5u, 77u, 123456u, 3000000000u}) {
        HistoryView view;
        Company game(view, std::make_unique<Lcg32>(seed));
        game.SetMapPictureSize(1400, 1000);
        game.SetBannerStripHeight(200);
        game.NewGame();
        // The first cash and opinion texts are the new game's, before any income.
        const std::string cash = view.First(Control::lblKasa);
        ASSERT_EQ(cash.substr(cash.size() - 4), " zł");
        std::string digits;
        for (char ch : cash.substr(0, cash.size() - 4))
            if (ch != ' ') digits += ch;
        const int money = std::stoi(digits);
        EXPECT_GE(money, 7500) << cash;
        EXPECT_LE(money, 12500) << cash;
        const int opinion = std::stoi(view.First(Control::lblOpinia));
        EXPECT_GE(opinion, -3);
        EXPECT_LE(opinion, 1);
        EXPECT_EQ(view.First(Control::lblJakosc), "0");
        // The date shows day 1 between the start and the first turn.
        EXPECT_EQ(view.First(Control::lblSpeed2), "Rok: 1  Miesiąc: 1  Dzień: 1");
    }
}

TEST(NewGame, BannerCountIsTheStripHeightInWholeBands) {
    RecordingView view;
    Company game(view, std::make_unique<Lcg32>(1));
    game.SetBannerStripHeight(120);
    EXPECT_EQ(game.BannerCount(), 2);
    game.SetBannerStripHeight(49);
    EXPECT_EQ(game.BannerCount(), 0);
    game.NextBanner();
    EXPECT_EQ(game.BannerIndex(), 0);
    EXPECT_EQ(view.BannerRepaints(), 1);
}

}  // namespace dzwonex::testing
