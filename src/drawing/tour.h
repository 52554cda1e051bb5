#pragma once

#include "drawing/drawing.h"

#include <cmath>

// What the path ordering works with: the arm's joint angles at a point, the
// ends of the paths as the tour passes them, and the price of pen-up travel.

struct Joints {
    double alfa = 0; // degrees
    double beta = 0;
};

// The joints with the pen at `p`: the elbow bent clockwise on the right of
// the Y axis, counter-clockwise on the left.
Joints JointsAt(PathPoint p);

// The larger of the two joints' turns between two poses.
inline double JointTurn(const Joints& a, const Joints& b) {
    return std::fmax(std::fabs(a.alfa - b.alfa), std::fabs(a.beta - b.beta));
}

// One end of a path in the tour. The open end, after the last path, is
// reached from anywhere at no cost.
struct TourEnd {
    PathPoint p;
    Joints j;
    bool open = false;
};

// The price of pen-up travel between two ends: the straight distance, or the
// larger of the joints' turns.
class TravelPrice {
public:
    explicit TravelPrice(bool joints) : joints_(joints) {}
    bool byJoints() const { return joints_; }
    double operator()(const TourEnd& a, const TourEnd& b) const {
        if (a.open || b.open)
            return 0;
        if (joints_)
            return JointTurn(a.j, b.j);
        const double dx = a.p.x - b.p.x, dy = a.p.y - b.p.y;
        return std::sqrt(dx * dx + dy * dy);
    }

private:
    bool joints_;
};
