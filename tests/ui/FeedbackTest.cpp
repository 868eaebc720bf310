// The feedback line beside the date: what an answer, a press on the map or
// a day changed, and its fading.
#include <gtest/gtest.h>

#include <limits>

#include <QRegularExpression>
#include <QTest>

#include "Amounts.h"
#include "CasesPage.h"
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
        w->Controller().Clock().StopMainTimer();
        // The start's line is held; the tests begin once it has been read.
        hint = Told();
        w.lblZmiany->Hold()->setCurrentTime(TFeedbackLine::kHoldMs);
        // A company nobody leaves: a warning would stand in the line before
        // the day's news (the warning has a test of its own).
        CompanyBuilder(w->Game()).ClearKind(skSdi).ClearKind(skNeostrada).Opinion(5).Quality(-6);
    }

    QString hint;

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
    w->Controller().Clock().MainTimerTimer();
    const int64_t change = w->Game().Cash().Value() - before;
    EXPECT_TRUE(Told().startsWith(QString::fromStdString("Kasa " + FormatChange(change) + " zł")))
        << Told().toStdString();

    // Empty ground asks about a booth: its price, before Tak.
    w.PageControl->SetActivePage(kPageMap);
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
    // The start told where the help is.
    EXPECT_EQ(hint, QString::fromUtf8("F1 — Pomoc"));
    EXPECT_TRUE(line->isVisible());
    line->FadeOut()->setCurrentTime(TFeedbackLine::kFadeMs);
    EXPECT_FALSE(line->isVisible());

    w->Controller().Clock().MainTimerTimer();
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(line->Opacity(), 1.0);
    EXPECT_EQ(line->Hold()->state(), QAbstractAnimation::Running);
    line->Hold()->setCurrentTime(TFeedbackLine::kHoldMs - 1);
    EXPECT_EQ(line->Opacity(), 1.0);
    line->Hold()->setCurrentTime(TFeedbackLine::kHoldMs);
    EXPECT_EQ(line->FadeOut()->state(), QAbstractAnimation::Running);
    line->FadeOut()->setCurrentTime(TFeedbackLine::kFadeMs / 2);
    EXPECT_NEAR(line->Opacity(), 0.5, 0.01);
    EXPECT_LT(line->palette().color(QPalette::WindowText).alpha(), 200);
    line->FadeOut()->setCurrentTime(TFeedbackLine::kFadeMs);
    EXPECT_EQ(line->Opacity(), 0.0);
    EXPECT_FALSE(line->isVisible());

    // The next news shows at full strength again.
    w->Controller().Clock().MainTimerTimer();
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(line->Opacity(), 1.0);
}

TEST_F(FeedbackTest, AnAnswerAtTopSpeedStaysFourSecondsAndTheDaysWait) {
    TFeedbackLine* line = w.lblZmiany;
    CompanyBuilder(w->Game()).ClearCases();
    Case& c = CompanyBuilder(w->Game()).PushCase();
    c.kind = ckSdiBribe;
    c.param = 828;
    CompanyBuilder(w->Game()).ShowCurrentCase();
    w->Controller().PickSpeed(10);
    w->Controller().Clock().StopMainTimer();
    ASSERT_EQ(w->Game().SpeedPosition(), 10);

    QTest::mouseClick(w.btnYes, Qt::LeftButton);
    const QString answer = Told();
    ASSERT_TRUE(answer.contains("SDI +1")) << answer.toStdString();
    // A day every two seconds: both days of the hold wait, the latest for
    // the hold's end.
    line->Hold()->setCurrentTime(2000);
    w->Controller().Clock().MainTimerTimer();
    const QString firstDay = line->Waiting();
    EXPECT_FALSE(firstDay.isEmpty());
    line->Hold()->setCurrentTime(TFeedbackLine::kHoldMs - 1);
    CompanyBuilder(w->Game()).AddMoney(1);  // so that the two days differ
    w->Controller().Clock().MainTimerTimer();
    EXPECT_EQ(Told(), answer);
    EXPECT_EQ(line->Opacity(), 1.0);
    EXPECT_NE(line->Waiting(), firstDay);
    const QString secondDay = line->Waiting();

    line->Hold()->setCurrentTime(TFeedbackLine::kHoldMs);
    EXPECT_EQ(Told(), secondDay);
    EXPECT_EQ(line->Opacity(), 1.0);
    EXPECT_TRUE(line->Waiting().isEmpty());
    // A day's news is not held: the next replaces it at once.
    w->Controller().Clock().MainTimerTimer();
    EXPECT_NE(Told(), secondDay);
}

TEST_F(FeedbackTest, TheLogKeepsTheLastTwentyChangesNewestFirst) {
    CasesPage* page = w.window->findChild<CasesPage*>();
    ASSERT_NE(page, nullptr);
    QStringList told;
    for (int day = 0; day < 25; ++day) {
        w->Controller().Clock().MainTimerTimer();
        told.prepend("Dzień: " + Told());
    }
    // An answer, and a press on the map, which changes nothing yet.
    CompanyBuilder(w->Game()).ClearCases();
    Case& c = CompanyBuilder(w->Game()).PushCase();
    c.kind = ckRaise;
    CompanyBuilder(w->Game()).ShowCurrentCase();
    QTest::mouseClick(w.btnNo, Qt::LeftButton);
    if (Told() != "Bez zmian") told.prepend("Nie: " + Told());
    w.PageControl->SetActivePage(kPageMap);
    QTest::mouseClick(w.paintboxMapa, Qt::LeftButton, {}, EmptyGround(w->Game()));
    ASSERT_TRUE(Told().startsWith("Po Tak"));

    // Each entry under the game date it was made on, the newest under the
    // date the status bar shows: "Rok: 1  Miesiąc: 2  Dzień: 7" is 07.02.
    const QRegularExpression dated(QString::fromUtf8("^(\\d\\d)\\.(\\d\\d), rok (\\d+) — (.*)$"));
    QStringList logged;
    for (const QString& entry : page->LoggedChanges()) {
        const QRegularExpressionMatch m = dated.match(entry);
        ASSERT_TRUE(m.hasMatch()) << entry.toStdString();
        logged << m.captured(4);
    }
    EXPECT_EQ(logged, told.mid(0, CasesPage::kLogSize));
    const QRegularExpressionMatch newest = dated.match(page->LoggedChanges().front());
    EXPECT_EQ(w.lblSpeed2->text(), QString::fromUtf8("Rok: %1  Miesiąc: %2  Dzień: %3")
                                       .arg(newest.captured(3))
                                       .arg(newest.captured(2).toInt())
                                       .arg(newest.captured(1).toInt()));
}

TEST_F(FeedbackTest, AChangeFromTheLeastCashToTheMostShowsWhole) {
    ToldWindow view(w);
    Widen();
    Effects effects;
    effects.cash = int64_t{std::numeric_limits<int32_t>::max()} - std::numeric_limits<int32_t>::min();
    view->Reported({Action::Yes, effects, std::nullopt});
    EXPECT_EQ(w.lblZmiany->text(), QString::fromUtf8("Kasa +4294 967 295 zł"));
    effects.cash = -effects.cash;
    view->Reported({Action::Yes, effects, std::nullopt});
    EXPECT_EQ(w.lblZmiany->text(), "Kasa " + kMinus + QString::fromUtf8("4294 967 295 zł"));
    w->Controller().Languages().Pick(Language::English);
    view->Reported({Action::Yes, effects, std::nullopt});
    EXPECT_EQ(w.lblZmiany->text(), "Cash " + kMinus + "PLN 4,294,967,295");
    w->Controller().Languages().Pick(Language::Polish);
}

TEST_F(FeedbackTest, TheLineKeepsRightOfTheDateAndCutsAtWholeParts) {
    ToldWindow view(w);
    TFeedbackLine* line = w.lblZmiany;
    const QString parts =
        QString::fromUtf8("Kasa +1 828 zł · Opinia −1 · Telefon/modem +12 · ISDN −3 · SDI +1 · Sprawy +2");
    // One part alone wider than the line: cut where the line ends.
    const QString message = QString::fromUtf8(
        "Przy ostatnim zamknięciu: Nie można zapisać pliku /home/gracz/.local/share/dzwonex/dzwonex/firmy/"
        "firma-2026-12-07.dzwonex: brak miejsca na dysku.");
    for (const QString& text : {parts, message}) {
        line->TellAndHold(text);
        for (int width : {1280, 900, 670}) {
            SCOPED_TRACE(width);
            w->resize(width, 459);
            QCoreApplication::processEvents();
            EXPECT_GE(line->x(), w.lblSpeed2->geometry().right() + 8);
            EXPECT_LE(line->geometry().right(), w.pnlDown->width());
            EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()), line->width());
            // What is shown is the start of the text; what is cut ends in
            // an ellipsis, and the whole text is in the tooltip.
            const QString shown = line->text();
            EXPECT_TRUE(shown == text ||
                        (shown.endsWith(QString::fromUtf8("…")) && text.startsWith(shown.chopped(1).trimmed())))
                << shown.toStdString();
            EXPECT_EQ(line->toolTip(), text);
        }
        // Each of them is too long for the line at the design size.
        EXPECT_NE(line->text(), text);
    }
    // A longer date moves the line along.
    const int left = line->x();
    view->SetText(Control::lblSpeed2, "Rok: 1000  Miesiąc: 12  Dzień: 30");
    EXPECT_GT(line->x(), left);
}

}  // namespace
}  // namespace dzwonex::uitest
