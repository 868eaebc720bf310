// The keeping code's tests: a QCoreApplication for Qt's timers and queued
// calls, and data and config folders of this run, never the user's own.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    QTemporaryDir home;
    if (!home.isValid()) return 1;
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qputenv(name, QFile::encodeName(home.filePath(QString::fromLatin1(name))));
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("dzwonex"));
    QCoreApplication::setApplicationName(QStringLiteral("dzwonex"));
    return RUN_ALL_TESTS();
}
