// The records and the milestones on the disk, shared by every game on the
// account: two games at once each keep what they entered, a file that
// cannot be read is never written over, an oversized one is set aside.
#include <gtest/gtest.h>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "CareerFiles.h"
#include "ReadFile.h"

namespace dzwonex {
namespace {

Term Served(int32_t years, int32_t rating) {
    Term term = Term::Start(years, 1);
    term.end = TermEnd::Completed;
    term.endDay = 1 + term.LengthDays();
    term.finalRating.total = rating;
    return term;
}

std::string Text(const QString& path) {
    const std::vector<unsigned char> bytes = ReadRegularFile(QFile::encodeName(path).toStdString(), 1 << 20);
    return {bytes.begin(), bytes.end()};
}

std::vector<std::string> Users(const Records& records, int32_t years) {
    std::vector<std::string> users;
    for (const RecordRow& row : records.Table(years)) users.push_back(row.user);
    return users;
}

MilestoneBook Reached(MilestoneId id, int32_t day) {
    MilestoneBook book;
    book.reached[static_cast<size_t>(id)] = MilestoneReached{day, "2026-12-08"};
    return book;
}

class CareerFilesTest : public ::testing::Test {
protected:
    CareerFiles Files() const {
        return CareerFiles(folder.path(), [] { return Language::Polish; });
    }
    QString RecordsPath() const { return folder.filePath(QStringLiteral("najlepsi-dyrektorzy.json")); }
    QString MilestonesPath() const { return folder.filePath(QStringLiteral("osiagniecia.json")); }

    QTemporaryDir folder;
};

// One game holds the file's lock through a slow write; the other waits for
// it, then reads what the first wrote before it writes its own.
TEST_F(CareerFilesTest, TwoGamesAtOnceEachKeepWhatTheyEntered) {
    CareerFiles first = Files(), second = Files();
    std::mutex mutex;
    std::condition_variable changed;
    bool secondWaits = false, secondDone = false;
    second.RecordsFile().onLockBusy = second.MilestonesFile().onLockBusy = [&] {
        std::lock_guard lock(mutex);
        secondWaits = true;
        changed.notify_all();
    };
    std::thread other;
    // Just before the first writes, the second begins its own change; the
    // first goes on once the second waits for the file (or, were there no
    // lock, has written it).
    auto meanwhile = [&](std::function<void()> work) {
        return [&, work] {
            secondWaits = secondDone = false;
            other = std::thread([&, work] {
                work();
                std::lock_guard lock(mutex);
                secondDone = true;
                changed.notify_all();
            });
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return secondWaits || secondDone; });
        };
    };
    first.RecordsFile().beforeWrite =
        meanwhile([&] { EXPECT_EQ(second.EnterTerm(Served(1, 500), "druga", "2026-12-08", 2), 2); });
    EXPECT_EQ(first.EnterTerm(Served(1, 600), "pierwsza", "2026-12-08", 1), 1);
    other.join();
    first.MilestonesFile().beforeWrite = meanwhile([&] {
        MilestoneBook book = Reached(msSdi100, 20);
        second.KeepBook(book);
    });
    MilestoneBook book = Reached(msIsdn100, 10);
    first.KeepBook(book);
    other.join();

    std::vector<QString> problems;
    CareerFiles reader = Files();
    const MilestoneBook kept = reader.Load(problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(Users(reader.Table(), 1), (std::vector<std::string>{"pierwsza", "druga"}));
    EXPECT_TRUE(kept.reached[msIsdn100].has_value());
    EXPECT_TRUE(kept.reached[msSdi100].has_value());
    EXPECT_TRUE(first.TakeProblems().empty());
    EXPECT_TRUE(second.TakeProblems().empty());
}

TEST_F(CareerFilesTest, ARecordAnotherGameWroteSinceTheStartSurvivesATermsEnd) {
    CareerFiles first = Files(), other = Files();
    std::vector<QString> problems;
    first.Load(problems);
    EXPECT_EQ(other.EnterTerm(Served(5, 800), "inna", "2026-12-08", 7), 1);
    EXPECT_EQ(first.EnterTerm(Served(5, 900), "ta", "2026-12-09", 8), 1);
    EXPECT_EQ(Users(RecordsFromJson(Text(RecordsPath())), 5), (std::vector<std::string>{"ta", "inna"}));
    EXPECT_EQ(Users(first.Table(), 5), (std::vector<std::string>{"ta", "inna"}));
}

// A pipe (or a folder) where the records belong: told, left as it is, and
// the entry waits until the file can be read again.
TEST_F(CareerFilesTest, AFileThatCannotBeReadIsNeverWrittenOverAndItsEntriesWait) {
    for (const bool pipe : {true, false}) {
        SCOPED_TRACE(pipe ? "a pipe" : "a folder");
        QFile::remove(RecordsPath());
        QDir(RecordsPath()).removeRecursively();
        ASSERT_TRUE(pipe ? ::mkfifo(QFile::encodeName(RecordsPath()).constData(), 0600) == 0
                         : QDir().mkdir(RecordsPath()));
        CareerFiles files = Files();
        std::vector<QString> problems;
        files.Load(problems);
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_TRUE(problems[0].contains(RecordsPath())) << problems[0].toStdString();
        EXPECT_EQ(files.EnterTerm(Served(2, 400), "czeka", "2026-12-08", 3), 1);
        const std::vector<QString> told = files.TakeProblems();
        ASSERT_EQ(told.size(), 1u);
        EXPECT_TRUE(told[0].contains(QString::fromUtf8("niczego w nim nie zmieni"))) << told[0].toStdString();
        // Shown meanwhile, and the pipe or folder still there.
        EXPECT_EQ(Users(files.Table(), 2), std::vector<std::string>{"czeka"});
        EXPECT_EQ(QFileInfo(RecordsPath()).isDir(), !pipe);
        EXPECT_FALSE(QFileInfo(RecordsPath()).isFile());

        // Another game's file comes back: the next term's end merges both.
        QFile::remove(RecordsPath());
        QDir(RecordsPath()).removeRecursively();
        Records other;
        other.Enter(2, {"inna", "2026-12-01", 9, 700});
        QFile file(RecordsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(RecordsToJson(other)));
        file.close();
        EXPECT_EQ(files.EnterTerm(Served(2, 300), "potem", "2026-12-09", 4), 3);
        EXPECT_TRUE(files.TakeProblems().empty());
        EXPECT_EQ(Users(RecordsFromJson(Text(RecordsPath())), 2), (std::vector<std::string>{"inna", "czeka", "potem"}));
    }
}

TEST_F(CareerFilesTest, AnUnreadableBookIsKeptInMemoryUntilItsFileCanBeRead) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(MilestonesPath()).constData(), 0600), 0);
    CareerFiles files = Files();
    MilestoneBook book = Reached(msNeostrada100, 30);
    files.KeepBook(book);
    EXPECT_EQ(files.TakeProblems().size(), 1u);
    EXPECT_FALSE(QFileInfo(MilestonesPath()).isFile());
    QFile::remove(MilestonesPath());
    MilestoneBook more = book;
    more.reached[3] = MilestoneReached{40, "2026-12-09"};
    files.KeepBook(more);
    const MilestoneBook kept = MilestonesFromJson(Text(MilestonesPath()));
    EXPECT_TRUE(kept.reached[2].has_value());
    EXPECT_TRUE(kept.reached[3].has_value());
}

TEST_F(CareerFilesTest, AnOversizedFileIsSetAsideLikeADamagedOne) {
    QFile file(RecordsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(static_cast<int>(kMaxRecordsText) + 1, ' '));
    file.close();
    CareerFiles files = Files();
    std::vector<QString> problems;
    files.Load(problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(problems[0].contains(QStringLiteral(".uszkodzony"))) << problems[0].toStdString();
    EXPECT_EQ(QFileInfo(RecordsPath() + QStringLiteral(".uszkodzony")).size(), kMaxRecordsText + 1);
    EXPECT_EQ(files.EnterTerm(Served(1, 100), "nowa", "2026-12-08", 5), 1);
    EXPECT_EQ(Users(RecordsFromJson(Text(RecordsPath())), 1), std::vector<std::string>{"nowa"});
}

}  // namespace
}  // namespace dzwonex
