#pragma once

#include "view3d/armscene.h"

class ViewCamera;
class ViewPose;

// Projection and whole frames of the arm scene, on the current OpenGL context
// (compatibility profile). The viewport is the caller's.

// The fixed projection: a square frustum (-0.1 to 0.1 both ways, near 0.3,
// far 50), then modelview mode and the depth test. Set once per context.
void SetupProjection();

// One frame: clears colour and depth, loads the camera and draws the scene
// from the pose values, each read once. Presenting the frame is the caller's.
void RenderScene(const ViewCamera& camera, const ViewPose& pose, SceneSwitches switches);
