// The feedback line beside the date: what an answer, a press on the map or
// a day changed, and its fading.
#include <gtest/gtest.h>

#include <QTest>

#include "Amounts.h"
#include "Changes.h"
#include "CompanyBuilder.h"
#include "FeedbackLine.h"
#include "Support.h"

namespace dzwonex::uitest {
namespace {

using dzwonex::testing::CompanyBuilder;

const QString kMinus = QString::fromUtf8("\xE2\x88\x92");

class FeedbackTest : public ::testing::Test {
protected:
    TestAssets assets;
    WindowUnderTest w{assets.Dir()};

    void SetUp() override {
        w.Show();
        w->Controller().StopMainTimer();
    }

    QString Told() const { return w.lblZmiany->FullText(); }
    // The whole text shows only where the line is wide enough.
    void Widen() {
        w->resize(1280, 800);
        QCoreApplication::processEvents();
    }
};

TEST_F(FeedbackTest, TakOnAnSdiApplicationTellsTheChangeTheStateShows) {
    Widen();
    struct Row {
        int kind;
        int envelope;
    };
    for (const Row row : {Row{ckSdiRequest, 0}, Row{ckSdiBribe, 828}, Row{ckSdiBribe, 1099}}) {
        SCOPED_TRACE(row.kind);
        Case& c = CompanyBuilder(w->Game()).PushCase();
        c.kind = row.kind;
        c.param = row.envelope;
        c.title = "Podanie o SDI";
        CompanyBuilder(w->Game()).ShowCurrentCase();
        const CompanySnapshot before = w->Game().Snapshot();

        QTest::mouseClick(w.btnYes, Qt::LeftButton);

        const CompanySnapshot after = w->Game().Snapshot();
        const int64_t cash = int64_t{after.cash} - before.cash;
        const int64_t opinion = int64_t{RoundToInt32(after.opinion)} - RoundToInt32(before.opinion);
        const QStringList parts = Told().split(QString::fromUtf8(" \xC2\xB7 "));
        ASSERT_EQ(cash, row.envelope);
        if (cash != 0)
            EXPECT_TRUE(parts.contains(QString::fromStdString("Kasa " + FormatChange(cash) + " zł")))
                << Told().toStdString();
        else
            EXPECT_FALSE(Told().contains("Kasa")) << Told().toStdString();
        if (opinion != 0)
            EXPECT_TRUE(parts.contains(QString::fromStdString("Opinia " + FormatChange(opinion))))
                << Told().toStdString();
        else
            EXPECT_FALSE(Told().contains("Opinia")) << Told().toStdString();
        EXPECT_TRUE(parts.contains("SDI +1")) << Told().toStdString();
        EXPECT_EQ(w.lblZmiany->text(), Told());
        EXPECT_TRUE(w.lblZmiany->isVisible());
    }
}

TEST_F(FeedbackTest, ChangesAreSignedWithRealMinusesAndSpacedThousands) {
    Effects effects;
    effects.cash = -1234567;
    effects.opinion = -1;
    effects.counts[skIsdn - 1] = 37;
    effects.newCases = 2;
    EXPECT_EQ(JoinChanges(DescribeEffects(effects)), "Kasa " + kMinus.toStdString() + "1 234 567 zł \xC2\xB7 Opinia " +
                                                         kMinus.toStdString() +
                                                         "1 \xC2\xB7 ISDN +37 \xC2\xB7 Sprawy +2");
}

TEST_F(FeedbackTest, ADayAndAPressOnTheMapTellWhatTheyDid) {
    Widen();
    const int64_t before = w->Game().Cash().Value();
    w->Controller().MainTimerTimer();
    const int64_t change = w->Game().Cash().Value() - before;
    EXPECT_TRUE(Told().startsWith(QString::fromStdString("Kasa " + FormatChange(change) + " zł")))
        << Told().toStdString();

    // Empty ground asks about a booth: its price, before Tak.
    w->Controller().SetActivePage(kPageMap);
    const QPoint at = EmptyGround(w->Game());
    QTest::mouseClick(w.paintboxMapa, Qt::LeftButton, {}, at);
    EXPECT_EQ(Told(), "Po Tak: Kasa " + kMinus + QString::fromUtf8("1 000 zł · Budki +1 · Opinia w górę"));
    // Tak then does just that to the cash.
    QTest::mouseClick(w.btnYes, Qt::LeftButton);
    EXPECT_TRUE(Told().startsWith("Kasa " + kMinus + QString::fromUtf8("1 000 zł"))) << Told().toStdString();
    EXPECT_TRUE(Told().contains("Budki +1")) << Told().toStdString();
}

TEST_F(FeedbackTest, TheLineFadesWhenItsAnimationIsStepped) {
    TFeedbackLine* line = w.lblZmiany;
    EXPECT_FALSE(line->isVisible());
    w->Controller().MainTimerTimer();
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(line->Opacity(), 1.0);
    EXPECT_EQ(line->Fade()->state(), QAbstractAnimation::Running);

    line->Fade()->setCurrentTime(TFeedbackLine::kHoldMs);
    EXPECT_EQ(line->Opacity(), 1.0);
    line->Fade()->setCurrentTime(TFeedbackLine::kHoldMs + TFeedbackLine::kFadeMs / 2);
    EXPECT_NEAR(line->Opacity(), 0.5, 0.01);
    EXPECT_LT(line->palette().color(QPalette::WindowText).alpha(), 200);
    line->Fade()->setCurrentTime(TFeedbackLine::kHoldMs + TFeedbackLine::kFadeMs);
    EXPECT_EQ(line->Opacity(), 0.0);
    EXPECT_FALSE(line->isVisible());

    // The next news shows at full strength again.
    w->Controller().MainTimerTimer();
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(line->Opacity(), 1.0);
}

TEST_F(FeedbackTest, TheLineKeepsRightOfTheDateAndCutsAtWholeParts) {
    TFeedbackLine* line = w.lblZmiany;
    line->Tell(QString::fromUtf8("Kasa +1 828 zł · Opinia −1 · Telefon/modem +12 · ISDN −3 · SDI +1 · Sprawy +2"));
    for (int width : {670, 900, 1280}) {
        SCOPED_TRACE(width);
        w->resize(width, 459);
        QCoreApplication::processEvents();
        EXPECT_GE(line->x(), w.lblSpeed2->geometry().right() + 8);
        EXPECT_LE(line->geometry().right(), w.pnlDown->width());
        EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()), line->width());
        // Every part shown is whole; what is cut ends in an ellipsis.
        const QString shown = line->text();
        EXPECT_TRUE(shown == line->FullText() ||
                    (shown.endsWith(QString::fromUtf8(" …")) && line->FullText().startsWith(shown.chopped(2))))
            << shown.toStdString();
    }
    // A longer date moves the line along.
    const int left = line->x();
    w->Controller().SetText(Control::lblSpeed2, "Rok: 1000  Miesiąc: 12  Dzień: 30");
    EXPECT_GT(line->x(), left);
}

}  // namespace
}  // namespace dzwonex::uitest
