#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

// Cooperative pause and stop of the simulation. The user-interface thread
// requests; the simulation thread looks at the requests only where it holds
// no lock and waits for no hand-over (checkpoint) and, for the stop, between
// grid points and after each block.
class SimulationControl {
public:
    void requestStop() { stop_.store(true, std::memory_order_relaxed); }
    bool stopRequested() const { return stop_.load(std::memory_order_relaxed); }

    // Asks the next block to start its move from the home point (a program
    // was opened); taken once by the block loop.
    void requestStartAtHome() { startAtHome_.store(true, std::memory_order_relaxed); }
    bool takeStartAtHome() { return startAtHome_.exchange(false, std::memory_order_relaxed); }

    void requestPause();
    void resume();
    bool pauseRequested() const { return pause_.load(std::memory_order_relaxed); }
    // True while the simulation thread is held at a checkpoint.
    bool isHeld() const;

    // Called by the simulation thread at safe points: returns at once unless
    // a pause has been requested, then waits until resumed.
    void checkpoint() {
        if (pause_.load(std::memory_order_relaxed))
            holdWhilePaused();
    }

    // From now on waits return at once (the station is closing).
    void hurry() { hurry_.store(true, std::memory_order_relaxed); }

    // Waits for the given time (pen travel), holding at checkpoints while
    // paused; a stop request does not cut it short, hurry() does.
    void wait(std::chrono::milliseconds duration);

private:
    void holdWhilePaused();

    std::atomic<bool> stop_{false};
    std::atomic<bool> pause_{false};
    std::atomic<bool> startAtHome_{false};
    std::atomic<bool> hurry_{false};
    // Standard primitives, which thread checkers see through.
    mutable std::mutex mutex_;
    std::condition_variable resumed_;
    bool held_ = false;
};
