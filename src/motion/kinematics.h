#pragma once

#include "motion/armgeometry.h"

// Inverse kinematics of the two-link arm. Returns the joint angles, in
// degrees, that put the pen at (x, y): 0 <= alfa < 180, beta in [-180, 180].
// previousBeta is the elbow angle of the pose reached by the previous step;
// only its sign is used, to choose the bend for points on the Y axis.
//
// The station's rules are kept as they are: a point beyond the reach carries
// the cosine of the elbow on as the elbow angle in radians (the pose does not
// reach the point), and a point with y < 0 folds into the upper half plane.
JointAngles SolveJointAngles(double x, double y, double previousBeta);

// The elbow configuration: on the right of the Y axis the elbow bends
// clockwise (beta <= 0), on the left counter-clockwise (beta >= 0); on the Y
// axis it takes the opposite bend from the previous pose. beta is in radians
// or degrees alike; only its sign changes.
double ElbowRule(double x, double beta, double previousBeta);
