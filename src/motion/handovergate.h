#pragma once

#include <QObject>

#include <condition_variable>
#include <functional>
#include <mutex>

// Synchronous hand-overs to the thread this object lives on (the
// user-interface thread): run() queues a routine there and returns once it
// has run; called on that thread itself, it runs the routine at once.
//
// This is what a blocking queued invocation does; here the routine and its
// completion pass through a standard mutex and condition variable, so that
// thread checkers see the order between the two threads (they do not see
// into the toolkit's own event queue and semaphore).
//
// The owner must let every waiting thread finish before it destroys the gate
// (deliver the queued calls with QCoreApplication::sendPostedEvents(gate)).
class HandOverGate : public QObject {
    Q_OBJECT
public:
    explicit HandOverGate(QObject* parent = nullptr);

    void run(const std::function<void()>& routine);

private:
    void runPending();

    std::mutex mutex_;
    std::condition_variable finished_;
    const std::function<void()>* pending_ = nullptr;
    bool done_ = true;
};
