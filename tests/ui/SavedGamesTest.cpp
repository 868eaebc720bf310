// Saved games in the window: the "Gra" box, the game kept when the window
// closes, and the settings that come back on the next start.
#include <gtest/gtest.h>

#include <algorithm>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "Amounts.h"
#include "ExitSignals.h"
#include "KeptGames.h"
#include "SavedGameFile.h"
#include "Support.h"

namespace dzwonex::uitest {
namespace {

// Runs `work` on a disk that takes no file larger than `bytes`, as a full
// one would fail a write part way.
void WithFilesOfAtMost(rlim_t bytes, const std::function<void()>& work) {
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = bytes;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    work();
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);
}

QByteArray Slurp(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A window whose file dialogs answer with `answer` and count how often they
// were asked.
struct DialogAnswers {
    QString answer;
    QString suggested;  // what the save dialog offered last
    int saves = 0, opens = 0;
    std::function<void(TfrmMainOptions&)> Install() {
        return [this](TfrmMainOptions& o) {
            o.askSavePath = [this](QWidget*, const QString& suggestion) {
                ++saves;
                suggested = suggestion;
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
            w.Controller().Clock().MainTimerTimer();
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
    SavedHistory course;
    QString file;
    {
        WindowUnderTest w(assets.Dir(), 111);
        w.Show();
        EXPECT_TRUE(w.btnKontynuuj->isHidden());
        Play(*w, 25);
        kept = w->Game().Snapshot();
        course = w->Controller().Session().CompanyHistory().Saved();
        w->close();
        EXPECT_TRUE(w.errors->empty()) << qPrintable(w.errors->front());
        file = w->Controller().Keeper().Keeper().File();
    }
    ASSERT_TRUE(file.startsWith(qEnvironmentVariable("XDG_DATA_HOME") + "/dzwonex/dzwonex/firmy/")) << qPrintable(file);
    ASSERT_TRUE(QFileInfo::exists(file));

    WindowUnderTest w(assets.Dir(), 222);
    w.Show();
    EXPECT_EQ(w->Game().Day(), 1);
    // The feedback line says how to go on with it.
    EXPECT_EQ(w.lblZmiany->FullText(), QString::fromUtf8("Ostatnia gra: rok 1, %1 — Ctrl+K")
                                           .arg(QString::fromStdString(FormatMoney(kept.cash, Language::Polish))));
    // A few days of this company's own in the log.
    CasesPage* cases = w.Pages().cases;
    Play(*w, 2);
    ASSERT_FALSE(cases->LoggedChanges().isEmpty());
    QApplication::setActiveWindow(w.window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    QTest::keyClick(w.window.get(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_TRUE(w.errors->empty());
    EXPECT_TRUE(w->Game().Snapshot() == kept);
    // The log is the continued company's alone.
    EXPECT_TRUE(cases->LoggedChanges().isEmpty());
    // The chart shows the whole game again, not the day it came back on.
    EXPECT_TRUE(w->Controller().Session().CompanyHistory().Saved() == course);
    EXPECT_EQ(w.lblSpeed2->text(), "Rok: 1  Miesiąc: 1  Dzień: 27");
    EXPECT_EQ(w.PageControl->ActivePageIndex(), kPageCases);
    EXPECT_EQ(w.sound->Count("PlayPageSound"), 0);
    // It goes on in its own file.
    EXPECT_EQ(w->Controller().Keeper().Keeper().File(), file);
    // Its log goes on under its own dates.
    w->Controller().Clock().MainTimerTimer();
    ASSERT_FALSE(cases->LoggedChanges().isEmpty());
    for (const QString& entry : cases->LoggedChanges())
        EXPECT_TRUE(entry.startsWith(QString::fromUtf8("28.01, rok 1 — "))) << entry.toStdString();
}

// Opening the game "just to look" pushes no real game out: the untouched
// new company is not kept, the kept one is left byte for byte.
TEST_F(SavedGamesTest, ALookAtANewCompanyLeavesTheKeptGameAlone) {
    QString file;
    {
        WindowUnderTest w(assets.Dir(), 333);
        Play(*w, 40);
        w->close();
        file = w->Controller().Keeper().Keeper().File();
    }
    const QByteArray kept = Slurp(file);
    ASSERT_FALSE(kept.isEmpty());
    {
        WindowUnderTest w(assets.Dir(), 444);
        w.Show();
        // Days pass by themselves: the clock is no player.
        for (int i = 0; i < 31; ++i) w->Controller().Clock().MainTimerTimer();
        w->Controller().Keeper().Keeper().Finish();
        w->close();
        EXPECT_TRUE(w->Controller().Keeper().Keeper().File().isEmpty());
    }
    EXPECT_EQ(Slurp(file), kept);
    EXPECT_EQ(KeptGames().List().size(), 1u);
    WindowUnderTest w(assets.Dir(), 555);
    EXPECT_FALSE(w.btnKontynuuj->isHidden());
    w->Controller().Keeper().ContinueLastGame();
    EXPECT_EQ(w->Game().Day(), 41);
}

// Each company keeps its own file; "Kontynuuj" goes on with the most
// recently played one other than the company in play, the list with any.
TEST_F(SavedGamesTest, EachCompanyKeepsItsOwnFile) {
    std::vector<CompanySnapshot> companies;
    for (uint32_t seed : {21u, 22u}) {
        WindowUnderTest w(assets.Dir(), seed);
        Play(*w, 3 + static_cast<int>(seed));
        companies.push_back(w->Game().Snapshot());
        w->close();
        // Played a while ago: the files are told apart by when they were written.
        QFile file(w->Controller().Keeper().Keeper().File());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTime().addSecs(seed == 21u ? -120 : -60),
                         QFileDevice::FileModificationTime);
    }
    ASSERT_EQ(KeptGames().List().size(), 2u);

    std::vector<QString> offered;
    WindowUnderTest w(assets.Dir(), 23, false, [&](TfrmMainOptions& o) {
        o.chooseKeptGame = [&](QWidget*, const std::vector<KeptChoice>& games) {
            for (const KeptChoice& g : games) offered.push_back(g.text);
            return games.back().path;  // the older one
        };
    });
    w->Controller().Keeper().ContinueLastGame();
    EXPECT_TRUE(w->Game().Snapshot() == companies[1]);
    // The one in play is not offered again.
    Play(*w, 1);
    w->Controller().Keeper().ChooseKeptGame();
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_TRUE(offered[0].startsWith(QString::fromUtf8("rok 1, ")) && offered[0].contains(" · grana "))
        << qPrintable(offered[0]);
    EXPECT_TRUE(w->Game().Snapshot() == companies[0]);
    // Both stay kept, the one just left first.
    const std::vector<KeptGame> kept = KeptGames().List();
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(LoadGame(QFile::encodeName(kept[0].path).toStdString()).company.day, companies[1].day + 1);
}

TEST_F(SavedGamesTest, TheTenMostRecentlyPlayedAreKept) {
    KeptGames games;
    ASSERT_TRUE(games.MakeFolder());
    QDateTime when = QDateTime::currentDateTime().addDays(-30);
    for (int i = 0; i < 12; ++i) {
        QFile file(games.NewFile(when.addSecs(i)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("{}");
        file.setFileTime(when.addSecs(i * 60), QFileDevice::FileModificationTime);
    }
    const QString oldest = games.List().back().path;
    WindowUnderTest w(assets.Dir(), 24);
    Play(*w, 1);
    ASSERT_TRUE(w->Controller().Keeper().KeepGame());
    const std::vector<KeptGame> kept = games.List();
    ASSERT_EQ(kept.size(), 10u);
    EXPECT_EQ(kept.front().path, QFileInfo(w->Controller().Keeper().Keeper().File()).absoluteFilePath());
    EXPECT_FALSE(QFileInfo::exists(oldest));
}

// Every game month the game is kept, off the day's own path, so a crash
// loses a month at most; the feedback line and the chart go on meanwhile.
TEST_F(SavedGamesTest, TheGameIsKeptEveryMonth) {
    WindowUnderTest w(assets.Dir(), 25);
    w.Show();
    // The first day is the new game's own: day 29.
    Play(*w, 28);
    // Whatever the saver was given is written before the list is read.
    w->Controller().Keeper().Keeper().Finish();
    EXPECT_TRUE(KeptGames().List().empty());
    Play(*w, 1);  // day 30
    w->Controller().Keeper().Keeper().Finish();
    QCoreApplication::processEvents();
    const std::vector<KeptGame> kept = KeptGames().List();
    ASSERT_EQ(kept.size(), 1u);
    const SavedGame saved = LoadGame(QFile::encodeName(kept[0].path).toStdString());
    EXPECT_EQ(saved.company.day, 30);
    EXPECT_EQ(saved.history.samples.back().day, 30);
    // The only kept game is the one in play: nothing else to go on with.
    EXPECT_TRUE(w.btnKontynuuj->isHidden());
    EXPECT_TRUE(w.errors->empty());
}

// A data folder that cannot be made: told once, however many months fail,
// and nothing offers a game that was never kept.
TEST_F(SavedGamesTest, AFailedFirstAutosaveIsToldOnceAndOffersNothing) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(KeptGames().Folder()).path()));
    QFile blocker(KeptGames().Folder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    WindowUnderTest w(assets.Dir(), 26);
    w.Show();
    Play(*w, 61);
    w->Controller().Keeper().Keeper().Finish();
    QCoreApplication::processEvents();
    ASSERT_EQ(w.errors->size(), 1u);
    EXPECT_TRUE(w.errors->front().contains(KeptGames().Folder())) << qPrintable(w.errors->front());
    EXPECT_TRUE(w.btnKontynuuj->isHidden());
    EXPECT_TRUE(KeptGames().List().empty());
    EXPECT_EQ(w->Game().Day(), 62);
}

TEST_F(SavedGamesTest, StartingFromTheLastGameIsAChoice) {
    CompanySnapshot kept;
    {
        WindowUnderTest w(assets.Dir(), 27);
        Play(*w, 9);
        kept = w->Game().Snapshot();
        w.PageControl->SetActivePage(kPageMenu);
        w.Show();
        QTest::mouseClick(Control<QCheckBox>(w.window.get(), "chkOstatnia"), Qt::LeftButton, {}, QPoint(8, 8));
        w->close();
    }
    const QString file = KeptGames().Latest()->path;
    const auto inode = [&file] {
        struct stat s {};
        return ::stat(QFile::encodeName(file).constData(), &s) == 0 ? s.st_ino : 0;
    };
    const ino_t written = inode();
    {
        WindowUnderTest w(assets.Dir(), 28);
        EXPECT_TRUE(Control<QCheckBox>(w.window.get(), "chkOstatnia")->isChecked());
        EXPECT_TRUE(w->Game().Snapshot() == kept);
        // Opened and closed again, untouched: its file is not written anew.
        w->close();
    }
    EXPECT_EQ(inode(), written);
    WindowUnderTest w(assets.Dir(), 29);
    w->Controller().Clock().MainTimerTimer();
    w->close();
    EXPECT_NE(inode(), written);
}

// SIGTERM (a log-out) closes the window as the player would: kept.
TEST_F(SavedGamesTest, ASignalToEndKeepsTheGame) {
    WindowUnderTest w(assets.Dir(), 29);
    w.Show();
    ExitSignals exitSignals;
    ASSERT_TRUE(exitSignals.Installed());
    QObject::connect(&exitSignals, &ExitSignals::Received, w.window.get(), [&w] { w->close(); });
    Play(*w, 5);
    const CompanySnapshot played = w->Game().Snapshot();
    ASSERT_EQ(::raise(SIGTERM), 0);
    EXPECT_TRUE(WaitUntil([&] { return !w->isVisible(); }, 5000));
    const std::vector<KeptGame> kept = KeptGames().List();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_TRUE(LoadGame(QFile::encodeName(kept[0].path).toStdString()).company == played);
}

TEST_F(SavedGamesTest, TheMusicSwitchAndTheWindowComeBack) {
    {
        WindowUnderTest w(assets.Dir());
        w.Show();
        EXPECT_EQ(w.sound->Count("SetMusicOn(false)"), 0);
        w.PageControl->SetActivePage(kPageMenu);
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
        w.PageControl->SetActivePage(kPageMenu);
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
    w.PageControl->SetActivePage(kPageMenu);
    Play(*w, 10);
    dialogs.answer = saves.filePath("moja gra.dzwonex");
    Click(w.btnZapisz);
    EXPECT_EQ(dialogs.saves, 1);
    // The documents folder is missing here: the home folder is offered.
    EXPECT_EQ(dialogs.suggested, QDir::home().filePath("dzwonex-rok1.dzwonex"));
    EXPECT_EQ(w.lblZmiany->FullText(), "Zapisano: " + dialogs.answer);
    const CompanySnapshot saved = w->Game().Snapshot();
    const SavedHistory course = w->Controller().Session().CompanyHistory().Saved();
    ASSERT_EQ(course.samples.size(), 11u);
    const SavedGame file = LoadGame(dialogs.answer.toStdString());
    ASSERT_TRUE(file.company == saved && file.history == course);

    Play(*w, 5);
    w.PageControl->SetActivePage(kPageMenu);
    Click(w.btnWczytaj);
    EXPECT_EQ(dialogs.opens, 1);
    EXPECT_TRUE(w->Game().Snapshot() == saved);
    // The chart's course comes back with the game, the later days gone.
    EXPECT_TRUE(w->Controller().Session().CompanyHistory().Saved() == course);

    w.PageControl->SetActivePage(kPageMenu);
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
    w.PageControl->SetActivePage(kPageMenu);

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
    w->Controller().Clock().MainTimerTimer();
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
    ASSERT_FALSE(w.Pages().cases->LoggedChanges().isEmpty());
    QTest::keyClick(w.window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(w->Game().Day(), 1);
    // The new company's log starts empty.
    EXPECT_TRUE(w.Pages().cases->LoggedChanges().isEmpty());
    EXPECT_EQ(w->Game().Cases().front().title, "Witaj !");
    EXPECT_EQ(w.lblSpeed2->text(), "Rok: 1  Miesiąc: 1  Dzień: 2");
    EXPECT_EQ(w->Game().SpeedPosition(), 5);
    EXPECT_EQ(w.PageControl->ActivePageIndex(), kPageCases);
}

TEST_F(SavedGamesTest, NowaGraReplacesTheGameWithAFreshOne) {
    WindowUnderTest w(assets.Dir(), 8);
    w.Show();
    Play(*w, 30);
    w.PageControl->SetActivePage(kPageMenu);
    // Nie to the question keeps the game.
    const CompanySnapshot before = w->Game().Snapshot();
    *w.answer = false;
    Click(w.btnNowaGra);
    ASSERT_EQ(w.questions->size(), 1u);
    EXPECT_TRUE(w.questions->back().contains(QString::fromUtf8("Obecna gra zostanie zachowana")))
        << w.questions->back().toStdString();
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
    // The fresh company, never played, is not kept, and the question says so.
    *w.answer = false;
    w.PageControl->SetActivePage(kPageMenu);
    Click(w.btnNowaGra);
    EXPECT_TRUE(w.questions->back().contains(QString::fromUtf8("Obecna gra nie zostanie zachowana")))
        << w.questions->back().toStdString();
}

TEST_F(SavedGamesTest, AGameNamedAtStartOpensInsteadOfTheNewOne) {
    const QString path = saves.filePath("z menedżera plików.dzwonex");
    CompanySnapshot saved;
    {
        WindowUnderTest w(assets.Dir(), 9);
        Play(*w, 12);
        saved = w->Game().Snapshot();
        SaveGame(QFile::encodeName(path).toStdString(), {saved, w->Controller().Session().CompanyHistory().Saved()});
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
// limit), the player is told, the window closes, and the company's file
// kept before is still there, whole.
TEST_F(SavedGamesTest, AKeepingThatFailsIsToldAndLeavesTheEarlierOne) {
    QString file;
    {
        WindowUnderTest w(assets.Dir(), 11);
        Play(*w, 2);
        w->close();
        file = w->Controller().Keeper().Keeper().File();
    }
    const QByteArray earlier = Slurp(file);
    ASSERT_FALSE(earlier.isEmpty());

    WindowUnderTest w(assets.Dir(), 12);
    w.Show();
    w->Controller().Keeper().ContinueLastGame();
    Play(*w, 6);
    WithFilesOfAtMost(4096, [&] { w->close(); });

    ASSERT_EQ(w.errors->size(), 1u);
    EXPECT_EQ(*w.errors->begin(), "Nie udało się zapisać gry do " + file + ": plik za duży.");
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(Slurp(file), earlier);
    EXPECT_EQ(QFileInfo(file).dir().entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(file).fileName()});
}

// Ending on a signal with the disk full: no box waits on the way out; the
// failure is told at the next start, first of all.
TEST_F(SavedGamesTest, AKeepingThatFailsOnTheWayOutIsToldAtTheNextStart) {
    {
        WindowUnderTest w(assets.Dir(), 13);
        Play(*w, 3);
        WithFilesOfAtMost(1024, [&] {
            w->Controller().LeavingOnSignal();
            w->close();
        });
        EXPECT_TRUE(w.errors->empty());
    }
    WindowUnderTest next(assets.Dir(), 14);
    EXPECT_TRUE(next.lblZmiany->FullText().startsWith(
        QString::fromUtf8("Przy ostatnim zamknięciu: Nie udało się zapisać gry do ")))
        << next.lblZmiany->FullText().toStdString();
    EXPECT_TRUE(next.errors->empty());
    // Told once.
    WindowUnderTest after(assets.Dir(), 15);
    EXPECT_FALSE(after.lblZmiany->FullText().startsWith(QString::fromUtf8("Przy ostatnim")));
}

}  // namespace
}  // namespace dzwonex::uitest
