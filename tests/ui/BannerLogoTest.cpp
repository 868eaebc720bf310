// The banner at the top and the logo dialog.
#include <gtest/gtest.h>

#include <filesystem>

#include <QTest>
#include <QTimer>

#include "CompanyBuilder.h"
#include "DamagedFiles.h"
#include "Logo.h"
#include "Support.h"

namespace dzwonex::uitest {
namespace {

using dzwonex::testing::BitmapDamages;
using dzwonex::testing::CompanyBuilder;
using dzwonex::testing::Damage;
using dzwonex::testing::FileSystemDamages;
using dzwonex::testing::ReadAll;
using dzwonex::testing::WriteAll;

class BannerTest : public ::testing::Test {
protected:
    TestAssets assets;
    WindowUnderTest w{assets.Dir()};

    void SetUp() override { w.Show(); }
};

TEST_F(BannerTest, TheBannerShowsItsBandOfTheStrip) {
    // 120 rows: two whole banners, the last 20 rows never show.
    EXPECT_EQ(w->Game().BannerCount(), 2);
    CompanyBuilder(w->Game()).BannerIndex(1);
    QImage shot = Grab(w.pbBanner);
    EXPECT_EQ(shot.size(), QSize(400, 50));
    EXPECT_EQ(shot.pixelColor(0, 0), kBand1);
    EXPECT_EQ(shot.pixelColor(399, 49), kBand1);
    CompanyBuilder(w->Game()).BannerIndex(0);
    shot = Grab(w.pbBanner);
    EXPECT_EQ(shot.pixelColor(0, 0), kBand0);
    EXPECT_EQ(shot.pixelColor(399, 49), kBand0);
    // A band the strip does not cover leaves the panel's white.
    CompanyBuilder(w->Game()).BannerIndex(2);
    shot = Grab(w.pbBanner);
    EXPECT_EQ(shot.pixelColor(10, 5), kStripTail);
    EXPECT_EQ(shot.pixelColor(10, 30), kWhite);
}

TEST_F(BannerTest, APressOpensTheShortcutsWebAddressOnly) {
    QTest::mouseClick(w.pbBanner, Qt::RightButton, {}, QPoint(200, 25));
    ASSERT_EQ(w.urls->size(), 1u);
    EXPECT_EQ(w.urls->front(), QUrl("https://dzwonex.example/reklama"));

    // A shortcut naming a program is never run.
    assets.Write("Banner.url", "[InternetShortcut]\r\nURL=file:///usr/bin/xterm\r\n");
    QTest::mouseClick(w.pbBanner, Qt::LeftButton, {}, QPoint(10, 10));
    assets.Remove("Banner.url");
    QTest::mouseClick(w.pbBanner, Qt::LeftButton, {}, QPoint(10, 10));
    // Nor does a press wait on a pipe, or read a device.
    for (const Damage& damage : FileSystemDamages(kShortcutFileLimit)) {
        std::filesystem::remove_all(assets.File("Banner.url").toStdString());
        assets.Write("Banner.url", "[InternetShortcut]\r\nURL=https://dzwonex.example/\r\n");
        damage.apply(assets.File("Banner.url").toStdString());
        QTest::mouseClick(w.pbBanner, Qt::LeftButton, {}, QPoint(10, 10));
    }
    EXPECT_EQ(w.urls->size(), 1u);
    EXPECT_TRUE(w.errors->empty());
}

class LogoTest : public ::testing::Test {
protected:
    TestAssets assets;
    std::vector<QString> errors;
    std::vector<QUrl> urls;

    std::unique_ptr<TfrmLogo> Open() {
        auto logo = std::make_unique<TfrmLogo>(
            assets.Dir(), [this](const QString& m) { errors.push_back(m); },
            [this](const QUrl& u) { urls.push_back(u); });
        logo->open();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(logo.get()));
        return logo;
    }
};

TEST_F(LogoTest, TheDialogIsAFramelessGreetingOfFixedSize) {
    auto logo = Open();
    EXPECT_EQ(logo->size(), QSize(393, 267));
    EXPECT_TRUE(logo->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(logo->imgLogo->geometry(), QRect(16, 8, 90, 90));
    EXPECT_FALSE(logo->imgLogo->pixmap().isNull());
    EXPECT_EQ(logo->Label1->text(), "Dzwonex S.A.");
    EXPECT_EQ(logo->Label1->pos(), QPoint(112, 80));
    EXPECT_EQ(logo->Label1->font().pixelSize(), 16);
    EXPECT_TRUE(logo->Label1->font().bold());
    EXPECT_TRUE(logo->Label1->font().italic());
    EXPECT_EQ(logo->Label1->palette().color(QPalette::WindowText), QColor(0, 64, 128));
    EXPECT_EQ(logo->Label3->geometry(), QRect(112, 96, 257, 13));
    EXPECT_EQ(logo->Label3->text(), "Gra ekonomiczna");
    EXPECT_EQ(logo->Label5->pos(), QPoint(16, 168));
    EXPECT_TRUE(logo->Label5->text().startsWith("mailto:"));
    EXPECT_TRUE(logo->Label5->font().underline());
    EXPECT_EQ(logo->Label2->geometry(), QRect(168, 240, 50, 13));
    EXPECT_EQ(logo->Label2->text(), "OK");
    EXPECT_TRUE(logo->Label2->font().bold() && logo->Label2->font().underline());
    EXPECT_TRUE(errors.empty());
}

TEST_F(LogoTest, ADottedFrameRunsOnePixelInsideTheEdges) {
    auto logo = Open();
    const QImage shot = Grab(logo.get());
    const QColor dark(0, 0, 0);
    // Every other pixel along row 1 and column 1, and the far edges.
    EXPECT_EQ(shot.pixelColor(1, 1), dark);
    EXPECT_EQ(shot.pixelColor(2, 1), kWhite);
    EXPECT_EQ(shot.pixelColor(3, 1), dark);
    EXPECT_EQ(shot.pixelColor(1, 3), dark);
    EXPECT_EQ(shot.pixelColor(1, 2), kWhite);
    EXPECT_EQ(shot.pixelColor(391, 1), dark);
    EXPECT_EQ(shot.pixelColor(391, 2), kWhite);
    EXPECT_EQ(shot.pixelColor(391, 3), dark);
    EXPECT_EQ(shot.pixelColor(1, 265), dark);
    EXPECT_EQ(shot.pixelColor(3, 265), dark);
    // Not on the very edge, not further in.
    for (const QPoint p :
         {QPoint(0, 0), QPoint(0, 1), QPoint(1, 0), QPoint(392, 2), QPoint(3, 266), QPoint(2, 3), QPoint(390, 100)})
        EXPECT_EQ(shot.pixelColor(p), kWhite) << p.x() << "," << p.y();
}

TEST_F(LogoTest, AnyKeyCloses) {
    for (Qt::Key key : {Qt::Key_A, Qt::Key_Escape, Qt::Key_Return, Qt::Key_Shift, Qt::Key_F5}) {
        auto logo = Open();
        QTest::keyClick(logo.get(), key);
        EXPECT_FALSE(logo->isVisible()) << key;
        EXPECT_EQ(logo->result(), QDialog::Accepted) << key;
    }
}

TEST_F(LogoTest, OnlyAPressOnOkCloses) {
    auto logo = Open();
    for (QWidget* elsewhere : std::initializer_list<QWidget*>{logo->imgLogo, logo->Label1, logo->Label3, logo.get()}) {
        QTest::mouseClick(elsewhere, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_TRUE(logo->isVisible()) << qPrintable(elsewhere->objectName());
    }
    QTest::mousePress(logo->Label2, Qt::RightButton, {}, QPoint(25, 6));
    EXPECT_FALSE(logo->isVisible());
    EXPECT_EQ(logo->result(), QDialog::Accepted);
}

TEST_F(LogoTest, TheMailLinkOpensTheMailAddressAndTheDialogStays) {
    auto logo = Open();
    QTest::mouseClick(logo->Label5, Qt::MiddleButton, {}, QPoint(5, 5));
    ASSERT_EQ(urls.size(), 1u);
    EXPECT_EQ(urls.front().scheme(), "mailto");
    EXPECT_EQ(urls.front().toString(), logo->Label5->text());
    EXPECT_TRUE(logo->isVisible());
}

TEST_F(LogoTest, AMissingOrDamagedPictureIsReportedAndTheDialogOpensWithout) {
    const std::string path = assets.File("Logo.bmp").toStdString();
    std::vector<Damage> damages = FileSystemDamages(kBitmapFileLimit);
    for (const Damage& d : BitmapDamages()) damages.push_back(d);
    damages.push_back({"missing", [](const std::filesystem::path& p) { std::filesystem::remove(p); },
                       [](const std::string& p, Language) { return "Nie można otworzyć pliku " + p + "."; }});
    const std::vector<uint8_t> good = ReadAll(path);
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        std::filesystem::remove_all(path);
        WriteAll(path, good);
        damage.apply(path);
        errors.clear();
        auto logo = Open();
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors.front().toStdString(), damage.message(path, Language::Polish));
        EXPECT_TRUE(logo->imgLogo->pixmap().isNull());
        EXPECT_TRUE(logo->isVisible());
    }
}

TEST_F(LogoTest, TheMainWindowGreetsWithTheDialogWhileTheClockStands) {
    WindowUnderTest w(assets.Dir(), 7, /*showLogo=*/true);
    bool seen = false, dayTimerRan = true, overMainWindow = false;
    int speedUnder = -1;
    QString toldUnder = QStringLiteral("?");
    // Looks from inside the dialog's modal run, then closes it with a key.
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        auto* logo = qobject_cast<TfrmLogo*>(QApplication::activeModalWidget());
        if (!logo) return;
        seen = true;
        dayTimerRan = w.MainTimer->isActive();
        speedUnder = w->Game().SpeedPosition();
        toldUnder = w.lblZmiany->FullText();
        overMainWindow = logo->parentWidget() == w.window.get();
        QTest::keyClick(logo, Qt::Key_Space);
        probe.stop();
    });
    probe.start(20);
    w.Show();
    EXPECT_TRUE(WaitUntil([&] { return seen && !QApplication::activeModalWidget(); }, 5000));
    // No day comes behind the greeting; the banner turns on.
    EXPECT_FALSE(dayTimerRan);
    EXPECT_EQ(speedUnder, 0);
    EXPECT_TRUE(w.BannerTimer->isActive());
    EXPECT_TRUE(overMainWindow);
    // Then the clock goes on at its speed, and the start's hint is told
    // only now, where it can be read.
    EXPECT_EQ(w->Game().SpeedPosition(), Company::kStartSpeed);
    EXPECT_TRUE(w.MainTimer->isActive());
    EXPECT_TRUE(toldUnder.isEmpty()) << toldUnder.toStdString();
    EXPECT_EQ(w.lblZmiany->FullText(), QString::fromUtf8("F1 — Pomoc"));
    // Only once per run.
    w->hide();
    w->show();
    QTest::qWait(50);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace dzwonex::uitest
