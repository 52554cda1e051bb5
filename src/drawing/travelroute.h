#pragma once

#include "drawing/drawing.h"
#include "drawing/placement.h"

#include <vector>

// Pen-up travel around the forbidden circle: a travel whose straight line
// would come closer to the base than the waypoints' own lines do goes over
// the top of the circle instead, through waypoints on a circle of radius
// R + margin (never less than keeps those lines clear of R), at most 20
// degrees apart, leaving and reaching the circle along its tangents.
class TravelRoute {
public:
    explicit TravelRoute(const PlacementSettings& settings);

    // The waypoints between `from` and `to`; none when the straight line
    // keeps clear.
    std::vector<PathPoint> waypoints(PathPoint from, PathPoint to) const;

    // The radius the waypoints lie on.
    double radius() const { return radius_; }

private:
    double radius_;
    double clear_; // a straight travel closer to the base than this goes around
};

// Gives every path of the drawing the waypoints (DrawnPath::approach) of the
// travel to its first point, from `start` (the home point for a program).
void RouteTravel(Drawing& drawing, PathPoint start, const PlacementSettings& settings);
