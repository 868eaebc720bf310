// The manager's career in the window: a term ends in its report and a
// record that outlives the window, the board's dismissal cuts a term short,
// a milestone is told once across games in a note of its own, and a kept
// game keeps its term.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "CareerFiles.h"
#include "DataFolder.h"
#include "FeedbackLine.h"
#include "GameController.h"
#include "MainWindow.h"
#include "MilestoneId.h"
#include "MilestonePanel.h"
#include "Support.h"
#include "Translations.h"

namespace dzwonex::uitest {
namespace {

class CareerTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Each test starts with no records and no milestones reached.
        const CareerFiles files(PlayerDataFolder(), InstalledLanguage);
        QFile::remove(files.RecordsPath());
        QFile::remove(files.MilestonesPath());
    }

    // A new company with a term of `years` (0: none) from the Menu page.
    static void NewCompany(WindowUnderTest& w, int32_t years) {
        *w.termYears = years;
        w->Controller().NewGame();
        ASSERT_EQ(w->Controller().Session().CurrentTerm().years, years);
    }

    // How the manager answers after each day.
    enum class Manner { Idle, RefuseOne, AcceptAll };
    // Days on the clock.
    static void Days(WindowUnderTest& w, int days, Manner manner = Manner::Idle) {
        for (int i = 0; i < days; ++i) {
            w->Controller().Clock().MainTimerTimer();
            if (manner == Manner::RefuseOne) w->Controller().AnswerNo();
            for (int n = 0; manner == Manner::AcceptAll && n < 100 && !w->Game().Cases().empty(); ++n) {
                if (w.btnOK->isEnabled())
                    w->Controller().AnswerOk();
                else
                    w->Controller().AnswerYes();
            }
        }
    }

    static QWidget* Report(WindowUnderTest& w) { return Control<QWidget>(w.window.get(), "pnlRaport"); }

    TestAssets assets;
};

TEST_F(CareerTest, ATermEndsInItsReportAndItsRecordOutlivesTheWindow) {
    QString seed;  // the one the new company was started from
    {
        WindowUnderTest w(assets.Dir());
        w.Show();
        NewCompany(w, 1);
        w->Controller().PickSpeed(5);
        *w.playerName = QString::fromUtf8("Anna Żak");
        Days(w, Term::kYearDays - 1);
        EXPECT_FALSE(Report(w)->isVisible());
        EXPECT_TRUE(w.names->empty());
        // The day that ends the term asks the player's name first, offering the login's.
        Days(w, 1);
        EXPECT_EQ(*w.names, std::vector<QString>{"Tester"});
        const Term& term = w->Controller().Session().CurrentTerm();
        EXPECT_EQ(term.end, TermEnd::Completed);
        ASSERT_TRUE(Report(w)->isVisible());
        // The clock waits while the report is read.
        EXPECT_EQ(w->Game().SpeedPosition(), 0);
        EXPECT_EQ(Control<QLabel>(w.window.get(), "lblMiejsce")->text(), QString::fromUtf8("Twoje miejsce: 1."));
        const auto* table = Control<QTableWidget>(w.window.get(), "tblNajlepsi");
        ASSERT_GE(table->rowCount(), 1);
        seed = table->item(0, 3)->toolTip();
        EXPECT_EQ(table->item(0, 1)->text(), QString::fromUtf8("Anna Żak"));
        EXPECT_EQ(table->item(0, 3)->text(), QString::number(term.finalRating.total));
        EXPECT_TRUE(
            Control<QLabel>(w.window.get(), "lblWerdykt")->text().startsWith(QString::fromUtf8("Werdykt zarządu: ")));
        // The letters are still signed by the login.
        EXPECT_EQ(w->Game().UserName(), "Tester");

        // Playing on: no term, the clock at its speed again.
        QTest::mouseClick(Control<QPushButton>(w.window.get(), "btnGrajDalej"), Qt::LeftButton);
        EXPECT_FALSE(Report(w)->isVisible());
        EXPECT_FALSE(w->Controller().Session().CurrentTerm().Chosen());
        EXPECT_EQ(w->Game().SpeedPosition(), 5);
        Days(w, Term::kYearDays);
        EXPECT_FALSE(Report(w)->isVisible());
    }
    // The next start reads the record back, and asks the name no more.
    WindowUnderTest again(assets.Dir(), 777);
    const std::vector<RecordRow>& rows = again->Controller().Career().Files().Table().Table(1);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(QString::fromUtf8("Ziarno gry: %1").arg(rows[0].seed), seed);
    EXPECT_TRUE(again.errors->empty());
    NewCompany(again, 1);
    Days(again, Term::kYearDays);
    EXPECT_TRUE(again.names->empty());
    EXPECT_EQ(again->Controller().Career().Files().Table().Table(1).at(0).user, "Anna Żak");
    // The records open on the term just served, a table that has them.
    again->ShowAchievements();
    auto* lengths = Control<QComboBox>(again.window.get(), "cbDlugosc");
    EXPECT_EQ(lengths->currentData().toInt(), 1);
}

TEST_F(CareerTest, ADamagedRecordsFileIsNamedAndPutAsideAndTheGameGoesOn) {
    const QString path = CareerFiles(PlayerDataFolder(), InstalledLanguage).RecordsPath();
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"1\": [{\"user\": 5}");
    file.close();
    WindowUnderTest w(assets.Dir());
    EXPECT_FALSE(w->StartupFailed());
    ASSERT_EQ(w.errors->size(), 1u);
    EXPECT_TRUE(w.errors->front().startsWith("Plik " + path + " jest uszkodzony (")) << w.errors->front().toStdString();
    EXPECT_TRUE(w.errors->front().endsWith("Odłożono go jako " + path + ".uszkodzony i zaczęto nowy."))
        << w.errors->front().toStdString();
    EXPECT_TRUE(QFileInfo::exists(path + ".uszkodzony"));
    QFile::remove(path + ".uszkodzony");
}

TEST_F(CareerTest, TheBoardsDismissalCutsATermShortAndEntersNoRecord) {
    WindowUnderTest w(assets.Dir());
    w.Show();
    NewCompany(w, 2);
    // Refusing every case runs the company into lasting debt.
    for (int day = 0; day < 2 * Term::kYearDays && !Report(w)->isVisible(); ++day) Days(w, 1, Manner::RefuseOne);
    ASSERT_TRUE(Report(w)->isVisible());
    const Term& term = w->Controller().Session().CurrentTerm();
    EXPECT_EQ(term.end, TermEnd::Dismissed);
    EXPECT_LT(term.endDay - term.startDay, term.LengthDays());
    EXPECT_TRUE(Control<QLabel>(w.window.get(), "lblRaportTytul")->text().contains(QString::fromUtf8("odwołał")));
    EXPECT_TRUE(Control<QLabel>(w.window.get(), "lblWerdykt")->text().contains(QString::fromUtf8("odwołany")));
    EXPECT_TRUE(w->Controller().Career().Files().Table().Table(2).empty());
}

TEST_F(CareerTest, AMilestoneIsToldOnceAcrossGames) {
    WindowUnderTest w(assets.Dir());
    w.Show();
    QStringList told;
    QObject::connect(&w->Controller().Career(), &CareerPresenter::Reached,
                     [&told](const QString& line) { told << line; });
    auto playUntilTold = [&w, &told](int days) {
        told.clear();
        Days(w, days, Manner::AcceptAll);
        return told;
    };
    const QStringList first = playUntilTold(60);
    ASSERT_FALSE(first.isEmpty());
    const MilestoneBook& book = w->Controller().Session().Book();
    const auto reached = std::count_if(book.reached.begin(), book.reached.end(), [](const auto& r) { return r; });
    EXPECT_GE(reached, first.size());
    // Each with the game's day it was reached, the calendar's in the tooltip.
    w->ShowAchievements();
    const auto* table = Control<QTableWidget>(w.window.get(), "tblOsiagniecia");
    for (size_t i = 0; i < book.reached.size(); ++i) {
        if (!book.reached[i]) continue;
        const QTableWidgetItem* when = table->item(static_cast<int>(i), 2);
        EXPECT_EQ(when->text(), QString::fromUtf8("rok 1, miesiąc %1, dzień %2")
                                    .arg(book.reached[i]->day / 30 + 1)
                                    .arg(book.reached[i]->day % 30 + 1));
        EXPECT_TRUE(when->toolTip().contains(QString::fromStdString(book.reached[i]->date)));
    }

    // The same days again in a new company: nothing is told twice.
    NewCompany(w, 0);
    for (const QString& line : playUntilTold(60)) EXPECT_FALSE(first.contains(line)) << line.toStdString();
}

// Told in a note over the pages, with a sound, and kept in the log; the
// note goes by itself, takes no focus and leaves the clock running.
TEST_F(CareerTest, AMilestoneIsAnnouncedInANoteWithItsSoundAndKeptInTheLog) {
    WindowUnderTest w(assets.Dir());
    w.Show();
    QApplication::setActiveWindow(w.window.get());
    w.btnOK->setFocus();
    auto* note = Control<TMilestonePanel>(w.window.get(), "pnlOsiagniecie");
    auto* cases = Control<CasesPage>(w.window.get(), "tabSprawy");
    EXPECT_FALSE(note->isVisible());
    // The sounds since the turn began, less the turn's own (an answer's).
    int soundsBefore = 0, ownSounds = 0, announcedSounds = -1;
    QString line;
    QObject::connect(&w->Controller().Career(), &CareerPresenter::Reached, [&](const QString& told) {
        if (!line.isEmpty()) return;
        line = told;
        announcedSounds = w.sound->Count("PlayButtonSound") - soundsBefore - ownSounds;
    });
    GameController& game = w->Controller();
    for (int day = 0; day < 60 && line.isEmpty(); ++day) {
        soundsBefore = w.sound->Count("PlayButtonSound");
        ownSounds = 0;
        game.Clock().MainTimerTimer();
        for (int n = 0; line.isEmpty() && n < 100 && !w->Game().Cases().empty(); ++n) {
            soundsBefore = w.sound->Count("PlayButtonSound");
            ownSounds = 1;
            if (w.btnOK->isEnabled())
                game.AnswerOk();
            else
                game.AnswerYes();
        }
    }
    ASSERT_FALSE(line.isEmpty());
    EXPECT_EQ(announcedSounds, 1);
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(line.endsWith(note->Name())) << line.toStdString();
    EXPECT_FALSE(note->How().isEmpty());
    EXPECT_FALSE(note->isAncestorOf(QApplication::focusWidget()));
    EXPECT_TRUE(w.MainTimer->isActive());
    EXPECT_GT(w->Game().SpeedPosition(), 0);
    ASSERT_FALSE(cases->LoggedChanges().isEmpty());
    EXPECT_TRUE(cases->LoggedChanges().front().endsWith(line)) << cases->LoggedChanges().front().toStdString();
    // It goes by itself, and a later one goes on a click.
    ASSERT_TRUE(QMetaObject::invokeMethod(note->HideTimer(), "timeout"));
    EXPECT_FALSE(note->isVisible());
    note->Announce(QStringLiteral("Miesiąc na plusie"), QStringLiteral("30 dni z rzędu"));
    EXPECT_TRUE(note->isVisible());
    QTest::mouseClick(note, Qt::LeftButton);
    EXPECT_FALSE(note->isVisible());
}

TEST_F(CareerTest, AKeptGameGoesOnWithItsTerm) {
    Term kept;
    {
        WindowUnderTest w(assets.Dir());
        w.Show();
        NewCompany(w, 2);
        Days(w, 40, Manner::RefuseOne);
        kept = w->Controller().Session().CurrentTerm();
        ASSERT_EQ(kept.monthlyRatings.size(), 1u);
        w->close();
    }
    WindowUnderTest w(assets.Dir(), 99);
    w.Show();
    w->Controller().Keeper().ContinueLastGame();
    EXPECT_EQ(w->Controller().Session().CurrentTerm(), kept);
    Days(w, 30, Manner::RefuseOne);
    const Term& term = w->Controller().Session().CurrentTerm();
    EXPECT_TRUE(term.Running());
    EXPECT_EQ(term.startDay, kept.startDay);
    EXPECT_EQ(term.monthlyRatings.size(), 2u);
}

}  // namespace
}  // namespace dzwonex::uitest
