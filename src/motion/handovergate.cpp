#include "motion/handovergate.h"

#include <QThread>

HandOverGate::HandOverGate(QObject* parent) : QObject(parent) {}

void HandOverGate::run(const std::function<void()>& routine) {
    if (QThread::currentThread() == thread()) {
        routine();
        return;
    }
    std::unique_lock lock(mutex_);
    pending_ = &routine;
    done_ = false;
    lock.unlock();
    // Queued as a functor call on this object (no method is looked up by name).
    QMetaObject::invokeMethod(
        this, [this] { runPending(); }, Qt::QueuedConnection);
    lock.lock();
    finished_.wait(lock, [this] { return done_; });
}

void HandOverGate::runPending() {
    std::unique_lock lock(mutex_);
    const std::function<void()>* routine = pending_;
    lock.unlock();
    if (routine)
        (*routine)();
    lock.lock();
    pending_ = nullptr;
    done_ = true;
    finished_.notify_one();
}
