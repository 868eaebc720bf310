// The case page as the game writes it, and presses on the map that open cases.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "Amounts.h"
#include "CompanyBuilder.h"

#include "Support.h"

namespace dzwonex::uitest {
namespace {

using dzwonex::testing::CompanyBuilder;

class CasePageTest : public ::testing::Test {
protected:
    TestAssets assets;
    WindowUnderTest w{assets.Dir()};

    void SetUp() override {
        w.Show();
        // No day may pass while a test looks at the queue.
        w.progressSpeed->SetPosition(0);
        w->Controller().Clock().StopMainTimer();
    }

    QString Caption() const { return w.PageControl->TabBar()->tabText(kPageCases); }
    QString CountCaption() const { return QString("Sprawy (%1)").arg(w.window->Game().Cases().size()); }

    void ExpectButtons(bool yes, bool ok, bool no) {
        EXPECT_EQ(w.btnYes->isEnabled(), yes);
        EXPECT_EQ(w.btnOK->isEnabled(), ok);
        EXPECT_EQ(w.btnNo->isEnabled(), no);
    }

    void PressMap(Qt::MouseButton button, const QPoint& at) {
        QTest::mousePress(w.paintboxMapa, button, {}, at);
        QTest::mouseRelease(w.paintboxMapa, button, {}, at);
    }
};

TEST_F(CasePageTest, StartUpShowsTheWelcomeOnTheCasePage) {
    const Company& game = w->Game();
    EXPECT_EQ(w.PageControl->ActivePageIndex(), kPageCases);
    EXPECT_EQ(w.lblTytul->text(), "Witaj !");
    const QString body = w.memSprawa->toPlainText();
    EXPECT_TRUE(body.startsWith(QString::fromUtf8("Witaj w grze ekonomicznej \"Dzwonex S.A.\".\n\nPoprowadź")));
    EXPECT_TRUE(body.endsWith("\n\n  Skryptor"));
    EXPECT_FALSE(body.contains('\r'));
    ExpectButtons(false, true, false);
    EXPECT_EQ(Caption(), CountCaption());
    EXPECT_EQ(w.lblSpeed2->text(), QString::fromUtf8("Rok: 1  Miesiąc: 1  Dzień: 2"));
    EXPECT_EQ(w.lblKasa->text(), QString::fromStdString(FormatAmount(game.Cash().Value()) + " zł"));
    EXPECT_EQ(w.lblCounts[skPolpak - 1]->text(), "2");
    EXPECT_EQ(w.lblCounts[skPhone - 1]->text().remove(' ').toInt(), game.Count(skPhone));
    // The start-up moved the page itself: no page sound.
    EXPECT_EQ(w.sound->Count("PlayPageSound"), 0);
}

TEST_F(CasePageTest, ButtonsFollowTheFrontCaseUntilTheQueueIsEmpty) {
    const Company& game = w->Game();
    w.PageControl->SetActivePage(kPageMap);
    PressMap(Qt::LeftButton, EmptyGround(game));
    ASSERT_EQ(game.Cases().front().kind, ckBooth);
    ExpectButtons(true, false, true);

    // Nie on a booth: the case goes, the welcome is in front again.
    QTest::mouseClick(w.btnNo, Qt::LeftButton);
    EXPECT_EQ(game.Cases().front().kind, ckInfo);
    EXPECT_EQ(w.lblTytul->text(), "Witaj !");
    ExpectButtons(false, true, false);
    EXPECT_EQ(Caption(), CountCaption());

    // OK until nothing is left; an unknown kind never comes up here.
    for (int guard = 0; guard < 100 && !game.Cases().empty(); ++guard) {
        if (w.btnOK->isEnabled())
            QTest::mouseClick(w.btnOK, Qt::LeftButton);
        else
            QTest::mouseClick(w.btnYes, Qt::LeftButton);
    }
    ASSERT_TRUE(game.Cases().empty());
    ExpectButtons(false, false, false);
    EXPECT_EQ(w.lblTytul->text(), "");
    EXPECT_EQ(w.memSprawa->toPlainText(), "");
    EXPECT_EQ(Caption(), "Sprawy (0)");
    EXPECT_GE(w.sound->Count("PlayButtonSound"), 2);
}

TEST_F(CasePageTest, PressOnAPointAsksToDisconnectIt) {
    const Company& game = w->Game();
    const auto booth = game.Subscribers(skBooth).front();
    const size_t before = game.Cases().size();
    w.PageControl->SetActivePage(kPageMap);

    // The right button, 8 px off on both axes: still a hit.
    PressMap(Qt::RightButton, QPoint(booth->X() + 8, booth->Y() + 8));

    ASSERT_EQ(game.Cases().size(), before + 1);
    const Case& c = game.Cases().front();
    EXPECT_EQ(c.kind, ckDisconnect);
    EXPECT_EQ(c.subject, booth);
    EXPECT_EQ(c.param, skBooth);
    EXPECT_EQ(w.PageControl->ActivePageIndex(), kPageCases);
    EXPECT_TRUE(w.tabSprawy->isVisible());
    EXPECT_EQ(w.lblTytul->text(), QString::fromUtf8("Odłączenie abonenta"));
    EXPECT_TRUE(w.memSprawa->toPlainText().endsWith(
        QString::fromUtf8("\n\nCzy na pewno chcesz usunąć tą budkę telefoniczną ?")));
    ExpectButtons(true, false, true);
    EXPECT_EQ(Caption(), CountCaption());
    EXPECT_EQ(w.sound->Count("PlayClickSound"), 1);
    EXPECT_EQ(w.sound->Count("PlayPageSound"), 0);
}

TEST_F(CasePageTest, PressOnEmptyGroundOffersABoothThere) {
    const Company& game = w->Game();
    const QPoint at = EmptyGround(game);
    ASSERT_GE(at.x(), 0);
    w.PageControl->SetActivePage(kPageMap);

    PressMap(Qt::MiddleButton, at);

    const Case& c = game.Cases().front();
    EXPECT_EQ(c.kind, ckBooth);
    EXPECT_EQ(c.param, at.x());
    EXPECT_EQ(c.param2, at.y());
    EXPECT_EQ(w.lblTytul->text(), "Postawnienie budki");
    EXPECT_EQ(w.memSprawa->toPlainText(),
              QString::fromUtf8("Czy na pewno chcesz postawić budkę telefoniczną w tej części miasta ?"));
    EXPECT_EQ(w.PageControl->ActivePageIndex(), kPageCases);
    ExpectButtons(true, false, true);
    EXPECT_EQ(w.sound->Count("PlayClickSound"), 1);
    EXPECT_EQ(w.sound->Count("PlayPageSound"), 0);
}

TEST_F(CasePageTest, TheReadOnlyCaseTextShowsNoCaret) {
    ToldWindow view(w);
    QApplication::setActiveWindow(w.window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    view->SetText(Control::memSprawa, "");
    w.memSprawa->setFocus();
    ASSERT_TRUE(w.memSprawa->hasFocus());
    // An empty text on the paper: any other pixel is a caret.
    const QImage shot = Grab(w.memSprawa);
    const QColor paper = w.memSprawa->palette().color(QPalette::Base);
    int marks = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) marks += shot.pixelColor(x, y) != paper;
    EXPECT_EQ(marks, 0);
}

TEST_F(CasePageTest, LongCaseTextWrapsInsideTheBox) {
    ToldWindow view(w);
    view->SetText(Control::memSprawa, std::string(200, 'x') + "\r\nkoniec");
    EXPECT_EQ(w.memSprawa->toPlainText(), QString(200, 'x') + "\nkoniec");
    QCoreApplication::processEvents();
    // One paragraph of 200 characters needs several lines at 265 px.
    const QTextBlock first = w.memSprawa->document()->firstBlock();
    EXPECT_GT(first.layout()->lineCount(), 1);
}

TEST_F(CasePageTest, AnAmountNeverEndsALineApartFromItsUnit) {
    // Amounts at every place of the line, in both languages' forms; the
    // game's own text stays as it was written.
    for (const std::string amount :
         {"1 006 zł", "10 999 zł", "2147 483 647 zł", "PLN 10,999", "PLN −10,999", "PLN +5"}) {
        SCOPED_TRACE(amount);
        std::string body;
        for (int i = 0; i < 40; ++i) body += std::string(static_cast<size_t>(i % 7), 'a') + " " + amount + " ";
        Case& c = CompanyBuilder(w->Game()).PushCase();
        c.kind = ckInfo;
        c.body = body;
        CompanyBuilder(w->Game()).ShowCurrentCase();
        EXPECT_EQ(w->Game().CurrentCase()->body, body);
        QCoreApplication::processEvents();
        const QTextBlock block = w.memSprawa->document()->firstBlock();
        const QString text = block.text();
        QTextLayout* layout = block.layout();
        ASSERT_GT(layout->lineCount(), 5);
        const QRegularExpression numberEnds(QStringLiteral("\\d[\\s\\x{00A0}]*$"));
        const QRegularExpression currencyEnds(QStringLiteral("PLN[\\s\\x{00A0}]*$"));
        const QRegularExpression signedNumber(QString::fromUtf8("^[-−+]?\\d"));
        for (int i = 1; i < layout->lineCount(); ++i) {
            const int start = layout->lineAt(i).textStart();
            const QString before = text.left(start), after = text.mid(start);
            // A line may end after a whole amount, never inside one.
            const bool brokenAmount = (before.contains(numberEnds) &&
                                       (after.startsWith(QString::fromUtf8("zł")) || after.front().isDigit())) ||
                                      (before.contains(currencyEnds) && after.contains(signedNumber));
            EXPECT_FALSE(brokenAmount) << before.right(12).toStdString() << " | " << after.left(12).toStdString();
        }
        CompanyBuilder(w->Game()).ClearCases();
    }
}

}  // namespace
}  // namespace dzwonex::uitest
