// A bare Qt window with the game's page control, in a program of its own:
// what the game's start-up is measured against (startup_timing.sh). It
// loads Qt and nothing else, as the least any window of the game could.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "Controls.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Dzwonex"));
    auto* pages = new dzwonex::TPageControl;
    for (const char* caption : {"Mapa", "Statystyka", "Sprawy (1)", "Menu"})
        pages->AddPage(new QLabel(QString::fromUtf8(caption)), QString::fromUtf8(caption));
    window.setCentralWidget(pages);
    // The game window's own size.
    window.resize(670, 459);
    window.show();
    return QApplication::exec();
}
