#include <filesystem>
#include <fstream>

#include "Fixtures.h"
#include "GameFixture.h"
#include "ImageFiles.h"
#include "PointWatch.h"

namespace dzwonex::testing {

namespace fs = std::filesystem;

TEST(NewGame, FreshGamesStayInTheirRanges) {
    for (uint32_t seed : {0u, 1u, 42u, 86399999u, 4294967295u}) {
        RecordingView view;
        Company game(view, std::make_unique<Lcg32>(seed));
        game.Reset("/x/", "u");
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
        game.Reset("/x/", "u");
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

class StartupFiles : public ::testing::Test {
protected:
    std::string LoadError() {
        RecordingView view;
        Company game(view, std::make_unique<Lcg32>(1));
        game.Reset(assets.Dir(), "u");
        try {
            game.LoadAssetSizes();
        } catch (const AssetError& e) {
            return e.what();
        }
        EXPECT_EQ(view.MapWidth(), 1400);
        EXPECT_EQ(view.MapHeight(), 1000);
        return "";
    }
    void Truncate(const fs::path& p, uintmax_t size) { fs::resize_file(p, size); }

    AssetFolder assets;
};

TEST_F(StartupFiles, GoodFilesGiveTheSizes) { EXPECT_EQ(LoadError(), ""); }

TEST_F(StartupFiles, MissingBannerStripNamesTheFile) {
    fs::remove(assets.Path() / "Bannery.bmp");
    EXPECT_EQ(LoadError(), "Cannot open file " + assets.Dir() + "Bannery.bmp.");
}

TEST_F(StartupFiles, MissingMapNamesTheFile) {
    fs::remove(assets.Path() / "Mapa.jpg");
    EXPECT_EQ(LoadError(), "Cannot open file " + assets.Dir() + "Mapa.jpg.");
}

TEST_F(StartupFiles, EmptyMapIsNotAPicture) {
    Truncate(assets.Path() / "Mapa.jpg", 0);
    const std::string error = LoadError();
    EXPECT_NE(error.find("Mapa.jpg is not a valid JPEG picture"), std::string::npos) << error;
}

TEST_F(StartupFiles, TruncatedMapIsNotAPicture) {
    const auto path = assets.Path() / "Mapa.jpg";
    Truncate(path, fs::file_size(path) / 2);
    const std::string error = LoadError();
    EXPECT_NE(error.find("Mapa.jpg is not a valid JPEG picture"), std::string::npos) << error;
}

TEST_F(StartupFiles, GarbageMapIsNotAPicture) {
    std::ofstream(assets.Path() / "Mapa.jpg", std::ios::binary) << "\xFF\xD8\xFF\xE0 this is not a jpeg at all";
    EXPECT_NE(LoadError().find("is not a valid JPEG picture"), std::string::npos);
}

TEST_F(StartupFiles, BadBitmapHeaders) {
    const auto path = assets.Path() / "Bannery.bmp";
    auto patch = [&](std::streamoff offset, const std::string& bytes) {
        WriteBmp24(path, 400, 200);
        std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(offset);
        f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    };
    const std::string invalid = "Bitmap image is not valid: " + path.string();
    patch(0, "XX");  // no signature
    EXPECT_EQ(LoadError(), invalid);
    patch(28, std::string("\x07\x00", 2));  // 7 bits a pixel
    EXPECT_EQ(LoadError(), invalid);
    patch(22, std::string("\x00\x02\x00\x00", 4));  // 512 rows: more than the file holds
    EXPECT_EQ(LoadError(), invalid);
    patch(22, std::string("\x00\x00\x01\x00", 4));  // 65536 rows
    EXPECT_EQ(LoadError(), "File " + path.string() + " is too large: 400 × 65536 pixels (the limit is 4096 × 4096).");
    WriteBmp24(path, 400, 200);
    Truncate(path, 30);
    EXPECT_EQ(LoadError(), invalid);
    Truncate(path, 0);
    EXPECT_EQ(LoadError(), invalid);
}

TEST_F(StartupFiles, TopDownBitmapCountsItsRows) {
    const auto path = assets.Path() / "Bannery.bmp";
    WriteBmp24(path, 400, 120);
    std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(22);
    const int32_t negative = -120;
    f.write(reinterpret_cast<const char*>(&negative), 4);
    f.close();
    const BmpInfo info = ReadBmpInfo(path.string());
    EXPECT_EQ(info.height, 120);
    EXPECT_TRUE(info.topDown);
}

TEST(JpegDecoding, DecodesEveryPixelRow) {
    AssetFolder assets(64, 48);
    const RgbImage img = DecodeJpeg(assets.Dir() + "Mapa.jpg");
    EXPECT_EQ(img.width, 64);
    EXPECT_EQ(img.height, 48);
    ASSERT_EQ(img.rgb.size(), 64u * 48 * 3);
    // The fixture is a left-to-right red ramp.
    EXPECT_LT(img.rgb[0], 40);
    EXPECT_GT(img.rgb[(63) * 3], 200);
}

}  // namespace dzwonex::testing
