#pragma once

class ViewPose;

// The two display switches of the window's "Widok" menu: "Model
// płaszczyznowy" draws box faces as filled polygons, "Model krawędziowy"
// draws their outlines as line loops. They affect boxes only.
struct SceneSwitches {
    bool faces = true;
    bool outlines = true;
};

// The pose values one frame draws, each read once, whole, from ViewPose.
struct ScenePose {
    float arm1Angle = -90.0f; // degrees about scene +Y; -90 points the arm along +Z
    float arm2Angle = 0.0f;   // degrees about arm 2's joint axis
    double slideZ = 0.0;      // 0 pen up, -0.8 pen down

    static ScenePose read(const ViewPose& pose);
    bool operator==(const ScenePose&) const = default;
};

// The pieces of the arm scene, drawn with OpenGL 1.x immediate mode and GLU
// into the current modelview frame of the current context. Each piece but the
// table pushes the matrix at its start and pops it at its end.

// An axis-aligned box between two corners: six faces of five vertices each,
// filled and/or outlined per the switches; leaves the box-face colour current.
void DrawBox(double x0, double y0, double z0, double x1, double y1, double z1,
             SceneSwitches switches);
void DrawTable();
void DrawBase(SceneSwitches switches);
void DrawArm1(SceneSwitches switches);
void DrawArm2(SceneSwitches switches);
void DrawZFrame(SceneSwitches switches);
void DrawZSlide(double slideZ, SceneSwitches switches);
// Guide rod and lead screw as wireframe quadrics in the current colour; the
// quadric lives for this call only.
void DrawScrew(double slideZ);

// The whole frame in the camera frame: table, base, then arm 1, arm 2 and the
// tool each in its own joint frame. Leaves the modelview matrix turned by the
// arm transforms.
void DrawArmScene(const ScenePose& pose, SceneSwitches switches);
