// Start-up and idle probes, run by the scripts beside this file.
//
//   ui_startup_probe game     the game's window up to its first paint
//   ui_startup_probe minimal  a bare window with the same page control
//   ui_startup_probe idle N   the game left alone for N seconds
//   ui_startup_probe soak N   the game played at top speed for N seconds,
//                             with its sound, then closed (for leak checks)
//
// "game" and "minimal" print six figures and exit: the wall-clock time
// (CLOCK_REALTIME, ns) at which the first paint of the window was done
// (the script took the time before starting the process); the peak
// resident memory in KiB once the start-up is over (the sound open, the
// events the paint queued handled); the CPU time (µs) the UI thread had
// taken by the paint; the peak resident memory once the map page has been
// shown too (its picture is decoded then); and the time (µs) the first
// showing of the map page, then of the statistics page, took to its paint
// (each page makes its controls then). "idle" stops the game
// clock, waits a second, then counts paints and the UI thread's CPU time
// over N seconds.
#include <sys/resource.h>
#include <time.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include "Controls.h"
#include "MainWindow.h"
#include "Platform.h"

namespace {

using namespace dzwonex;

long long RealtimeNs() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

double ThreadCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long PeakRssKib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Reports once the first paint of `window` has been done and flushed.
// `settle` finishes the start-up's work off the UI thread; `showPage`
// turns to a page and paints the window.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget* window, std::function<void()> settle, std::function<void(int)> showPage)
        : window_(window), settle_(std::move(settle)), showPage_(std::move(showPage)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued behind the rest of this paint pass and its flush; the
            // memory behind what the paint queued.
            QTimer::singleShot(0, [this] {
                const long long painted = RealtimeNs();
                const double cpu = ThreadCpuSeconds();
                QTimer::singleShot(0, [this, painted, cpu] {
                    settle_();
                    const long startup = PeakRssKib();
                    const long long mapStart = RealtimeNs();
                    showPage_(kPageMap);
                    const long long statStart = RealtimeNs();
                    showPage_(kPageStat);
                    const long long statEnd = RealtimeNs();
                    std::printf("%lld %ld %.0f %ld %lld %lld\n", painted, startup, cpu * 1e6, PeakRssKib(),
                                (statStart - mapStart) / 1000, (statEnd - statStart) / 1000);
                    std::fflush(stdout);
                    QApplication::exit(0);
                });
            });
        }
        return false;
    }

private:
    QWidget* window_;
    std::function<void()> settle_;
    std::function<void(int)> showPage_;
    bool seen_ = false;
};

// Counts the paints of every widget.
class PaintCounter : public QObject {
public:
    long paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

int Minimal(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Dzwonex"));
    auto* pages = new TPageControl;
    for (const char* caption : {"Mapa", "Statystyka", "Sprawy (1)", "Menu"})
        pages->AddPage(new QLabel(QString::fromUtf8(caption)), QString::fromUtf8(caption));
    window.setCentralWidget(pages);
    window.resize(TfrmMain::kDesignWidth, TfrmMain::kDesignHeight);
    FirstPaint probe(
        &window, [] {},
        [&](int page) {
            pages->SetActivePage(page);
            window.repaint();
        });
    window.show();
    return QApplication::exec();
}

int Game(int argc, char** argv) {
    FloatingPointSetup floatingPoint;
    QApplication app(argc, argv);
    TfrmMainOptions options;
    options.showLogo = false;
    TfrmMain window(std::move(options));
    if (window.StartupFailed()) return 1;
    FirstPaint probe(
        &window, [&] { window.Controller().Audio().Sound().MusicVolume(); },
        [&](int page) {
            window.findChild<TPageControl*>(QStringLiteral("PageControl"))->SetActivePage(page);
            window.repaint();
        });
    window.show();
    return QApplication::exec();
}

int Idle(int argc, char** argv, int seconds) {
    FloatingPointSetup floatingPoint;
    QApplication app(argc, argv);
    TfrmMainOptions options;
    options.showLogo = false;
    TfrmMain window(std::move(options));
    if (window.StartupFailed()) return 1;
    window.show();
    PaintCounter counter;
    double cpuStart = 0;
    QTimer::singleShot(1000, [&] {
        // The clock stopped, the start-up's paints behind us.
        window.Controller().PickSpeed(0);
        QCoreApplication::processEvents();
        app.installEventFilter(&counter);
        cpuStart = ThreadCpuSeconds();
    });
    QTimer::singleShot(1000 + seconds * 1000, [&] {
        const double cpu = ThreadCpuSeconds() - cpuStart;
        std::printf("idle %d s: UI thread CPU %.3f s (%.2f %%), paints %ld\n", seconds, cpu, 100.0 * cpu / seconds,
                    counter.paints);
        QApplication::exit(0);
    });
    return QApplication::exec();
}

int Soak(int argc, char** argv, int seconds) {
    FloatingPointSetup floatingPoint;
    QApplication app(argc, argv);
    TfrmMainOptions options;
    options.showLogo = false;
    auto window = std::make_unique<TfrmMain>(std::move(options));
    if (window->StartupFailed()) return 1;
    window->show();
    window->Controller().PickSpeed(10);
    // A player at work: answers, presses on the map, page changes, each
    // with its sound, while the days go by.
    QTimer player;
    int step = 0;
    QObject::connect(&player, &QTimer::timeout, [&] {
        GameController& game = window->Controller();
        switch (step++ % 5) {
            case 0:
                game.AnswerOk();
                break;
            case 1:
                game.AnswerYes();
                break;
            case 2:
                game.AnswerNo();
                break;
            case 3:
                game.PressMap(step * 37 % 1400, step * 23 % 1000);
                break;
            default:
                window->findChild<TPageControl*>(QStringLiteral("PageControl"))->SetActivePage(step % 4);
                game.PageChangedByPlayer();
        }
    });
    player.start(100);
    QTimer::singleShot(seconds * 1000, [&] {
        player.stop();
        std::printf("soak %d s: %d actions, now %s\n", seconds, step,
                    qPrintable(window->findChild<QLabel*>(QStringLiteral("lblSpeed2"))->text()));
        window->close();
        QApplication::exit(0);
    });
    const int status = QApplication::exec();
    window.reset();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "minimal") == 0) return Minimal(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "game") == 0) return Game(argc, argv);
    if (argc >= 3 && std::strcmp(argv[1], "idle") == 0) return Idle(argc, argv, std::atoi(argv[2]));
    if (argc >= 3 && std::strcmp(argv[1], "soak") == 0) return Soak(argc, argv, std::atoi(argv[2]));
    std::fprintf(stderr, "usage: ui_startup_probe game|minimal|idle SECONDS|soak SECONDS\n");
    return 2;
}
