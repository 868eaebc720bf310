// Preloaded into a Qt program (LD_PRELOAD), it times the program's start-up
// as installed, without a line of the program changed. It prints
//   painted NS CPU_US RSS_KIB  once the first window the program shows has
//                              had its first paint, flushed to the screen:
//                              the time (CLOCK_REALTIME, ns), the CPU time
//                              of the whole process since exec (µs) and its
//                              peak resident memory so far
//   rss KIB                    the peak resident memory, as the program exits
// and ends the program once what that paint queued has run, as a player
// closing it at once would. The game begins to open its sound there, and
// its shutdown waits for the opening, so the sound is in the last peak.
#include <sys/resource.h>
#include <time.h>

#include <cstdio>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

long long RealtimeNs() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

rusage Usage() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage;
}

long long Microseconds(const timeval& t) { return static_cast<long long>(t.tv_sec) * 1000000LL + t.tv_usec; }

class FirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (done_ || !watched->isWidgetType() || !static_cast<QWidget*>(watched)->isWindow()) return false;
        if (event->type() == QEvent::Show && !window_) window_ = watched;
        if (event->type() == QEvent::Paint && watched == window_) {
            done_ = true;
            // Behind the rest of this paint pass and its flush.
            QTimer::singleShot(0, [] {
                const long long now = RealtimeNs();
                const rusage usage = Usage();
                std::printf("painted %lld %lld %ld\n", now, Microseconds(usage.ru_utime) + Microseconds(usage.ru_stime),
                            usage.ru_maxrss);
                std::fflush(stdout);
                // Behind what the paint queued.
                QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
            });
        }
        return false;
    }

private:
    QObject* window_ = nullptr;
    bool done_ = false;
};

struct PeakAtExit {
    ~PeakAtExit() {
        std::printf("rss %ld\n", Usage().ru_maxrss);
        std::fflush(stdout);
    }
} peakAtExit;

void Install() { QCoreApplication::instance()->installEventFilter(new FirstPaint(QCoreApplication::instance())); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Install)
