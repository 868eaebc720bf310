// Saved games in the window: the "Gra" box, the game kept when the window
// closes, and the settings that come back on the next start.
#include <gtest/gtest.h>

#include <algorithm>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "SavedGameFile.h"
#include "Support.h"

namespace dzwonex::uitest {
namespace {

QByteArray Slurp(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A window whose file dialogs answer with `answer` and count how often they
// were asked.
struct DialogAnswers {
    QString answer;
    int saves = 0, opens = 0;
    std::function<void(TfrmMainOptions&)> Install() {
        return [this](TfrmMainOptions& o) {
            o.askSavePath = [this](QWidget*, const QString&) {
                ++saves;
                return answer;
            };
            o.askOpenPath = [this](QWidget*, const QString&) {
                ++opens;
                return answer;
            };
        };
    }
};

class SavedGamesTest : public ::testing::Test {
protected:
    // Some days with answers, so the company is no longer the new one.
    static void Play(TfrmMain& w, int days) {
        for (int i = 0; i < days; ++i) {
            w.Controller().MainTimerTimer();
            w.Controller().AnswerNo();
        }
    }

    static void Click(QPushButton* button) {
        ASSERT_TRUE(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    TestAssets assets;
    QTemporaryDir saves;
};

TEST_F(SavedGamesTest, ClosingKeepsTheGameAndContinueBringsItBack) {
    CompanySnapshot kept;
    {
        WindowUnderTest w(assets.Dir(), 111);
        w.Show();
        EXPECT_TRUE(w.btnKontynuuj->isHidden());
        Play(*w, 25);
        kept = w->Game().Snapshot();
        w->close();
        EXPECT_TRUE(w.errors->empty()) << qPrintable(w.errors->front());
    }
    ASSERT_TRUE(GameController::AutosavePath().startsWith(qEnvironmentVariable("XDG_DATA_HOME") + "/"));
    ASSERT_TRUE(QFileInfo::exists(GameController::AutosavePath()));

    WindowUnderTest w(assets.Dir(), 222);
    w.Show();
    EXPECT_EQ(w->Game().Day(), 1);
    w->Controller().SetActivePage(kPageMenu);
    Click(w.btnKontynuuj);
    EXPECT_TRUE(w.errors->empty());
    EXPECT_EQ(w->Game().Day(), kept.day);
    EXPECT_EQ(w->Game().Cash().Value(), kept.cash);
    EXPECT_TRUE(w->Game().Snapshot() == kept);
    EXPECT_EQ(w.lblSpeed2->text(), "Rok: 1  Miesiąc: 1  Dzień: 27");
    EXPECT_EQ(w.PageControl->ActivePageIndex(), kPageCases);
    EXPECT_EQ(w.sound->Count("PlayPageSound"), 0);
}

TEST_F(SavedGamesTest, AFreshStartIsStillAFreshCompany) {
    CompanySnapshot fresh;
    {
        WindowUnderTest w(assets.Dir(), 333);
        fresh = w->Game().Snapshot();
    }
    {
        WindowUnderTest w(assets.Dir(), 444);
        Play(*w, 3);
        w->close();
    }
    ASSERT_TRUE(QFileInfo::exists(GameController::AutosavePath()));
    WindowUnderTest w(assets.Dir(), 333);
    EXPECT_TRUE(w->Game().Snapshot() == fresh);
    EXPECT_FALSE(w.btnKontynuuj->isHidden());
}

TEST_F(SavedGamesTest, TheMusicSwitchAndTheWindowComeBack) {
    {
        WindowUnderTest w(assets.Dir());
        w.Show();
        EXPECT_EQ(w.sound->Count("SetMusicOn(false)"), 0);
        w->Controller().SetActivePage(kPageMenu);
        QTest::mouseClick(w.chkMuzyka, Qt::LeftButton, {}, QPoint(8, 8));
        ASSERT_FALSE(w.chkMuzyka->isChecked());
        w->resize(720, 530);
        QCoreApplication::processEvents();
        w->close();
    }
    {
        WindowUnderTest w(assets.Dir());
        EXPECT_FALSE(w.chkMuzyka->isChecked());
        // The sound heard it too, after it started.
        ASSERT_EQ(w.sound->Count("SetMusicOn(false)"), 1);
        const auto& calls = w.sound->calls;
        const auto opened =
            std::find_if(calls.begin(), calls.end(), [](const std::string& c) { return c.rfind("InitSound", 0) == 0; });
        EXPECT_LT(opened, std::find(calls.begin(), calls.end(), "SetMusicOn(false)"));
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.window.get()));
        EXPECT_EQ(w->size(), QSize(720, 530));
        EXPECT_FALSE(w->isMaximized());
        // Ticked again and maximised.
        w->Controller().SetActivePage(kPageMenu);
        QTest::mouseClick(w.chkMuzyka, Qt::LeftButton, {}, QPoint(8, 8));
        w->showMaximized();
        QCoreApplication::processEvents();
        w->close();
    }
    WindowUnderTest w(assets.Dir());
    EXPECT_TRUE(w.chkMuzyka->isChecked());
    EXPECT_EQ(w.sound->Count("SetMusicOn(false)"), 0);
    EXPECT_TRUE(w->isMaximized());
}

TEST_F(SavedGamesTest, TheDialogsSaveAndLoadAndACancelChangesNothing) {
    DialogAnswers dialogs;
    WindowUnderTest w(assets.Dir(), 5, false, dialogs.Install());
    w.Show();
    w->Controller().SetActivePage(kPageMenu);
    Play(*w, 10);
    dialogs.answer = saves.filePath("moja gra.dzwonex");
    Click(w.btnZapisz);
    EXPECT_EQ(dialogs.saves, 1);
    const CompanySnapshot saved = w->Game().Snapshot();
    ASSERT_TRUE(LoadGame(dialogs.answer.toStdString()) == saved);

    Play(*w, 5);
    w->Controller().SetActivePage(kPageMenu);
    Click(w.btnWczytaj);
    EXPECT_EQ(dialogs.opens, 1);
    EXPECT_TRUE(w->Game().Snapshot() == saved);

    w->Controller().SetActivePage(kPageMenu);
    dialogs.answer.clear();
    Click(w.btnZapisz);
    Click(w.btnWczytaj);
    EXPECT_EQ(dialogs.saves + dialogs.opens, 4);
    EXPECT_TRUE(w->Game().Snapshot() == saved);
    EXPECT_EQ(QDir(saves.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"moja gra.dzwonex"});
    EXPECT_TRUE(w.errors->empty());
}

TEST_F(SavedGamesTest, FilesThatFailAreToldAndTheGamePlaysOn) {
    DialogAnswers dialogs;
    WindowUnderTest w(assets.Dir(), 6, false, dialogs.Install());
    w.Show();
    Play(*w, 4);
    const CompanySnapshot before = w->Game().Snapshot();
    w->Controller().SetActivePage(kPageMenu);

    dialogs.answer = saves.filePath("zepsuta.dzwonex");
    QFile bad(dialogs.answer);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("{\"format\": \"Dzwonex saved game\", \"formatVersion\": 1, \"day\": 5");
    bad.close();
    Click(w.btnWczytaj);
    ASSERT_EQ(w.errors->size(), 1u);
    EXPECT_TRUE(w.errors->back().startsWith("Plik " + dialogs.answer + " nie jest zapisaną grą Dzwonex (to nie JSON"))
        << qPrintable(w.errors->back());

    dialogs.answer = saves.filePath("brak/gra.dzwonex");
    Click(w.btnZapisz);
    ASSERT_EQ(w.errors->size(), 2u);
    EXPECT_EQ(w.errors->back(),
              "Nie udało się zapisać gry do " + dialogs.answer + ": nie ma takiego pliku ani folderu.");

    // A named pipe is no file to save over: told, and left a pipe.
    dialogs.answer = saves.filePath("potok");
    ASSERT_EQ(::mkfifo(QFile::encodeName(dialogs.answer).constData(), 0600), 0);
    Click(w.btnZapisz);
    ASSERT_EQ(w.errors->size(), 3u);
    EXPECT_EQ(w.errors->back(), "Nie udało się zapisać gry do " + dialogs.answer + ": to potok nazwany.");
    EXPECT_EQ(QFileInfo(dialogs.answer).isFile(), false);
    EXPECT_TRUE(QFileInfo::exists(dialogs.answer));

    EXPECT_TRUE(w->Game().Snapshot() == before);
    w->Controller().MainTimerTimer();
    EXPECT_EQ(w->Game().Day(), before.day + 1);
}

TEST_F(SavedGamesTest, KeysSaveLoadAndStartANewGame) {
    DialogAnswers dialogs;
    WindowUnderTest w(assets.Dir(), 7, false, dialogs.Install());
    w.Show();
    QApplication::setActiveWindow(w.window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    QTest::keyClick(w.window.get(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(w.window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialogs.saves, 1);
    EXPECT_EQ(dialogs.opens, 1);

    Play(*w, 8);
    ASSERT_EQ(w->Game().Day(), 9);
    QTest::keyClick(w.window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(w->Game().Day(), 1);
    EXPECT_EQ(w->Game().Cases().front().title, "Witaj !");
    EXPECT_EQ(w.lblSpeed2->text(), "Rok: 1  Miesiąc: 1  Dzień: 2");
    EXPECT_EQ(w->Game().SpeedPosition(), 5);
    EXPECT_EQ(w.PageControl->ActivePageIndex(), kPageCases);
}

TEST_F(SavedGamesTest, NowaGraReplacesTheGameWithAFreshOne) {
    WindowUnderTest w(assets.Dir(), 8);
    w.Show();
    Play(*w, 30);
    w->Controller().SetActivePage(kPageMenu);
    // Nie to the question keeps the game.
    const CompanySnapshot before = w->Game().Snapshot();
    *w.answer = false;
    Click(w.btnNowaGra);
    ASSERT_EQ(w.questions->size(), 1u);
    EXPECT_TRUE(w->Game().Snapshot() == before);
    *w.answer = true;
    Click(w.btnNowaGra);
    const Company& game = w->Game();
    EXPECT_EQ(game.Day(), 1);
    EXPECT_EQ(game.Count(skPolpak), 2);
    EXPECT_EQ(game.Quality(), 0);
    EXPECT_EQ(game.Cases().front().title, "Witaj !");
    EXPECT_EQ(w.lblSpeed2->text(), "Rok: 1  Miesiąc: 1  Dzień: 2");
    EXPECT_EQ(w.PageControl->ActivePageIndex(), kPageCases);
}

TEST_F(SavedGamesTest, AGameNamedAtStartOpensInsteadOfTheNewOne) {
    const QString path = saves.filePath("z menedżera plików.dzwonex");
    CompanySnapshot saved;
    {
        WindowUnderTest w(assets.Dir(), 9);
        Play(*w, 12);
        saved = w->Game().Snapshot();
        SaveGame(QFile::encodeName(path).toStdString(), saved);
    }
    WindowUnderTest w(assets.Dir(), 10, false, [&](TfrmMainOptions& o) { o.loadPath = path; });
    EXPECT_TRUE(w.errors->empty());
    EXPECT_TRUE(w->Game().Snapshot() == saved);
    EXPECT_EQ(w.PageControl->ActivePageIndex(), kPageCases);

    // A file that is no saved game: told, and the new company stays.
    WindowUnderTest fresh(assets.Dir(), 10, false, [&](TfrmMainOptions& o) { o.loadPath = saves.path(); });
    ASSERT_EQ(fresh.errors->size(), 1u);
    EXPECT_EQ(fresh.errors->front(), "Plik " + saves.path() + " nie jest zapisaną grą Dzwonex (to folder)");
    // In English the same, in its words.
    WindowUnderTest english(assets.Dir(), 10, false, [&](TfrmMainOptions& o) {
        o.loadPath = saves.path();
        o.language = Language::English;
    });
    ASSERT_EQ(english.errors->size(), 1u);
    EXPECT_EQ(english.errors->front(), saves.path() + " is not a Dzwonex saved game (it is a folder)");
    EXPECT_EQ(fresh->Game().Day(), 1);
}

// A disk that takes no more: the write fails part way (as with a file size
// limit), the player is told, the window closes, and the game kept before
// is still there, whole.
TEST_F(SavedGamesTest, AKeepingThatFailsIsToldAndLeavesTheEarlierOne) {
    {
        WindowUnderTest w(assets.Dir(), 11);
        Play(*w, 2);
        w->close();
    }
    const QByteArray earlier = Slurp(GameController::AutosavePath());
    ASSERT_FALSE(earlier.isEmpty());

    WindowUnderTest w(assets.Dir(), 12);
    w.Show();
    Play(*w, 6);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    w->close();
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);

    ASSERT_EQ(w.errors->size(), 1u);
    EXPECT_EQ(*w.errors->begin(), "Nie udało się zapisać gry do " + GameController::AutosavePath() + ": plik za duży.");
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(Slurp(GameController::AutosavePath()), earlier);
    EXPECT_EQ(QFileInfo(GameController::AutosavePath()).dir().entryList(QDir::Files | QDir::Hidden),
              QStringList{"ostatnia-gra.dzwonex"});
}

}  // namespace
}  // namespace dzwonex::uitest
