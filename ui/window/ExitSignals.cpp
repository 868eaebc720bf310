#include "ExitSignals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>

#include <QSocketNotifier>

namespace dzwonex {

namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGHUP, SIGINT};
int gPipe[2] = {-1, -1};
struct sigaction gEarlier[kSignals.size()];
bool gHandled[kSignals.size()] = {};

extern "C" void OnExitSignal(int signalNumber) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // Only what a signal handler may do: one write, its result ignored.
    [[maybe_unused]] const ssize_t written = ::write(gPipe[0], &byte, 1);
    errno = saved;
}

}  // namespace

ExitSignals::ExitSignals(QObject* parent) : QObject(parent) {
    if (gPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gPipe) != 0) return;
    notifier_ = new QSocketNotifier(gPipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ExitSignals::Read);
    struct sigaction action {};
    action.sa_handler = OnExitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < kSignals.size(); ++i) {
        // A signal the game was started with ignored stays ignored: nohup's
        // hang-up, Ctrl+C of a job started in the background.
        gHandled[i] = ::sigaction(kSignals[i], nullptr, &gEarlier[i]) == 0 &&
                      ((gEarlier[i].sa_flags & SA_SIGINFO) || gEarlier[i].sa_handler != SIG_IGN) &&
                      ::sigaction(kSignals[i], &action, nullptr) == 0;
    }
    installed_ = true;
}

ExitSignals::~ExitSignals() {
    if (!installed_) return;
    for (size_t i = 0; i < kSignals.size(); ++i)
        if (gHandled[i]) ::sigaction(kSignals[i], &gEarlier[i], nullptr);
    delete notifier_;
    ::close(gPipe[0]);
    ::close(gPipe[1]);
    gPipe[0] = gPipe[1] = -1;
}

void ExitSignals::Read() {
    unsigned char byte = 0;
    if (::read(gPipe[1], &byte, 1) == 1) emit Received(byte);
}

}  // namespace dzwonex
