#pragma once

#include "motion/simulationview.h"
#include "view3d/armscene.h"
#include "view3d/viewcamera.h"

#include <QMainWindow>

#include <array>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QTimer;
class SceneView;
class ViewPose;
struct ViewInfoTexts;

// The visualisation window "TForm2": the 3D picture of the arm, drawn from the
// pose the simulation writes, under a camera that follows the mouse or stands
// at one of four fixed views; five read-only info fields Edit1..Edit5 at the
// top (the simulation writes them too, through PoseFieldsView); a redraw every
// 100 ms ("Timer1") while the arm moves, and at once after every key, mouse
// move and wheel turn.
//
// The main window creates it hidden and shows and hides it. Closing it through
// the window system (it has no caption buttons) ends the whole station with
// exit code 0. Without a usable OpenGL context the window shows a plain
// message in place of the picture and everything else keeps working.
class VisualisationWindow : public QMainWindow, public PoseFieldsView {
    Q_OBJECT

public:
    explicit VisualisationWindow(ViewPose& pose, QWidget* parent = nullptr);

    // PoseFieldsView: the simulation's texts in the info fields, and showing
    // the window when a run starts.
    void showPoseField(Field field, const QString& text) override;
    void showPoseWindow() override { show(); }

    ViewPose& pose() const { return pose_; }
    const ViewCamera& camera() const { return camera_; }
    SceneSwitches switches() const { return switches_; }
    // The picture, or null when OpenGL cannot draw it.
    SceneView* sceneView() const { return view_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenu();
    void buildPicture();
    void buildInfoFields();
    QAction* addViewAction(QMenu* menu, const QString& name, CameraView view);
    QAction* addSwitchAction(QMenu* menu, const QString& name, bool SceneSwitches::*flag);
    // The caption, the menu's texts and the failure message in the current
    // language.
    void retranslate();

    void chooseView(CameraView view);
    void showViewChecks();
    void showInfoTexts(const ViewInfoTexts& texts);
    void followMouse(QPoint position);
    void turnWheel(int delta);
    void redraw();
    // Timer1: a redraw when the arm has moved since the last tick; a picture
    // that would not change is not drawn again.
    void redrawIfMoved();
    void showPictureFailure(const QString& text);

    ViewPose& pose_;
    ViewCamera camera_;
    SceneSwitches switches_;
    QWidget* picture_ = nullptr; // holds the scene view or the failure message
    SceneView* view_ = nullptr;
    QLabel* failure_ = nullptr;
    QString (*failureText_)() = nullptr;     // makes failure_'s text, when it is a known one
    std::array<QLineEdit*, 5> infoFields_{}; // Edit3, Edit4, Edit5, Edit1, Edit2
    std::array<QAction*, 5> viewActions_{};  // by CameraView
    QAction* hideAction_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QAction* outlineAction_ = nullptr;
    QAction* faceAction_ = nullptr;
    QTimer* timer_ = nullptr;
    std::optional<ScenePose> tickPose_; // the pose at the last tick that drew
};
