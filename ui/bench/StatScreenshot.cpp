// Plays the game in its real window for a while, as a simple player would,
// then shows the Statystyka page (or the case page with a letter, the Menu
// page, or the help over the window's top left corner) at a given size and
// waits to be photographed. scripts/screenshot-stat.sh runs it under Xvfb.
//
//   ui_stat_screenshot [--lang pl|en] [--page stat|cases|menu|help|report] ASSET_DIR WIDTH HEIGHT [DAYS] [SEED]
//
// Prints "ready" once the page has been painted, and quits after a minute.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "Controls.h"
#include "HelpDialog.h"
#include "MainWindow.h"
#include "Platform.h"
#include "SilentSound.h"
#include "Term.h"

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
        const char* name = c->kind == ckInfo ? "btnOK" : yes ? "btnYes" : "btnNo";
        auto* button = w.findChild<QPushButton*>(QString::fromLatin1(name));
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
        w.Controller().PressMap(point->X(), point->Y());
        w.Controller().AnswerYes();
    }
}

// An application letter in front: a few more days, answering, until one
// comes.
void WaitForALetter(TfrmMain& w) {
    for (int day = 0; day < 720; ++day) {
        if (const Case* c = w.Game().CurrentCase();
            c && c->kind >= ckSdiRequest && c->kind <= ckPolpakBribe && !c->body.empty())
            return;
        AnswerTheInbox(w);
        w.Controller().Clock().MainTimerTimer();
    }
}

// The help is no page; it opens over the Statystyka page. The report of a
// one-year term shows over the pages, after two terms before it.
constexpr int kHelp = -1;
constexpr int kReport = -2;

int PageNamed(const char* name) {
    if (std::strcmp(name, "cases") == 0) return kPageCases;
    if (std::strcmp(name, "menu") == 0) return kPageMenu;
    if (std::strcmp(name, "help") == 0) return kHelp;
    if (std::strcmp(name, "report") == 0) return kReport;
    return kPageStat;
}

}  // namespace

int main(int argc, char** argv) {
    FloatingPointSetup floatingPoint;
    QApplication app(argc, argv);
    std::optional<Language> language;
    int page = kPageStat;
    std::vector<const char*> args;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lang") == 0 && i + 1 < argc)
            language = LanguageFromCode(argv[++i]);
        else if (std::strcmp(argv[i], "--page") == 0 && i + 1 < argc)
            page = PageNamed(argv[++i]);
        else
            args.push_back(argv[i]);
    }
    if (args.size() < 3) {
        std::fprintf(
            stderr,
            "usage: %s [--lang pl|en] [--page stat|cases|menu|help|report] ASSET_DIR WIDTH HEIGHT [DAYS] [SEED]\n",
            argv[0]);
        return 2;
    }
    std::string dir = args[0];
    if (!dir.empty() && dir.back() != '/') dir += '/';
    const int width = std::atoi(args[1]);
    const int height = std::atoi(args[2]);
    const int days = args.size() > 3 ? std::atoi(args[3]) : page == kReport ? Term::kYearDays : 720;

    TfrmMainOptions options;
    options.appDir = dir;
    options.userName = "Gracz";
    options.seed = args.size() > 4 ? static_cast<uint32_t>(std::strtoul(args[4], nullptr, 10)) : 2026u;
    options.showLogo = false;
    options.sound = std::make_unique<SilentSound>();
    // The language the page is to show; none: as the game starts.
    options.language = language;
    options.askTerm = [](QWidget*, const QString&) -> std::optional<int32_t> { return 1; };
    TfrmMain w(std::move(options));
    if (w.StartupFailed()) return 1;
    // The days come from here, not from the clock.
    w.Controller().Clock().StopMainTimer();
    const int terms = page == kReport ? 3 : 1;
    for (int term = 0; term < terms; ++term) {
        if (page == kReport) {
            if (term > 0) w.Controller().PlayOnAfterReport();
            w.Controller().NewGame();
        }
        for (int day = 0; day < days; ++day) {
            AnswerTheInbox(w);
            CutCosts(w, 20);
            w.Controller().Clock().MainTimerTimer();
        }
    }
    // A report the days brought (the board's dismissal) is read first.
    if (page != kReport) w.Controller().PlayOnAfterReport();
    if (page == kPageCases) WaitForALetter(w);
    w.Controller().Clock().StopMainTimer();
    const Company& game = w.Game();
    std::fprintf(stderr, "day %d: cash %d, opinion %.1f, quality %.1f, subscribers %d %d %d %d %d %d\n", game.Day(),
                 game.Cash().Value(), game.Opinion(), game.Quality(), game.Count(1), game.Count(2), game.Count(3),
                 game.Count(4), game.Count(5), game.Count(6));
    w.findChild<TPageControl*>(QStringLiteral("PageControl"))->SetActivePage(page < 0 ? kPageStat : page);
    w.move(0, 0);
    w.resize(width, height);
    w.show();
    if (page == kHelp) {
        // The help at the size asked for, over the window's corner.
        w.ShowHelp();
        if (auto* help = w.findChild<THelpDialog*>()) help->setGeometry(0, 0, width, height);
    }
    QTimer::singleShot(1500, [] {
        std::printf("ready\n");
        std::fflush(stdout);
    });
    QTimer::singleShot(args.size() > 5 ? 0 : 60000, &app, &QApplication::quit);
    return QApplication::exec();
}
