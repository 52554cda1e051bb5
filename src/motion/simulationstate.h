#pragma once

#include "motion/armgeometry.h"

#include <QString>

// What the simulation keeps from point to point and from block to block. It
// belongs to the simulation thread; the displays read it only during a
// synchronous hand-over, while the simulation thread waits.
struct SimulationState {
    // The point being walked; moves in steps of exactly 1.
    double currentX = arm::kHomeX;
    double currentY = arm::kHomeY;
    // Where the next move begins: the previous move's target.
    double startX = arm::kHomeX;
    double startY = arm::kHomeY;
    // The last G, X, Y, Z values converted by the block loop (modal).
    int g = 0;
    int x = 0;
    int y = 0;
    int z = 0;
    // The word texts of the block being executed, empty when absent.
    QString nText;
    QString gText;
    QString tText;
    QString zText;
    // The pose reached by the previous step and the pose being stepped.
    JointAngles previous;
    JointAngles current;
    int penHeight = arm::kPenUpHeight;
};
