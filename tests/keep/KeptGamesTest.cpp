// The kept games: names two games at once never share, a game continued
// and left alone is not written again, a failed first keeping leaves no
// name behind, and the background saver writes what waits when it stops.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <stdexcept>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "BackgroundSaver.h"
#include "CompanyKeeper.h"
#include "KeptGames.h"

namespace dzwonex {
namespace {

Language Polish() { return Language::Polish; }

class KeptGamesTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    KeptGames games{folder.filePath(QStringLiteral("firmy"))};
};

TEST_F(KeptGamesTest, TwoGamesKeptInTheSameSecondGetTwoFiles) {
    ASSERT_TRUE(games.MakeFolder());
    const QDateTime now = QDateTime::currentDateTime();
    const QString first = games.NewFile(now), second = games.NewFile(now);
    EXPECT_NE(first, second);
    EXPECT_TRUE(QFileInfo(first).isFile());
    EXPECT_TRUE(QFileInfo(second).isFile());
    // Names taken and not yet written are no games to go on with.
    EXPECT_TRUE(games.List().empty());
}

TEST_F(KeptGamesTest, AKeptGameContinuedIsWrittenAgainOnlyOnceItHasChanged) {
    CompanyKeeper keeper(games, Polish);
    int writes = 0;
    const CompanyKeeper::Writer write = [&](const std::string& path) {
        ++writes;
        QFile file(QFile::decodeName(path.c_str()));
        if (!file.open(QIODevice::WriteOnly) || file.write("{}") != 2) throw std::runtime_error("no");
    };
    keeper.Played();
    ASSERT_TRUE(keeper.KeepNow(write));
    const QString kept = keeper.File();
    ASSERT_EQ(writes, 1);

    keeper.StartFrom(kept);
    EXPECT_TRUE(keeper.KeepNow(write));
    EXPECT_EQ(writes, 1);
    keeper.DayPassed();
    EXPECT_TRUE(keeper.KeepNow(write));
    EXPECT_EQ(writes, 2);
    // A game from elsewhere joins the kept games at once.
    keeper.StartFrom();
    EXPECT_TRUE(keeper.KeepNow(write));
    EXPECT_EQ(writes, 3);
    EXPECT_NE(keeper.File(), kept);
}

TEST_F(KeptGamesTest, AFirstKeepingThatFailsLeavesNoNameBehind) {
    CompanyKeeper keeper(games, Polish);
    QStringList told;
    QObject::connect(&keeper, &CompanyKeeper::Failed, [&](const QString& message) { told << message; });
    keeper.Played();
    EXPECT_FALSE(keeper.KeepNow([](const std::string&) { throw std::runtime_error("dysk pełny"); }));
    EXPECT_EQ(told, QStringList{QStringLiteral("dysk pełny")});
    EXPECT_TRUE(keeper.File().isEmpty());
    EXPECT_TRUE(QDir(games.Folder()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

// The saver stops while a slow write runs and another waits behind it:
// the one waiting is still written.
TEST(BackgroundSaverTest, AWriteWaitingBehindASlowOneIsMadeWhenTheSaverStops) {
    std::mutex mutex;
    std::condition_variable changed;
    bool slowStarted = false, stopping = false, waitingWritten = false;
    {
        BackgroundSaver saver(Polish);
        saver.onStopping = [&] {
            std::lock_guard lock(mutex);
            stopping = true;
            changed.notify_all();
        };
        saver.Queue(QStringLiteral("wolny"), [&] {
            std::unique_lock lock(mutex);
            slowStarted = true;
            changed.notify_all();
            changed.wait(lock, [&] { return stopping; });
        });
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return slowStarted; });
        }
        saver.Queue(QStringLiteral("czeka"), [&] { waitingWritten = true; });
    }
    EXPECT_TRUE(waitingWritten);
}

}  // namespace
}  // namespace dzwonex
