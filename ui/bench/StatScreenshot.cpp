// Plays the game in its real window for a while, as a simple player would,
// then shows the Statystyka page at a given size and waits to be
// photographed. scripts/screenshot-stat.sh runs it under Xvfb.
//
//   ui_stat_screenshot ASSET_DIR WIDTH HEIGHT [DAYS] [SEED]
//
// Prints "ready" once the page has been painted, and quits after a minute.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QApplication>
#include <QTimer>

#include "Main.h"
#include "Platform.h"

namespace {

using namespace dzwonex;

// The front case answered by its buttons, as a careful player would: he
// takes applications while the cash allows and envelopes when it runs
// low, and spends on equipment only with money to spare.
void AnswerTheInbox(TfrmMain& w) {
    for (int answered = 0; answered < 50; ++answered) {
        const Case* c = w.Game().CurrentCase();
        if (!c) return;
        const int32_t cash = w.Game().Cash().Value();
        bool yes = false;
        switch (c->kind) {
            case ckSdiRequest:
            case ckNeostradaRequest:
            case ckPolpakRequest:
                yes = cash > 0;
                break;
            case ckSdiBribe:
            case ckNeostradaBribe:
            case ckPolpakBribe:
                yes = cash < 50000;
                break;
            case ckRaise:
                yes = true;
                break;
            case ckQuality:
                yes = c->param < 0 ? cash < 0 && w.Game().Quality() > 0 : cash > 150000 && w.Game().Quality() < 10;
                break;
            default:
                break;
        }
        QPushButton* button = c->kind == ckInfo ? w.btnOK : yes ? w.btnYes : w.btnNo;
        if (!button->isEnabled()) return;
        button->click();
    }
}

// Below zero the player cuts the network down: a press on the map on a
// subscriber of the largest kind, then Tak.
void CutCosts(TfrmMain& w, int presses) {
    for (int i = 0; i < presses && w.Game().Cash().Value() < 0; ++i) {
        const int kind = w.Game().Count(skIsdn) > w.Game().Count(skPhone) ? skIsdn : skPhone;
        if (w.Game().Count(kind) == 0) return;
        const auto& point = w.Game().Subscribers(kind).front();
        w.paintboxMapaMouseDown(point->X(), point->Y());
        w.btnYes->click();
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s ASSET_DIR WIDTH HEIGHT [DAYS] [SEED]\n", argv[0]);
        return 2;
    }
    FloatingPointSetup floatingPoint;
    QApplication app(argc, argv);
    std::string dir = argv[1];
    if (!dir.empty() && dir.back() != '/') dir += '/';
    const int width = std::atoi(argv[2]);
    const int height = std::atoi(argv[3]);
    const int days = argc > 4 ? std::atoi(argv[4]) : 720;

    TfrmMainOptions options;
    options.appDir = dir;
    options.userName = "Gracz";
    options.seed = argc > 5 ? static_cast<uint32_t>(std::strtoul(argv[5], nullptr, 10)) : 2026u;
    options.showLogo = false;
    options.sound = std::make_unique<SilentSound>();
    TfrmMain w(std::move(options));
    if (w.StartupFailed()) return 1;
    // The days come from here, not from the clock.
    w.StopMainTimer();
    for (int day = 0; day < days; ++day) {
        AnswerTheInbox(w);
        CutCosts(w, 20);
        w.MainTimerTimer();
    }
    w.StopMainTimer();
    const Company& game = w.Game();
    std::fprintf(stderr, "day %d: cash %d, opinion %.1f, quality %.1f, subscribers %d %d %d %d %d %d\n", game.Day(),
                 game.Cash().Value(), game.Opinion(), game.Quality(), game.Count(1), game.Count(2), game.Count(3),
                 game.Count(4), game.Count(5), game.Count(6));
    w.SetActivePage(kPageStat);
    w.move(0, 0);
    w.resize(width, height);
    w.show();
    QTimer::singleShot(1500, [] {
        std::printf("ready\n");
        std::fflush(stdout);
    });
    QTimer::singleShot(argc > 6 ? 0 : 60000, &app, &QApplication::quit);
    return QApplication::exec();
}
