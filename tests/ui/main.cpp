// The window tests need a QApplication; they run on Qt's offscreen platform
// unless told otherwise, and never touch a sound card. Settings and kept
// games go to folders of this run, emptied before each test, never to the
// user's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

namespace {

class FreshHome : public ::testing::EmptyTestEventListener {
public:
    explicit FreshHome(QString dataHome) : dataHome_(std::move(dataHome)) {}
    void OnTestStart(const ::testing::TestInfo&) override {
        QSettings settings;
        settings.clear();
        settings.sync();
        QDir(dataHome_).removeRecursively();
    }

private:
    QString dataHome_;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    // Before anything asks Qt where settings and data live.
    QTemporaryDir home;
    if (!home.isValid()) return 1;
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qputenv(name, QFile::encodeName(home.filePath(QString::fromLatin1(name))));
    const QString dataHome = home.filePath(QStringLiteral("XDG_DATA_HOME"));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("dzwonex"));
    QApplication::setApplicationName(QStringLiteral("dzwonex"));
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshHome(dataHome));
    return RUN_ALL_TESTS();
}
