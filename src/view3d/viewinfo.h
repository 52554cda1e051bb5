#pragma once

#include <QString>

class ViewPose;

// The five info fields of the visualisation window: x, y and z of the pen and
// the two joint angles.
struct ViewInfoTexts {
    QString x, y, z, alfa, beta;

    // The texts at window creation: "x= 500", "y= 0", "z= 50", "alfa= 0",
    // "beta= 0".
    static ViewInfoTexts initial();

    // The texts a key press writes from the pose: "alfa= " and "beta= " with
    // the angles in the station's number format (the single-precision angle is
    // widened before 90 is added back, so alfa 45.1 reads 45,0999984741211),
    // and "x=", "y=", "z=" followed directly by the pen's position and height in
    // the station's number format (nothing before the simulation publishes them).
    static ViewInfoTexts fromPose(const ViewPose& pose);
};
