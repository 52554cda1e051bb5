#include "view3d/armscene.h"

#include "motion/viewpose.h"
#include "view3d/scenemodel.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <array>

using namespace SceneModel;

namespace {

using Vertex = std::array<GLfloat, 3>;
using Face = std::array<Vertex, 5>; // four corners and the first again

void setColour(Colour colour) {
    glColor3ub(colour.red, colour.green, colour.blue);
}

void translate(Vec3 offset) {
    glTranslatef(static_cast<GLfloat>(offset.x), static_cast<GLfloat>(offset.y),
                 static_cast<GLfloat>(offset.z));
}

void vertex(double x, double y, double z) {
    glVertex3f(static_cast<GLfloat>(x), static_cast<GLfloat>(y), static_cast<GLfloat>(z));
}

// The six faces of a box in drawing order: z0, x0, x1, z1, y1, y0.
std::array<Face, 6> boxFaces(double x0, double y0, double z0, double x1, double y1, double z1) {
    const auto f = [](double v) { return static_cast<GLfloat>(v); };
    const auto zFace = [&](double z) {
        return Face{{{f(x0), f(y0), f(z)},
                     {f(x1), f(y0), f(z)},
                     {f(x1), f(y1), f(z)},
                     {f(x0), f(y1), f(z)},
                     {f(x0), f(y0), f(z)}}};
    };
    const auto xFace = [&](double x) {
        return Face{{{f(x), f(y0), f(z0)},
                     {f(x), f(y1), f(z0)},
                     {f(x), f(y1), f(z1)},
                     {f(x), f(y0), f(z1)},
                     {f(x), f(y0), f(z0)}}};
    };
    const auto yFace = [&](double y) {
        return Face{{{f(x0), f(y), f(z0)},
                     {f(x1), f(y), f(z0)},
                     {f(x1), f(y), f(z1)},
                     {f(x0), f(y), f(z1)},
                     {f(x0), f(y), f(z0)}}};
    };
    return {zFace(z0), xFace(x0), xFace(x1), zFace(z1), yFace(y1), yFace(y0)};
}

void drawFaces(const std::array<Face, 6>& faces, GLenum mode) {
    for (const Face& face : faces) {
        glBegin(mode);
        for (const Vertex& v : face)
            glVertex3fv(v.data());
        glEnd();
    }
}

void drawBoxPart(const BoxPart& part, SceneSwitches switches) {
    translate(part.translation);
    DrawBox(0, 0, 0, part.corner.x, part.corner.y, part.corner.z, switches);
}

void drawCylinder(GLUquadric* quadric, const Cylinder& c) {
    gluCylinder(quadric, c.baseRadius, c.topRadius, c.height, c.slices, c.stacks);
}

// One slat of the table: five polygons, each with its colour set inside.
void drawSlat(double z0, double z1) {
    const auto endFace = [](double z) {
        glBegin(GL_POLYGON);
        setColour(kSlatEnd);
        vertex(kTableLeft, kTableTop, z);
        vertex(kTableLeft, kTableBottom, z);
        vertex(kTableRight, kTableBottom, z);
        vertex(kTableRight, kTableTop, z);
        vertex(kTableLeft, kTableTop, z);
        glEnd();
    };
    const auto sideFace = [&](double x) {
        glBegin(GL_POLYGON);
        setColour(kSlatSide);
        vertex(x, kTableTop, z0);
        vertex(x, kTableTop, z1);
        vertex(x, kTableBottom, z1);
        vertex(x, kTableBottom, z0);
        vertex(x, kTableTop, z0);
        glEnd();
    };
    endFace(z0);
    glBegin(GL_POLYGON);
    setColour(kSlatTop);
    vertex(kTableLeft, kTableTop, z0);
    vertex(kTableLeft, kTableTop, z1);
    vertex(kTableRight, kTableTop, z1);
    vertex(kTableRight, kTableTop, z0);
    vertex(kTableLeft, kTableTop, z0);
    glEnd();
    endFace(z1);
    sideFace(kTableLeft);
    sideFace(kTableRight);
}

} // namespace

ScenePose ScenePose::read(const ViewPose& pose) {
    return {pose.Arm1Angle.load(std::memory_order_relaxed),
            pose.Arm2Angle.load(std::memory_order_relaxed),
            pose.SlideZ.load(std::memory_order_relaxed)};
}

void DrawBox(double x0, double y0, double z0, double x1, double y1, double z1,
             SceneSwitches switches) {
    const std::array<Face, 6> faces = boxFaces(x0, y0, z0, x1, y1, z1);
    if (switches.faces) {
        setColour(kBoxFace);
        drawFaces(faces, GL_POLYGON);
    }
    if (switches.outlines) {
        setColour(kBoxOutline);
        drawFaces(faces, GL_LINE_LOOP);
    }
    setColour(kBoxFace);
}

void DrawTable() {
    for (int i = kFirstSlat; i <= kLastSlat; ++i) {
        const double z0 = i * kSlatPitch;
        drawSlat(z0, z0 + kSlatWidth);
    }

    glBegin(GL_POLYGON);
    setColour(kSlatTop);
    vertex(kTableLeft, kTableBottom, -kPlateNear);
    vertex(kTableLeft, kTableBottom, kPlateNear);
    vertex(kTableRight, kTableBottom, kPlateNear);
    vertex(kTableRight, kTableBottom, -kPlateNear);
    glEnd();

    glPushMatrix();
    translate(kAxisMarkerOrigin);
    setColour(kAxisMarker);
    glBegin(GL_LINES);
    vertex(0, 0, 0);
    vertex(kAxisMarkerLength, 0, 0);
    vertex(0, 0, 0);
    vertex(0, kAxisMarkerLength, 0);
    vertex(0, 0, 0);
    vertex(0, 0, kAxisMarkerLength);
    glEnd();
    glPopMatrix();
}

void DrawBase(SceneSwitches switches) {
    glPushMatrix();
    glRotatef(static_cast<GLfloat>(kBaseTilt), 1, 0, 0);
    translate(kBaseOffset);
    for (const BoxPart& part : kBaseParts)
        drawBoxPart(part, switches);
    glPopMatrix();
}

void DrawArm1(SceneSwitches switches) {
    glPushMatrix();
    drawBoxPart(kArm1Part, switches);
    glPopMatrix();
}

void DrawArm2(SceneSwitches switches) {
    glPushMatrix();
    drawBoxPart(kArm2Part, switches);
    glPopMatrix();
}

void DrawZFrame(SceneSwitches switches) {
    glPushMatrix();
    for (const BoxPart& part : kZFrameParts)
        drawBoxPart(part, switches);
    glPopMatrix();
}

void DrawZSlide(double slideZ, SceneSwitches switches) {
    glPushMatrix();
    translate({kSlideOrigin.x, kSlideOrigin.y + slideZ, kSlideOrigin.z});
    for (const BoxPart& part : kZSlideParts)
        drawBoxPart(part, switches);
    glPopMatrix();
}

void DrawScrew(double slideZ) {
    glPushMatrix();
    GLUquadric* quadric = gluNewQuadric();
    if (quadric == nullptr) { // out of memory: draw the rest of the frame without it
        glPopMatrix();
        return;
    }
    gluQuadricDrawStyle(quadric, GLU_LINE);
    translate(kScrewOffset);
    glRotatef(static_cast<GLfloat>(kScrewTilt), 1, 0, 0);
    translate(kScrewBase);
    drawCylinder(quadric, kGuideRod);
    translate(kScrewAxis);
    glRotatef(static_cast<GLfloat>(slideZ * kScrewTurnPerSlide), 0, 0, 1);
    drawCylinder(quadric, kScrewCollar);
    drawCylinder(quadric, kScrew);
    translate(kLowerCollarOffset);
    drawCylinder(quadric, kScrewCollar);
    translate(kShaftOffset);
    drawCylinder(quadric, kShaft);
    translate(kDiscOffset);
    drawCylinder(quadric, kDisc);
    gluDeleteQuadric(quadric);
    glPopMatrix();
}

void DrawArmScene(const ScenePose& pose, SceneSwitches switches) {
    DrawTable();
    DrawBase(switches);

    translate(kArm1Joint);
    glRotatef(pose.arm1Angle, 0, 1, 0);
    DrawArm1(switches);

    translate(kArm2Joint);
    glRotatef(pose.arm2Angle, 0, 1, 0);
    DrawArm2(switches);

    translate(kToolOffset);
    DrawZFrame(switches);
    DrawZSlide(pose.slideZ, switches);
    DrawScrew(pose.slideZ);
}
