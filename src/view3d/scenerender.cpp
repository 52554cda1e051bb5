#include "view3d/scenerender.h"

#include "motion/viewpose.h"
#include "view3d/viewcamera.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

constexpr double kFrustumHalfSize = 0.1;
constexpr double kNearPlane = 0.3;
constexpr double kFarPlane = 50.0;

} // namespace

void SetupProjection() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-kFrustumHalfSize, kFrustumHalfSize, -kFrustumHalfSize, kFrustumHalfSize, kNearPlane,
              kFarPlane);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
}

void RenderScene(const ViewCamera& camera, const ViewPose& pose, SceneSwitches switches) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(camera.Eye[0], camera.Eye[1], camera.Eye[2], camera.Target[0], camera.Target[1],
              camera.Target[2], camera.Up[0], camera.Up[1], camera.Up[2]);
    DrawArmScene(ScenePose::read(pose), switches);
}
