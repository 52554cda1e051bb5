#include "motion/simulationcontrol.h"

#include <QThread>

void SimulationControl::requestPause() {
    std::lock_guard lock(mutex_);
    pause_.store(true, std::memory_order_relaxed);
}

void SimulationControl::resume() {
    std::lock_guard lock(mutex_);
    pause_.store(false, std::memory_order_relaxed);
    resumed_.notify_all();
}

bool SimulationControl::isHeld() const {
    std::lock_guard lock(mutex_);
    return held_;
}

void SimulationControl::holdWhilePaused() {
    std::unique_lock lock(mutex_);
    held_ = true;
    resumed_.wait(lock, [this] { return !pause_.load(std::memory_order_relaxed); });
    held_ = false;
}

void SimulationControl::wait(std::chrono::milliseconds duration) {
    checkpoint();
    if (duration.count() > 0 && !hurry_.load(std::memory_order_relaxed))
        QThread::msleep(static_cast<unsigned long>(duration.count()));
    checkpoint();
}
