// Dzwonex: the game in its window.
#include <QApplication>

#include "Main.h"
#include "Platform.h"

int main(int argc, char** argv) {
    using namespace dzwonex;
    // Before anything computes: no floating-point fault may stop the game.
    FloatingPointSetup floatingPoint;

    QApplication app(argc, argv);
    // The settings (volumes and the like) live under dzwonex/dzwonex.
    QApplication::setOrganizationName(QStringLiteral("dzwonex"));
    QApplication::setApplicationName(QStringLiteral("dzwonex"));
    QApplication::setApplicationDisplayName(QStringLiteral("Dzwonex"));

    TfrmMain frmMain;
    // A picture that could not be loaded has been reported in an error box
    // naming the file. A window without its map or game would only puzzle
    // the player, so the program ends there.
    if (frmMain.StartupFailed()) return 1;
    frmMain.show();
    return QApplication::exec();
}
