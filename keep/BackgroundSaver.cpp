#include "BackgroundSaver.h"

#include <exception>

#include "WordedError.h"

namespace dzwonex {

BackgroundSaver::BackgroundSaver(MessageLanguage language, QObject* parent)
    : QObject(parent), language_(std::move(language)), worker_([this] { Run(); }) {}

BackgroundSaver::~BackgroundSaver() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (onStopping) onStopping();
    worker_.join();
}

void BackgroundSaver::Queue(const QString& path, Write write) {
    {
        std::lock_guard lock(mutex_);
        waiting_ = Job{path, std::move(write)};
    }
    changed_.notify_all();
}

void BackgroundSaver::Flush() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !waiting_ && !writing_; });
}

void BackgroundSaver::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return waiting_ || stopping_; });
        // Stopping still writes what waits.
        if (!waiting_) return;
        Job job = std::move(*waiting_);
        waiting_.reset();
        writing_ = true;
        lock.unlock();
        std::exception_ptr failure;
        try {
            job.write();
        } catch (const std::exception&) {
            failure = std::current_exception();
        }
        // Told on the game's thread, in the game's language; a saver gone
        // by then tells nobody.
        QMetaObject::invokeMethod(
            this,
            [this, path = job.path, failure] {
                if (!failure) {
                    emit Saved(path);
                    return;
                }
                try {
                    std::rethrow_exception(failure);
                } catch (const std::exception& e) {
                    emit Failed(path, QString::fromStdString(Worded(e, language_())));
                }
            },
            Qt::QueuedConnection);
        lock.lock();
        writing_ = false;
        changed_.notify_all();
    }
}

}  // namespace dzwonex
