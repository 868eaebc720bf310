// The settings: a pipe or a folder in the file's place, and the volumes
// written once they settle.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "Settings.h"

namespace dzwonex {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    QString Path() const { return folder.filePath(QStringLiteral("dzwonex.conf")); }
    QTemporaryDir folder;
};

// QSettings would wait on a pipe for ever: it is moved aside, a fresh file
// begun, and the player told which file it was.
TEST_F(SettingsTest, APipeOrAFolderInPlaceOfTheFileIsMovedAsideAndToldOf) {
    // The second is set aside beside the first.
    for (const bool pipe : {true, false}) {
        SCOPED_TRACE(pipe ? "a pipe" : "a folder");
        ASSERT_TRUE(pipe ? ::mkfifo(QFile::encodeName(Path()).constData(), 0600) == 0 : QDir().mkdir(Path()));
        const QString aside = Path() + (pipe ? QStringLiteral(".uszkodzony") : QStringLiteral(".uszkodzony-2"));
        {
            Settings settings(Path());
            EXPECT_TRUE(settings.Problem().contains(Path())) << settings.Problem().toStdString();
            EXPECT_TRUE(settings.Problem().contains(aside)) << settings.Problem().toStdString();
            EXPECT_EQ(QFileInfo(aside).isDir(), !pipe);
            EXPECT_TRUE(settings.MusicOn());
            settings.SetMusicOn(false);
        }
        EXPECT_TRUE(QFileInfo(Path()).isFile());
        EXPECT_FALSE(Settings(Path()).MusicOn());
        EXPECT_TRUE(Settings(Path()).Problem().isEmpty());
        QFile::remove(Path());
    }
}

TEST_F(SettingsTest, AVolumeIsWrittenOnceItSettles) {
    Settings dragged(Path());
    for (int percent = 0; percent <= 50; ++percent) dragged.SetMusicVolume(percent);
    // Heard at once by whoever asks this object, not yet in the file.
    EXPECT_EQ(dragged.MusicVolume(77), 50);
    EXPECT_TRUE(dragged.SettleTimer().isActive());
    EXPECT_EQ(Settings(Path()).MusicVolume(77), 77);
    dragged.Settle();
    EXPECT_FALSE(dragged.SettleTimer().isActive());
    EXPECT_EQ(Settings(Path()).MusicVolume(77), 50);
    // A value set meanwhile is not undone by the settling.
    dragged.SetEffectsVolume(30);
    dragged.SetMusicOn(false);
    dragged.Flush();
    EXPECT_EQ(Settings(Path()).EffectsVolume(77), 30);
    EXPECT_FALSE(Settings(Path()).MusicOn());
}

}  // namespace
}  // namespace dzwonex
