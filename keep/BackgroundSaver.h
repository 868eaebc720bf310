#pragma once
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include <QObject>
#include <QString>

#include "MessageLanguage.h"

namespace dzwonex {

// Writes saved games on a thread of its own, so that the monthly autosave
// of a large company never holds up a day. The game is copied on the
// game's thread; only the writing happens here. One write waits at most:
// a newer one takes its place.
class BackgroundSaver : public QObject {
    Q_OBJECT
public:
    // Writes the file; throws std::exception with the message for the player.
    using Write = std::function<void()>;

    explicit BackgroundSaver(MessageLanguage language, QObject* parent = nullptr);
    // Finishes what is queued first: a closing game is never half-written.
    ~BackgroundSaver() override;

    void Queue(const QString& path, Write write);
    // Returns once nothing is left to write.
    void Flush();
    // Test seam: called as the saver begins to stop, before it waits for
    // its thread.
    std::function<void()> onStopping;

signals:
    // On the game's thread, after each write.
    void Saved(const QString& path);
    void Failed(const QString& path, const QString& message);

private:
    struct Job {
        QString path;
        Write write;
    };
    void Run();

    MessageLanguage language_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Job> waiting_;
    bool writing_ = false;
    bool stopping_ = false;
    std::thread worker_;
};

}  // namespace dzwonex
