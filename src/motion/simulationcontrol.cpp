#include "motion/simulationcontrol.h"

#include <QThread>

void SimulationControl::requestPause() {
    QMutexLocker lock(&mutex_);
    pause_.store(true, std::memory_order_relaxed);
}

void SimulationControl::resume() {
    QMutexLocker lock(&mutex_);
    pause_.store(false, std::memory_order_relaxed);
    resumed_.wakeAll();
}

bool SimulationControl::isHeld() const {
    QMutexLocker lock(&mutex_);
    return held_;
}

void SimulationControl::holdWhilePaused() {
    QMutexLocker lock(&mutex_);
    held_ = true;
    while (pause_.load(std::memory_order_relaxed))
        resumed_.wait(&mutex_);
    held_ = false;
}

void SimulationControl::wait(std::chrono::milliseconds duration) {
    checkpoint();
    if (duration.count() > 0 && !hurry_.load(std::memory_order_relaxed))
        QThread::msleep(static_cast<unsigned long>(duration.count()));
    checkpoint();
}
