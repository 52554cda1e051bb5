#include "view3d/sceneview.h"

#include "view3d/glsupport.h"
#include "view3d/scenerender.h"

#include <QMouseEvent>
#include <QOpenGLContext>
#include <QWheelEvent>

#include <GL/gl.h>

SceneView::SceneView(const ViewCamera& camera, const ViewPose& pose, const SceneSwitches& switches,
                     QWidget* parent)
    : QOpenGLWidget(parent), camera_(camera), pose_(pose), switches_(switches) {
    setFormat(SceneSurfaceFormat());
    setMouseTracking(true);
}

void SceneView::initializeGL() {
    const Status status = CheckLegacyContext(*context());
    if (!status) {
        failed_ = true;
        emit contextFailed(status.error());
        return;
    }
    SetupProjection();
}

void SceneView::paintGL() {
    if (failed_)
        return;
    // The widget sets its own viewport before every paint; keep the first one.
    if (viewport_.isEmpty())
        viewport_ = size() * devicePixelRatio();
    glViewport(0, 0, viewport_.width(), viewport_.height());
    RenderScene(camera_, pose_, switches_);
}

void SceneView::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->position().toPoint());
}

void SceneView::wheelEvent(QWheelEvent* event) {
    emit wheelTurned(event->angleDelta().y());
    event->ignore();
}
