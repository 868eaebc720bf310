// Dzwonex: the game in its window.
#include <QAccessible>
#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "BuildInfo.h"
#include "CommandLine.h"
#include "DataDirs.h"
#include "ExitSignals.h"
#include "LanguageSwitch.h"
#include "MainWindow.h"
#include "Platform.h"
#include "Settings.h"
#include "WordedError.h"

int main(int argc, char** argv) {
    using namespace dzwonex;
    // Before anything computes: no floating-point fault may stop the game.
    FloatingPointSetup floatingPoint;

    // The help, the version and a wrong option's usage need no display.
    if (AsksOnlyForText(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "minimal");
    QApplication app(argc, argv);
    // Settings and the kept game live under these names (~/.config/dzwonex,
    // ~/.local/share/dzwonex/dzwonex).
    QApplication::setOrganizationName(QStringLiteral("dzwonex"));
    QApplication::setApplicationName(QStringLiteral("dzwonex"));
    // No display name: the desktop would add it to every title, the help's
    // "Dzwonex — Pomoc" becoming "Dzwonex — Pomoc — Dzwonex"; each window
    // names the game itself.
    QApplication::setApplicationVersion(QStringLiteral(DZWONEX_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(DZWONEX_APP_ID));

    CommandLine commandLine;
    if (auto status = ParseCommandLine(QApplication::arguments(), commandLine)) return *status;

    TfrmMainOptions options;
    // Errors go to the terminal as well as into the box, for whoever
    // started the game from one.
    options.reportError = [](const QString& message) {
        std::fprintf(stderr, "dzwonex: %s\n", message.toLocal8Bit().constData());
        ShowErrorBox(message);
    };
    if (commandLine.assets) {
        options.appDir = *commandLine.assets;
    } else {
        const std::vector<std::string> folders = DataDirCandidates(CurrentDataSearch(DZWONEX_DATA_FROM_BIN));
        const std::optional<std::string> found = FindDataDir(folders);
        if (!found) {
            const Language language = LanguageSwitch::StartLanguage(Settings(), commandLine.language);
            options.reportError(QString::fromStdString(DataNotFoundWorded(folders, language)));
            return 1;
        }
        options.appDir = *found;
    }
    if (options.appDir.back() != '/') options.appDir += '/';

    // dzwonex GAME.dzwonex opens a saved game, as a file manager asks.
    if (commandLine.game) options.loadPath = *commandLine.game;
    options.language = commandLine.language;
    // Qt's accessibility bridge connects to the session bus the first time
    // a control changes, and this thread waits for the handshake. Asked
    // here, before the window begins reading its pictures on a thread of
    // their own, the handshake has the other processor to itself.
    QAccessible::isActive();
    TfrmMain frmMain(std::move(options));
    // A picture that could not be loaded has been reported in an error box
    // naming the file. A window without its map or game would only puzzle
    // the player, so the program ends there.
    if (frmMain.StartupFailed()) return 1;
    // A log-out, a closed terminal or Ctrl+C closes the window as the
    // player would, so the game is kept.
    ExitSignals exitSignals;
    QObject::connect(&exitSignals, &ExitSignals::Received, &frmMain, [&frmMain] {
        frmMain.Controller().LeavingOnSignal();
        frmMain.close();
        QApplication::quit();
    });
    // The icon drawn for the desktop, built into the program
    // (ui/CMakeLists.txt), once the first frame is on the screen: six
    // pictures the first frame does not show. Read by Qt's own PNG reader:
    // QIcon::addFile would load every image plugin (SVG and its library
    // too) to ask each about the file.
    QObject::connect(&frmMain, &TfrmMain::FirstPainted, [] {
        QIcon icon;
        for (const int size : {16, 32, 48, 64, 128, 256}) {
            QImageReader reader(QStringLiteral(":/icons/%1x%1/apps/" DZWONEX_APP_ID ".png").arg(size), "png");
            reader.setAutoDetectImageFormat(false);
            icon.addPixmap(QPixmap::fromImage(reader.read()));
        }
        QApplication::setWindowIcon(icon);
    });
    frmMain.show();
    return QApplication::exec();
}
