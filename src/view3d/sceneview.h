#pragma once

#include "view3d/armscene.h"

#include <QOpenGLWidget>
#include <QSize>

class ViewCamera;
class ViewPose;

// The picture of the visualisation window: draws the arm scene from the
// window's camera, pose and display switches. The projection is set once when
// the context is made, and the viewport keeps the size the picture had then:
// resizing the window neither refits the picture nor changes its aspect.
class SceneView : public QOpenGLWidget {
    Q_OBJECT

public:
    SceneView(const ViewCamera& camera, const ViewPose& pose, const SceneSwitches& switches,
              QWidget* parent = nullptr);

    // Whether the context turned out unable to draw the scene.
    bool failed() const { return failed_; }

signals:
    // The context cannot draw the scene; `text` says why, for the operator.
    void contextFailed(const QString& text);
    void mouseMoved(QPoint position);
    void wheelTurned(int delta);

protected:
    void initializeGL() override;
    void paintGL() override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    const ViewCamera& camera_;
    const ViewPose& pose_;
    const SceneSwitches& switches_;
    QSize viewport_; // device pixels, fixed at the first frame
    bool failed_ = false;
};
