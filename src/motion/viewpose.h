#pragma once

#include <atomic>
#include <cmath>
#include <limits>

// The arm's pose as the simulation publishes it for the 3D view, as numbers.
// The simulation thread writes them at every joint sub-step, grid step and pen
// step; the view reads each one whole, without a lock, and formats its own
// texts. The pen's x, y and height are "not yet published" until the first
// move sets them.
class ViewPose {
public:
    static constexpr int kNoPenHeight = std::numeric_limits<int>::min();

    std::atomic<float> Arm1Angle{-90.0f}; // alfa - 90, degrees
    std::atomic<float> Arm2Angle{0.0f};   // beta, degrees
    std::atomic<double> SlideZ{0.0};      // PenHeight / 50 - 1
    std::atomic<double> PenX{std::numeric_limits<double>::quiet_NaN()};
    std::atomic<double> PenY{std::numeric_limits<double>::quiet_NaN()};
    std::atomic<int> PenHeight{kNoPenHeight};

    // Back to "nothing published yet" for x, y and the pen height.
    void clearPen() {
        PenX.store(std::numeric_limits<double>::quiet_NaN(), std::memory_order_relaxed);
        PenY.store(std::numeric_limits<double>::quiet_NaN(), std::memory_order_relaxed);
        PenHeight.store(kNoPenHeight, std::memory_order_relaxed);
    }
    static bool isPublished(double value) { return !std::isnan(value); }
    static bool isPublished(int penHeight) { return penHeight != kNoPenHeight; }
};
