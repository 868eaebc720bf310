// Dzwonex: the game in its window.
#include <QApplication>

#include "Main.h"
#include "Platform.h"

int main(int argc, char** argv) {
    using namespace dzwonex;
    // Before anything computes: no floating-point fault may stop the game.
    FloatingPointSetup floatingPoint;

    QApplication app(argc, argv);
    // Settings and the kept game live under these names (~/.config/dzwonex,
    // ~/.local/share/dzwonex/dzwonex).
    QApplication::setOrganizationName(QStringLiteral("dzwonex"));
    QApplication::setApplicationName(QStringLiteral("dzwonex"));
    QApplication::setApplicationDisplayName(QStringLiteral("Dzwonex"));

    TfrmMainOptions options;
    // dzwonex GAME.dzwonex opens a saved game, as a file manager asks.
    if (const QStringList args = QApplication::arguments(); args.size() > 1) options.loadPath = args.at(1);
    TfrmMain frmMain(std::move(options));
    // A picture that could not be loaded has been reported in an error box
    // naming the file. A window without its map or game would only puzzle
    // the player, so the program ends there.
    if (frmMain.StartupFailed()) return 1;
    frmMain.show();
    return QApplication::exec();
}
