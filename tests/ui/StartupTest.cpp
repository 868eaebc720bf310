// Start-up with good and bad pictures, and the shutdown.
#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include <filesystem>

#include "BackgroundOpenedSound.h"
#include "CompanyBuilder.h"
#include "DamagedFiles.h"
#include "PointWatch.h"
#include "SdlMixerLibrary.h"
#include "Sound.h"
#include "Support.h"

namespace dzwonex::uitest {
namespace {

using dzwonex::testing::CompanyBuilder;
using dzwonex::testing::Damage;
using dzwonex::testing::FileSystemDamages;

class StartupTest : public ::testing::Test {
protected:
    TestAssets assets;

    // What is left of the start-up after a picture failed.
    static void ExpectNothingAfterThePictures(WindowUnderTest& w) {
        EXPECT_TRUE(w->StartupFailed());
        EXPECT_EQ(w.sound->Count("InitSound(" + w->Controller().AssetDir() + ")"), 0);
        EXPECT_TRUE(w->Game().Cases().empty());
        EXPECT_EQ(w->Game().Day(), 0);
        EXPECT_FALSE(w.MainTimer->isActive());
        EXPECT_EQ(w.lblKasa->text(), "X");
    }

    void Corrupt(const QString& name, const QByteArray& bytes) { assets.Write(name, bytes); }
};

TEST_F(StartupTest, AllPicturesPresentStartsTheGame) {
    WindowUnderTest w(assets.Dir());
    EXPECT_FALSE(w->StartupFailed());
    EXPECT_TRUE(w.errors->empty());
    EXPECT_EQ(w->Controller().AssetDir(), assets.Dir());
    EXPECT_EQ(w->Game().MapWidth(), 640);
    EXPECT_EQ(w->Game().MapHeight(), 480);
    EXPECT_EQ(w.paintboxMapa->size(), QSize(640, 480));
    EXPECT_EQ(w.pnlTop->Strip().height(), 120);
    for (const QImage& icon : w->Controller().Pictures().icons) EXPECT_EQ(icon.size(), QSize(16, 16));
    // Sound starts after the pictures, before the game, at the volumes the
    // Menu page holds.
    ASSERT_GE(w.sound->calls.size(), 3u);
    EXPECT_EQ(w.sound->calls[0], "SetMusicVolume(" + std::to_string(w.tbMuzyka->value()) + ")");
    EXPECT_EQ(w.sound->calls[1], "SetEffectsVolume(" + std::to_string(w.tbEfekty->value()) + ")");
    EXPECT_EQ(w.sound->calls[2], "InitSound(" + assets.Dir() + ")");
    EXPECT_EQ(w->Game().Day(), 1);
}

// The hidden pages make their controls, and the map picture is decoded, when
// each is first shown: a window that opens on the cases goes without.
TEST_F(StartupTest, HiddenPagesAndTheMapPictureAreMadeWhenFirstShown) {
    TfrmMainOptions options;
    options.appDir = assets.Dir();
    options.seed = 12345;
    auto volumes = std::make_shared<SoundLog>();
    volumes->music = 35;
    volumes->effects = 80;
    options.sound = std::make_unique<RecordingSound>(volumes);
    options.showLogo = false;
    options.language = Language::Polish;
    TfrmMain w(std::move(options));
    w.resize(TfrmMain::kDesignWidth, TfrmMain::kDesignHeight);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QCoreApplication::processEvents();
    EXPECT_EQ(w.findChild<QWidget*>(QStringLiteral("paintboxMapa")), nullptr);
    EXPECT_TRUE(w.Controller().Pictures().map.isNull());

    Control<TPageControl>(&w, "PageControl")->SetActivePage(kPageMap);
    QCoreApplication::processEvents();
    auto* map = w.findChild<TMapPaintBox*>(QStringLiteral("paintboxMapa"));
    ASSERT_NE(map, nullptr);
    EXPECT_TRUE(map->isVisible());
    EXPECT_EQ(map->size(), QSize(640, 480));
    EXPECT_EQ(w.Controller().Pictures().map.size(), QSize(640, 480));
    const QImage shot = Grab(map);
    const QPoint ground = EmptyGround(w.Game());
    EXPECT_EQ(shot.pixelColor(ground), w.Controller().Pictures().map.pixelColor(ground));
    const auto& phone = *w.Game().Subscribers(skPhone).front();
    EXPECT_EQ(shot.pixelColor(phone.X() - 8, phone.Y() - 8), IconColour(skPhone));
    auto* legend = w.findChild<QWidget*>(QStringLiteral("pnlLegenda"));
    ASSERT_NE(legend, nullptr);
    EXPECT_TRUE(legend->isVisible());

    // The Menu page shows what it was told before it had its controls.
    EXPECT_EQ(w.findChild<QWidget*>(QStringLiteral("pnlMenu")), nullptr);
    Control<TPageControl>(&w, "PageControl")->SetActivePage(kPageMenu);
    QCoreApplication::processEvents();
    auto* music = w.findChild<QCheckBox*>(QStringLiteral("chkMuzyka"));
    ASSERT_NE(music, nullptr);
    EXPECT_TRUE(music->isVisible());
    EXPECT_TRUE(music->isChecked());
    EXPECT_EQ(w.findChild<QSlider*>(QStringLiteral("tbMuzyka"))->value(), w.Controller().Audio().Sound().MusicVolume());
    EXPECT_EQ(w.findChild<QSlider*>(QStringLiteral("tbEfekty"))->value(),
              w.Controller().Audio().Sound().EffectsVolume());
    EXPECT_EQ(w.findChild<QComboBox*>(QStringLiteral("cbJezyk"))->currentData().toString(), "pl");
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("Label19"))->text(), "Menu");

    // Statystyka reads the bands off the rules when it is made, as they
    // stand then: opinion fell while the page had no controls.
    EXPECT_EQ(w.findChild<QWidget*>(QStringLiteral("lblOpiniaSkala")), nullptr);
    CompanyBuilder(w.Game()).Opinion(-40).Quality(80).AddOpinion(0);
    Control<TPageControl>(&w, "PageControl")->SetActivePage(kPageStat);
    QCoreApplication::processEvents();
    auto* opinionBand = w.findChild<QLabel*>(QStringLiteral("lblOpiniaSkala"));
    ASSERT_NE(opinionBand, nullptr);
    EXPECT_EQ(opinionBand->text(), QString::fromUtf8("zła"));
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("lblJakoscSkala"))->text(), "kosztowna");
}

// The game's own sound opens on a thread, and only once the window has
// been painted: its opening does not compete with the first paint.
TEST_F(StartupTest, TheSoundBeginsToOpenOnceTheWindowHasBeenPainted) {
    auto log = std::make_shared<SoundLog>();
    BackgroundOpenedSound* sound = nullptr;
    WindowUnderTest w(assets.Dir(), 12345, false, [&](TfrmMainOptions& options) {
        auto opened = std::make_unique<BackgroundOpenedSound>(std::make_unique<RecordingSound>(log));
        sound = opened.get();
        options.sound = std::move(opened);
    });
    EXPECT_FALSE(sound->Begun());
    w.Show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(sound->Begun());
    w->Controller().Audio().Sound().MusicVolume();  // waits until it is open
    EXPECT_EQ(log->calls, (std::vector<std::string>{"SetMusicVolume(" + std::to_string(w.tbMuzyka->value()) + ")",
                                                    "SetEffectsVolume(" + std::to_string(w.tbEfekty->value()) + ")",
                                                    "InitSound(" + assets.Dir() + ")"}));
}

// The game's own sound on a system without SDL2_mixer: the game starts
// and plays silent, and says why once, on the feedback line (after the
// start's hint) and to the terminal.
TEST_F(StartupTest, WithoutItsSoundLibraryTheGamePlaysSilentAndSaysSoOnce) {
    const std::string missing = "libdzwonex-no-such-mixer.so.0";
    WindowUnderTest w(assets.Dir(), 12345, false, [&](TfrmMainOptions& options) {
        options.sound = std::make_unique<BackgroundOpenedSound>(
            std::make_unique<TSound>(std::make_unique<SdlMixerLibrary>(SdlLibraryNames{.mixer = missing})));
    });
    ::testing::internal::CaptureStderr();
    w.Show();
    w->Controller().Sound().MusicVolume();  // waits until the opening is done
    QCoreApplication::processEvents();
    w.lblZmiany->Hold()->setCurrentTime(TFeedbackLine::kHoldMs);
    const QString said =
        QString::fromUtf8("Gra bez dźwięku: nie można wczytać %1 (").arg(QString::fromStdString(missing));
    EXPECT_TRUE(w.lblZmiany->FullText().startsWith(said)) << w.lblZmiany->FullText().toStdString();

    const int firstDay = w->Game().Day();
    for (int step = 0; step < 8; ++step) {
        w->Controller().AnswerOk();
        w->Controller().PressMap(40 * step, 30 * step);
        w.PageControl->SetActivePage(step % 4);
        w->Controller().PageChangedByPlayer();
        w->Controller().Audio().SetMusicOn(step % 2 == 1);
        w->Controller().Clock().MainTimerTimer();
    }
    QCoreApplication::processEvents();
    const std::string terminal = ::testing::internal::GetCapturedStderr();
    EXPECT_GT(w->Game().Day(), firstDay);
    EXPECT_TRUE(w.errors->empty());
    const std::string line = "dzwonex: " + said.toStdString();
    EXPECT_NE(terminal.find(line), std::string::npos) << terminal;
    EXPECT_EQ(terminal.find(line), terminal.rfind(line)) << terminal;
}

TEST_F(StartupTest, TheMapPictureIsThereWhenTheMapIsFirstShown) {
    WindowUnderTest w(assets.Dir());
    w.PageControl->SetActivePage(kPageMap);
    w.Show();
    QCoreApplication::processEvents();
    const QImage shot = Grab(w.paintboxMapa);
    const QPoint ground = EmptyGround(w->Game());
    EXPECT_EQ(shot.pixelColor(ground), w->Controller().Pictures().map.pixelColor(ground));
    EXPECT_NE(shot.pixelColor(ground), kWhite);
}

TEST_F(StartupTest, AMissingBannerStripIsReportedWithItsFullPath) {
    assets.Remove("Bannery.bmp");
    WindowUnderTest w(assets.Dir());
    ASSERT_EQ(w.errors->size(), 1u);
    EXPECT_EQ(w.errors->front(), QString::fromUtf8("Nie można otworzyć pliku %1.").arg(assets.File("Bannery.bmp")));
    ExpectNothingAfterThePictures(w);
    EXPECT_EQ(w->Game().MapWidth(), 0);
    // In English, the words the game has always had.
    WindowUnderTest english(assets.Dir(), 12345, false, [](TfrmMainOptions& o) { o.language = Language::English; });
    ASSERT_EQ(english.errors->size(), 1u);
    EXPECT_EQ(english.errors->front(), QString("Cannot open file %1.").arg(assets.File("Bannery.bmp")));
}

TEST_F(StartupTest, AMalformedIconIsNotAValidBitmap) {
    Corrupt("4.bmp", QByteArray("BM this is no bitmap at all, only some words"));
    WindowUnderTest w(assets.Dir());
    ASSERT_EQ(w.errors->size(), 1u);
    EXPECT_EQ(w.errors->front(), QString::fromUtf8("Nieprawidłowy obraz bitmapy: ") + assets.File("4.bmp"));
    ExpectNothingAfterThePictures(w);
    // The pictures are read in order, and the first that fails is told.
    assets.Remove("Mapa.jpg");
    WindowUnderTest again(assets.Dir());
    ASSERT_EQ(again.errors->size(), 1u);
    EXPECT_EQ(again.errors->front(), QString::fromUtf8("Nie można otworzyć pliku %1.").arg(assets.File("Mapa.jpg")));
}

TEST_F(StartupTest, ATruncatedBitmapIsNotValid) {
    QFile strip(assets.File("Bannery.bmp"));
    ASSERT_TRUE(strip.open(QIODevice::ReadWrite));
    ASSERT_TRUE(strip.resize(200));
    strip.close();
    WindowUnderTest w(assets.Dir());
    ASSERT_EQ(w.errors->size(), 1u);
    EXPECT_EQ(w.errors->front(), QString::fromUtf8("Nieprawidłowy obraz bitmapy: ") + assets.File("Bannery.bmp"));
    ExpectNothingAfterThePictures(w);
}

TEST_F(StartupTest, AMissingOrCorruptMapIsReported) {
    assets.Remove("Mapa.jpg");
    {
        WindowUnderTest w(assets.Dir());
        ASSERT_EQ(w.errors->size(), 1u);
        EXPECT_EQ(w.errors->front(), QString::fromUtf8("Nie można otworzyć pliku %1.").arg(assets.File("Mapa.jpg")));
        ExpectNothingAfterThePictures(w);
    }
    static const char kNotAPicture[] = "\xFF\xD8\xFF\xE0 not really a picture";
    Corrupt("Mapa.jpg", QByteArray(kNotAPicture, sizeof kNotAPicture - 1));
    {
        WindowUnderTest w(assets.Dir());
        ASSERT_EQ(w.errors->size(), 1u);
        EXPECT_TRUE(w.errors->front().contains(assets.File("Mapa.jpg"))) << qPrintable(w.errors->front());
        ExpectNothingAfterThePictures(w);
    }
}

// Damaged pictures, each in place of the good one: one box names the file
// and says what is wrong, and nothing after the pictures starts. None of
// them waits (a pipe has no writer) or takes the memory a giant or endless
// file would ask for. The start-up reads only the map's header: a map
// damaged further in is told when it is first drawn, once, and the game
// plays on without its picture.
TEST(StartupDamagedFilesTest, EachDamagedPictureIsNamedAndTheGameEnds) {
    for (const testing::PictureDamage& row : testing::PictureDamages({"Bannery.bmp", "3.bmp"})) {
        SCOPED_TRACE(row.file + " as " + row.damage.what);
        TestAssets assets;
        const std::string path = assets.File(QString::fromStdString(row.file)).toStdString();
        row.damage.apply(path);
        WindowUnderTest w(assets.Dir());
        if (row.file == "Mapa.jpg" && !w->StartupFailed()) {
            EXPECT_TRUE(w.errors->empty());
            Grab(w.paintboxMapa);
            Grab(w.paintboxMapa);
            ASSERT_EQ(w.errors->size(), 1u);
            EXPECT_EQ(w.errors->front().toStdString(), row.damage.message(path, Language::Polish));
            EXPECT_TRUE(w->Controller().Pictures().map.isNull());
            EXPECT_EQ(w->Game().Day(), 1);
            EXPECT_TRUE(w.MainTimer->isActive());
            continue;
        }
        ASSERT_EQ(w.errors->size(), 1u);
        EXPECT_EQ(w.errors->front().toStdString(), row.damage.message(path, Language::Polish));
        EXPECT_TRUE(w->StartupFailed());
        EXPECT_EQ(w.sound->Count("InitSound(" + assets.Dir() + ")"), 0);
        EXPECT_FALSE(w.MainTimer->isActive());
    }
}

// The game's own sound on SDL's dummy driver: a sound file that cannot be
// one leaves the game silent and playing, as a missing one does.
TEST(StartupDamagedFilesTest, ADamagedSoundFileLeavesTheGamePlaying) {
#ifndef DZWONEX_TEST_ASSET_DIR
    GTEST_SKIP() << "the asset generator is not part of this build";
#else
    for (const char* file : {"psych.xm", "click.wav"}) {
        for (const Damage& damage : FileSystemDamages(kMusicFileLimit)) {
            SCOPED_TRACE(std::string(file) + " as " + damage.what);
            TestAssets assets;
            for (const char* sound : {"psych.xm", "button.wav", "page.wav", "click.wav"})
                std::filesystem::copy_file(std::string(DZWONEX_TEST_ASSET_DIR) + sound,
                                           assets.File(sound).toStdString());
            damage.apply(assets.File(file).toStdString());
            std::vector<QString> errors;
            TfrmMainOptions options;
            options.appDir = assets.Dir();
            options.seed = 7;
            options.showLogo = false;
            options.reportError = [&errors](const QString& message) { errors.push_back(message); };
            TfrmMain window(std::move(options));
            EXPECT_FALSE(window.StartupFailed());
            EXPECT_TRUE(errors.empty());
            window.Controller().AnswerOk();
            const QLabel* date = Control<QLabel>(&window, "lblSpeed2");
            const QString before = date->text();
            window.Controller().Clock().MainTimerTimer();
            EXPECT_NE(date->text(), before) << "the day did not change";
        }
    }
#endif
}

TEST_F(StartupTest, ClosingReleasesSoundThenEverythingElse) {
    testing::PointWatch points;
    auto sound = std::make_shared<SoundLog>();
    {
        WindowUnderTest w(assets.Dir());
        sound = w.sound;
        w.Show();
        points.Watch(w->Game());
        EXPECT_GT(points.Alive(), 1000);
        w->close();
    }
    EXPECT_EQ(sound->calls.back(), "DoneSound");
    EXPECT_EQ(sound->Count("DoneSound"), 1);
    EXPECT_EQ(points.Alive(), 0);
}

#ifdef DZWONEX_TEST_ASSET_DIR
TEST(GeneratedAssetsTest, TheGameStartsOnTheGeneratedAssets) {
    WindowUnderTest w(DZWONEX_TEST_ASSET_DIR);
    EXPECT_FALSE(w->StartupFailed());
    EXPECT_TRUE(w.errors->empty()) << qPrintable(w.errors->empty() ? QString() : w.errors->front());
    EXPECT_GE(w->Game().BannerCount(), 1);
    EXPECT_GT(w->Game().MapWidth(), 0);
}
#endif

}  // namespace
}  // namespace dzwonex::uitest
