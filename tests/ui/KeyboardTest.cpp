// The keys: answers, the default button, speed steps and pause, pages,
// help, and names for screen readers.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTest>

#include "CompanyBuilder.h"
#include "HelpDialog.h"
#include "HelpText.h"
#include "HistoryChart.h"
#include "KeyBindings.h"
#include "Support.h"

namespace dzwonex::uitest {
namespace {

using dzwonex::testing::CompanyBuilder;

class KeyboardTest : public ::testing::Test {
protected:
    TestAssets assets;
    WindowUnderTest w{assets.Dir()};

    void SetUp() override {
        w.Show();
        QApplication::setActiveWindow(w.window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    }

    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : w.window.get();
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
    // A question in front: Tak raises the quality by 3, Nie leaves it.
    void AskQuestion() {
        Case& c = CompanyBuilder(w->Game()).PushCase();
        c.kind = ckQuality;
        c.param = 3;
        c.title = "Centrala";
        CompanyBuilder(w->Game()).ShowCurrentCase();
    }
    size_t Cases() const { return w.window->Game().Cases().size(); }
    int Buttons() const { return w.sound->Count("PlayButtonSound"); }
    int Speed() const { return w.window->Game().SpeedPosition(); }
};

TEST_F(KeyboardTest, TOnAQuestionActsAsTakAndOOnAMessageAsOk) {
    const double quality = w->Game().Quality();
    AskQuestion();
    const size_t cases = Cases();
    // O on a question, T and N on a message: the button is off, nothing
    // happens, not even its sound.
    Key(Qt::Key_O);
    EXPECT_EQ(Cases(), cases);
    EXPECT_EQ(Buttons(), 0);

    Key(Qt::Key_T);
    EXPECT_EQ(Cases(), cases - 1);
    EXPECT_EQ(w->Game().Quality(), quality + 3);
    ASSERT_EQ(w->Game().CurrentCase()->kind, ckInfo);
    const int sounds = Buttons();
    EXPECT_GT(sounds, 0);

    Key(Qt::Key_T);
    Key(Qt::Key_N);
    EXPECT_EQ(Cases(), cases - 1);
    EXPECT_EQ(Buttons(), sounds);
    Key(Qt::Key_O);
    EXPECT_EQ(Cases(), cases - 2);
    EXPECT_GT(Buttons(), sounds);

    // Alt with the letter, and N as Nie.
    AskQuestion();
    Key(Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(Cases(), cases - 2);
    EXPECT_EQ(w->Game().Quality(), quality + 3);

    // Y, English for Tak, does the same as T.
    AskQuestion();
    Key(Qt::Key_Y);
    EXPECT_EQ(w->Game().Quality(), quality + 6);
}

// Random keys on Statystyka once emptied the inbox.
TEST_F(KeyboardTest, TheLettersAnswerOnlyWhereTheCaseIsShown) {
    AskQuestion();
    const size_t cases = Cases();
    for (int page : {kPageMap, kPageStat, kPageMenu}) {
        SCOPED_TRACE(page);
        w.PageControl->SetActivePage(page);
        for (int key : {Qt::Key_T, Qt::Key_N, Qt::Key_O, Qt::Key_Y}) Key(key);
        Key(Qt::Key_N, Qt::ShiftModifier);
        Key(Qt::Key_Return);
        EXPECT_EQ(Cases(), cases);
        EXPECT_TRUE(w.questions->empty());
        EXPECT_EQ(w.lblZmiany->FullText(), QString::fromUtf8("Odpowiedzi na stronie Sprawy (Ctrl+3)"));
    }
    Key(Qt::Key_3, Qt::ControlModifier);
    Key(Qt::Key_T);
    EXPECT_EQ(Cases(), cases - 1);
}

// The question names what its button does; a group of one is not asked about.
TEST_F(KeyboardTest, AGroupIsAnsweredOnceItsButtonSaysHowMany) {
    struct Row {
        int count;
        const char* button;
    };
    for (const Row row : {Row{1, nullptr}, Row{2, "Odpowiedz „Nie” na 2 sprawy"}, Row{5, "Odpowiedz „Nie” na 5 spraw"},
                          Row{12, "Odpowiedz „Nie” na 12 spraw"}, Row{22, "Odpowiedz „Nie” na 22 sprawy"}}) {
        SCOPED_TRACE(row.count);
        CompanyBuilder(w->Game()).ClearCases();
        AskQuestion();  // one of another title behind the group
        for (int i = 0; i < row.count; ++i) {
            Case& c = CompanyBuilder(w->Game()).PushCase();
            c.kind = ckRaise;
            c.title = "Podwyżka";
        }
        CompanyBuilder(w->Game()).ShowCurrentCase();
        w.questions->clear();
        *w.answer = false;
        Key(Qt::Key_N, Qt::ShiftModifier);
        if (!row.button) {
            EXPECT_TRUE(w.questions->empty());
            EXPECT_EQ(Cases(), 1u);
            continue;
        }
        ASSERT_EQ(w.questions->size(), 1u);
        EXPECT_EQ(w.questions->front(),
                  QString::fromUtf8("Sprawy „Podwyżka” w skrzynce: %1. Odpowiedzieć „Nie” na wszystkie naraz? [%2]")
                      .arg(row.count)
                      .arg(QString::fromUtf8(row.button)));
        EXPECT_EQ(Cases(), static_cast<size_t>(row.count) + 1);
        *w.answer = true;
        Key(Qt::Key_N, Qt::ShiftModifier);
        EXPECT_EQ(Cases(), 1u);
    }
}

TEST_F(KeyboardTest, EnterPressesTheDefaultButton) {
    ASSERT_EQ(w->Game().CurrentCase()->kind, ckInfo);
    EXPECT_TRUE(w.btnOK->isDefault());
    const size_t cases = Cases();
    Key(Qt::Key_Return);
    EXPECT_EQ(Cases(), cases - 1);

    AskQuestion();
    EXPECT_TRUE(w.btnYes->isDefault());
    EXPECT_FALSE(w.btnOK->isDefault());
    const double quality = w->Game().Quality();
    Key(Qt::Key_Enter);
    EXPECT_EQ(w->Game().Quality(), quality + 3);

    // A focused button is pressed instead, and Space presses it too.
    AskQuestion();
    w.btnNo->setFocus();
    Key(Qt::Key_Return);
    EXPECT_EQ(w->Game().Quality(), quality + 3);
    AskQuestion();
    w.btnNo->setFocus();
    Key(Qt::Key_Space);
    EXPECT_EQ(w->Game().Quality(), quality + 3);
    EXPECT_EQ(Cases(), cases - 1);
}

TEST_F(KeyboardTest, ArrowsOnTheFocusedGaugeChangeTheSpeed) {
    EXPECT_TRUE(w.progressSpeed->focusPolicy() & Qt::TabFocus);
    w.progressSpeed->setFocus();
    ASSERT_TRUE(w.progressSpeed->hasFocus());
    struct Row {
        int key, speed;
    };
    for (const Row row :
         {Row{Qt::Key_Right, 6}, Row{Qt::Key_Up, 7}, Row{Qt::Key_Left, 6}, Row{Qt::Key_Down, 5}, Row{Qt::Key_End, 10},
          Row{Qt::Key_Right, 10}, Row{Qt::Key_PageDown, 5}, Row{Qt::Key_Home, 0}, Row{Qt::Key_Left, 0}}) {
        Key(row.key);
        EXPECT_EQ(Speed(), row.speed) << row.key;
        EXPECT_EQ(w.progressSpeed->Position(), row.speed);
        EXPECT_EQ(w.lblSpeed1->text(), QString::fromUtf8("Szybkość gry: %1").arg(row.speed));
        EXPECT_EQ(w.MainTimer->isActive(), row.speed > 0);
        if (row.speed > 0) {
            EXPECT_EQ(w.MainTimer->interval(), (11 - row.speed) * 2000);
        }
    }
    EXPECT_FALSE(w.pnlDown->SpeedDragging());
}

TEST_F(KeyboardTest, PlusMinusStepAndPauseResumesTheSpeedBefore) {
    Key(Qt::Key_Plus);
    EXPECT_EQ(Speed(), 6);
    Key(Qt::Key_Minus);
    Key(Qt::Key_Minus);
    EXPECT_EQ(Speed(), 4);
    Key(Qt::Key_P);
    EXPECT_EQ(Speed(), 0);
    EXPECT_FALSE(w.MainTimer->isActive());
    Key(Qt::Key_P);
    EXPECT_EQ(Speed(), 4);
    EXPECT_EQ(w.MainTimer->interval(), 14000);
    Key(Qt::Key_Pause);
    EXPECT_EQ(Speed(), 0);
    // Stopped on the gauge itself, P resumes the speed before that.
    Key(Qt::Key_Pause);
    EXPECT_EQ(Speed(), 4);
    Key(Qt::Key_Minus);
    Key(Qt::Key_Minus);
    Key(Qt::Key_Minus);
    Key(Qt::Key_Minus);
    Key(Qt::Key_Minus);
    EXPECT_EQ(Speed(), 0);
    Key(Qt::Key_P);
    EXPECT_EQ(Speed(), 1);
}

TEST_F(KeyboardTest, CtrlDigitsPickPagesAsThePlayerWould) {
    struct Row {
        int key, page, sounds;
    };
    for (const Row row : {Row{Qt::Key_1, kPageMap, 1}, Row{Qt::Key_1, kPageMap, 1}, Row{Qt::Key_2, kPageStat, 2},
                          Row{Qt::Key_4, kPageMenu, 3}, Row{Qt::Key_3, kPageCases, 4}}) {
        Key(row.key, Qt::ControlModifier);
        EXPECT_EQ(w.PageControl->ActivePageIndex(), row.page);
        EXPECT_EQ(w.sound->Count("PlayPageSound"), row.sounds);
    }
    Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(w.PageControl->ActivePageIndex(), kPageMenu);
    // Forward past the last page to the first, and back from the first to
    // the last, as the keyboard sends Ctrl+Shift+Tab.
    Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(w.PageControl->ActivePageIndex(), kPageMap);
    Key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w.PageControl->ActivePageIndex(), kPageMenu);
}

TEST_F(KeyboardTest, TheHelpOpensByF1AndPomocAndStopsTheClockWhileOpen) {
    w->Controller().PickSpeed(7);
    const int period = w.MainTimer->interval();
    Key(Qt::Key_F1);
    ASSERT_NE(w.frmPomoc(), nullptr);
    EXPECT_TRUE(w.frmPomoc()->isVisible());
    EXPECT_EQ(w.frmPomoc()->windowTitle(), QString::fromUtf8("Dzwonex — Pomoc"));
    EXPECT_EQ(w.frmPomoc()->Text()->toPlainText(), QString::fromUtf8(GameHelp()));
    EXPECT_EQ(Speed(), 0);
    EXPECT_FALSE(w.MainTimer->isActive());
    w.frmPomoc()->CloseButton()->click();
    EXPECT_FALSE(w.frmPomoc()->isVisible());
    EXPECT_EQ(Speed(), 7);
    EXPECT_TRUE(w.MainTimer->isActive());
    EXPECT_EQ(w.MainTimer->interval(), period);

    // From the Menu page; a speed the player sets meanwhile stays, and
    // closing by Escape is closing too.
    w.PageControl->SetActivePage(kPageMenu);
    QTest::mouseClick(w.btnPomoc, Qt::LeftButton);
    EXPECT_TRUE(w.frmPomoc()->isVisible());
    EXPECT_EQ(Speed(), 0);
    w->Controller().PickSpeed(3);
    QTest::keyClick(w.frmPomoc(), Qt::Key_Escape);
    EXPECT_FALSE(w.frmPomoc()->isVisible());
    EXPECT_EQ(Speed(), 3);
    // A stopped clock stays stopped.
    w->Controller().PickSpeed(0);
    w->ShowHelp();
    w.frmPomoc()->CloseButton()->click();
    EXPECT_EQ(Speed(), 0);
}

// A key as the help spells it: the keypad's keys are the keys, Return is
// Enter, Shift+Tab is Backtab, and "+" needs no Shift to be named.
QString Spelt(const QKeySequence& sequence) {
    QString name = sequence.toString(QKeySequence::PortableText);
    name.remove(QStringLiteral("Num+"));
    name.replace(QStringLiteral("Return"), QStringLiteral("Enter"));
    name.replace(QStringLiteral("Backtab"), QStringLiteral("Shift+Tab"));
    name.replace(QStringLiteral("Shift+Shift+"), QStringLiteral("Shift+"));
    if (name == QStringLiteral("Shift++")) name = QStringLiteral("+");
    return name;
}

TEST(KeyHelp, EachLanguagesHelpNamesEveryKeyTheWindowBinds) {
    for (const Language language : {Language::Polish, Language::English}) {
        SCOPED_TRACE(LanguageCode(language));
        const QString help = QString::fromUtf8(GameHelp(language));
        const qsizetype keys = help.indexOf(language == Language::Polish ? "\nKLAWISZE\n" : "\nKEYS\n");
        ASSERT_GE(keys, 0);
        const QStringList named = help.mid(keys).split(QRegularExpression(QStringLiteral("[\\s,()]+")));
        int checked = 0;
        for (const KeyBinding& binding : KeyBindings())
            for (const QKeySequence& sequence : binding.keys) {
                EXPECT_TRUE(named.contains(Spelt(sequence))) << Spelt(sequence).toStdString();
                ++checked;
            }
        EXPECT_GE(checked, 30);
    }
}

TEST_F(KeyboardTest, EveryControlHasAnAccessibleNameAndDescription) {
    // The help's controls and every chart, which are made when first shown.
    w->ShowHelp();
    w.PageControl->SetActivePage(kPageStat);
    for (int g = 0; g < THistoryChart::kGroupCount; ++g) w.chartHistoria->SetGroup(g);
    QList<QWidget*> controls = w->findChildren<QWidget*>();
    controls.append(w.window.get());
    QStringList missing;
    for (QWidget* c : controls) {
        const QString name = c->objectName();
        // Qt's own parts (scroll bars, viewports) and the plain boxes.
        if (name.isEmpty() || name.startsWith("qt_") || qobject_cast<TShape*>(c)) continue;
        if (c->accessibleName().isEmpty() || c->accessibleDescription().isEmpty()) missing << name;
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.join(", ").toStdString();
    // Under the pointer too: the tabs, the speed bar and the Menu's buttons.
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(w.PageControl->TabBar()->tabToolTip(i).isEmpty()) << i;
    for (QWidget* c : std::initializer_list<QWidget*>{w.progressSpeed, w.chkMuzyka, w.btnPomoc, w.btnZapisz,
                                                      w.btnWczytaj, w.btnNowaGra, w.btnKontynuuj})
        EXPECT_FALSE(c->toolTip().isEmpty()) << c->objectName().toStdString();
}

}  // namespace
}  // namespace dzwonex::uitest
