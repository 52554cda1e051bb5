// Frames of the visualisation window rendered under Mesa and read back: the
// pixels must show the scene where the camera puts it.
#include "motion/viewpose.h"
#include "view3d/scenemodel.h"
#include "view3d/sceneview.h"
#include "view3d/visualisationwindow.h"

#include <QAction>
#include <QDir>
#include <QMatrix4x4>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

namespace {

const QRgb kBoxFace = qRgb(138, 138, 149);
const QRgb kBoxOutline = qRgb(0, 0, 255);
const QRgb kSlatEnd = qRgb(23, 23, 23);
const QRgb kSlatTop = qRgb(43, 43, 43);
const QRgb kBackground = qRgb(0, 0, 0);

bool isBox(QRgb colour) {
    return colour == kBoxFace || colour == kBoxOutline;
}

QMatrix4x4 translation(SceneModel::Vec3 v) {
    QMatrix4x4 m;
    m.translate(float(v.x), float(v.y), float(v.z));
    return m;
}

QMatrix4x4 turn(float degrees) {
    QMatrix4x4 m;
    m.rotate(degrees, 0, 1, 0);
    return m;
}

// The tool frame of the scene for the given joint angles, as the frame
// sequence builds it.
QMatrix4x4 toolFrame(float arm1Angle, float arm2Angle) {
    using namespace SceneModel;
    return translation(kArm1Joint) * turn(arm1Angle) * translation(kArm2Joint) * turn(arm2Angle) *
           translation(kToolOffset);
}

} // namespace

class TestSceneView : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void tableAtCreation();
    void switchesOffLeaveOnlyCylinders();
    void arm1AngleMovesTheArm();
    void slideZLowersTheHolder();
    void resizeKeepsThePicture();
    void inputRedrawsAtOnce();

private:
    QImage frame();
    // Pixel of a scene point seen from the window's camera at creation.
    QPoint pixelOf(QVector3D scenePoint) const;
    QRgb at(const QImage& image, QVector3D scenePoint) const;
    QString keep(const QImage& image, const char* name) const;

    ViewPose pose_;
    std::unique_ptr<VisualisationWindow> window_;
    SceneView* view_ = nullptr;
    QSize viewport_;
};

void TestSceneView::initTestCase() {
    window_ = std::make_unique<VisualisationWindow>(pose_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    view_ = window_->sceneView();
    QVERIFY2(view_ != nullptr, "no OpenGL context for the scene");
    QTRY_VERIFY(view_->isValid());
    viewport_ = view_->size() * view_->devicePixelRatio();
}

void TestSceneView::cleanup() {
    pose_.Arm1Angle = -90.0f;
    pose_.Arm2Angle = 0.0f;
    pose_.SlideZ = 0.0;
    for (const char* name : {"Modelkrawdziowy1", "Modelpaszczyznowy1"})
        window_->findChild<QAction*>(name)->setChecked(true);
}

QImage TestSceneView::frame() {
    QImage image = view_->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
    return image;
}

QPoint TestSceneView::pixelOf(QVector3D scenePoint) const {
    QMatrix4x4 projection;
    projection.frustum(-0.1f, 0.1f, -0.1f, 0.1f, 0.3f, 50.0f);
    QMatrix4x4 camera;
    camera.lookAt({0, 0, 20}, {0, 0, 0}, {0, 1, 0});
    const QVector3D ndc = (projection * camera).map(scenePoint);
    return {int((ndc.x() + 1) / 2 * viewport_.width()),
            int((1 - ndc.y()) / 2 * viewport_.height())};
}

QRgb TestSceneView::at(const QImage& image, QVector3D scenePoint) const {
    return image.pixel(pixelOf(scenePoint));
}

QString TestSceneView::keep(const QImage& image, const char* name) const {
    const QString path = QDir::temp().filePath(QStringLiteral("tst_view3d_scene-%1.png").arg(name));
    image.save(path);
    return path;
}

void TestSceneView::tableAtCreation() {
    const QImage image = frame();
    QCOMPARE(image.size(), viewport_);
    const QString saved = keep(image, "creation");
    // The nearest slat shows its end face and, above it, a thin band of top.
    QCOMPARE(at(image, {0, -3.9f, 7.25f}), kSlatEnd);
    QCOMPARE(at(image, {0, -3.65f, 7.125f}), kSlatTop);
    QCOMPARE(at(image, {1.5f, -3.9f, 7.25f}), kSlatEnd);
    // Beyond the table's right end and above the arm: nothing.
    QCOMPARE(at(image, {3.5f, -3.9f, 7.25f}), kBackground);
    QCOMPARE(at(image, {0, 3, 0}), kBackground);
    // The arm reaches towards the camera along +Z: its tool is drawn.
    QVERIFY2(isBox(at(image, toolFrame(-90, 0).map(QVector3D(0.425f, 0.5f, 0.4f)))),
             qPrintable(saved));
}

void TestSceneView::switchesOffLeaveOnlyCylinders() {
    for (const char* name : {"Modelkrawdziowy1", "Modelpaszczyznowy1"})
        window_->findChild<QAction*>(name)->trigger();
    const QImage image = frame();
    const QString saved = keep(image, "switches-off");

    // The guide rod and the screw lie within this box of the tool frame.
    QRect cylinders;
    const QMatrix4x4 tool = toolFrame(-90, 0);
    for (float x : {-0.1f, 0.4f})
        for (float y : {-0.4f, 1.5f})
            for (float z : {0.0f, 0.8f})
                cylinders |= QRect(pixelOf(tool.map(QVector3D(x, y, z))), QSize(1, 1));
    cylinders.adjust(-2, -2, 2, 2);

    int inside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y);
            QVERIFY2(colour != kBoxOutline, qPrintable(saved));
            if (colour == kBoxFace) {
                QVERIFY2(cylinders.contains(x, y), qPrintable(saved));
                ++inside;
            }
        }
    }
    QVERIFY2(inside > 20, qPrintable(saved));
    QCOMPARE(at(image, {0, -3.9f, 7.25f}), kSlatEnd);
}

void TestSceneView::arm1AngleMovesTheArm() {
    // The middle of arm 2 when arm 1 points along +X.
    const QVector3D arm2Middle =
        (translation(SceneModel::kArm1Joint) * turn(0) * translation(SceneModel::kArm2Joint))
            .map(QVector3D(0.9f, 0.11f, 0));
    const QImage along = frame();
    pose_.Arm1Angle = 0.0f;
    const QImage across = frame();
    const QString saved = keep(across, "arm1-0");
    QCOMPARE(at(along, arm2Middle), kBackground);
    QVERIFY2(isBox(at(across, arm2Middle)), qPrintable(saved));

    const auto centre = [](const QImage& image) {
        double sum = 0;
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (isBox(image.pixel(x, y))) {
                    sum += x;
                    ++count;
                }
        return sum / count;
    };
    QVERIFY2(centre(across) > centre(along) + 50, qPrintable(saved));
}

void TestSceneView::slideZLowersTheHolder() {
    // The pen holder's lowest front edge (the clamp blocks), tool frame.
    const QMatrix4x4 tool = toolFrame(-90, 0);
    const auto lowEdge = [&](float slideZ) {
        return pixelOf(tool.map(QVector3D(0.85f, -0.7f + slideZ, 0.4f)));
    };
    const auto lowestBoxRow = [](const QImage& image, int column) {
        for (int y = image.height() - 1; y >= 0; --y)
            if (isBox(image.pixel(column, y)))
                return y;
        return -1;
    };
    const int column = lowEdge(0).x();
    const QImage up = frame();
    pose_.SlideZ = -0.8;
    const QImage down = frame();
    const QString saved = keep(down, "slide-down");
    QVERIFY2(std::abs(lowestBoxRow(up, column) - lowEdge(0).y()) <= 2,
             qPrintable(keep(up, "slide-up")));
    QVERIFY2(std::abs(lowestBoxRow(down, column) - lowEdge(-0.8f).y()) <= 2, qPrintable(saved));
    QVERIFY(lowEdge(-0.8f).y() - lowEdge(0).y() > 20);
}

void TestSceneView::resizeKeepsThePicture() {
    const QImage before = frame();
    window_->resize(700, 400);
    QTRY_COMPARE(view_->width(), 700);
    const QImage after = frame();
    const QString saved = keep(after, "resized");
    // The picture keeps its size and stays anchored at the bottom left.
    const int shift = before.height() - after.height();
    QVERIFY(shift > 0);
    // The far edge of the table top: black above, table below.
    const QPoint edge = pixelOf({0, -3.65f, -7.5f});
    QCOMPARE(before.pixel(edge - QPoint(0, 5)), kBackground);
    QVERIFY(before.pixel(edge + QPoint(0, 5)) != kBackground);
    QCOMPARE(after.pixel(edge - QPoint(0, shift + 5)), kBackground);
    QVERIFY2(after.pixel(edge - QPoint(0, shift - 5)) != kBackground, qPrintable(saved));
    window_->resize(1024, 512);
}

void TestSceneView::inputRedrawsAtOnce() {
    // A window of its own, as this one moves the camera.
    ViewPose pose;
    VisualisationWindow window(pose);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    SceneView* view = window.sceneView();
    QVERIFY(view != nullptr);
    QTimer* timer = window.findChild<QTimer*>("Timer1");
    QSignalSpy frames(view, &QOpenGLWidget::frameSwapped);
    // The timer draws while the arm moves.
    for (int step = 1; step <= 3; ++step) {
        pose.Arm1Angle = -90.0f + float(step);
        QTRY_VERIFY(frames.count() >= step);
    }
    // A standing arm is not drawn again at every tick.
    const qsizetype drawn = frames.count();
    QSignalSpy ticks(timer, &QTimer::timeout);
    QTRY_VERIFY(ticks.count() >= 3);
    QCOMPARE(frames.count(), drawn);
    timer->stop();
    QCoreApplication::processEvents();
    frames.clear();

    QTest::keyClick(&window, Qt::Key_Up);
    QTRY_COMPARE(frames.count(), 1);
    QCOMPARE(window.camera().Up, (ViewCamera::IntVector{0, 2, 0}));
    QTest::keyClick(&window, Qt::Key_Down);
    QTRY_COMPARE(frames.count(), 2);

    QTest::mouseMove(view, QPoint(view->width() - 1, view->height() / 2));
    QTRY_COMPARE(frames.count(), 3);
    QVERIFY(window.camera().Eye[0] > 19.5f);

    const QPointF centre(view->width() / 2, view->height() / 2);
    QWheelEvent wheel(centre, view->mapToGlobal(centre), {}, QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view, &wheel);
    QTRY_COMPARE(frames.count(), 4);
    QVERIFY(std::abs(window.camera().distance() - 22.0) < 1e-3);

    // Over the info fields the mouse still moves the camera.
    QTest::mouseMove(&window, window.findChild<QWidget*>("Edit1")->geometry().center() +
                                  view->mapTo(&window, QPoint(0, 0)));
    QTRY_COMPARE(frames.count(), 5);
    QVERIFY(window.camera().Eye[1] > 10.0f);

    // A degenerate camera (Up made zero) draws a frame all the same.
    QTest::keyClick(&window, Qt::Key_Down);
    QTRY_COMPARE(frames.count(), 6);
    QCOMPARE(window.camera().Up, (ViewCamera::IntVector{0, 0, 0}));
    QVERIFY(!view->grabFramebuffer().isNull());
}

QTEST_MAIN(TestSceneView)
#include "tst_view3d_scene.moc"
