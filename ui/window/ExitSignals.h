#pragma once
#include <QObject>

class QSocketNotifier;

namespace dzwonex {

// Turns SIGTERM, SIGHUP and SIGINT (a log-out, a closed terminal, Ctrl+C)
// into a signal on the game's thread, so the game is kept before the
// process ends. The handler itself only writes a byte to a pipe. A signal
// ignored when the game started (nohup) stays ignored. One at a time; the
// earlier handlers come back when it goes.
class ExitSignals : public QObject {
    Q_OBJECT
public:
    explicit ExitSignals(QObject* parent = nullptr);
    ~ExitSignals() override;
    // False when the handlers could not be set; the game then ends as the
    // system ends it.
    bool Installed() const { return installed_; }

signals:
    void Received(int signalNumber);

private:
    void Read();
    QSocketNotifier* notifier_ = nullptr;
    bool installed_ = false;
};

}  // namespace dzwonex
