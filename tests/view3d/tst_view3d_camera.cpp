#include "view3d/viewcamera.h"

#include <QTest>

#include <cmath>
#include <vector>

using Vector = ViewCamera::Vector;
using IntVector = ViewCamera::IntVector;
Q_DECLARE_METATYPE(Vector)
Q_DECLARE_METATYPE(IntVector)
Q_DECLARE_METATYPE(CameraView)

namespace {

struct Key {
    int key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};
using Keys = std::vector<Key>;

bool near(const Vector& a, const Vector& b) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::abs(a[i] - b[i]) > 1e-4f * std::max(1.0f, std::abs(b[i])))
            return false;
    }
    return true;
}

QByteArray text(const Vector& v) {
    return QByteArray::number(v[0], 'g', 9) + ", " + QByteArray::number(v[1], 'g', 9) + ", " +
           QByteArray::number(v[2], 'g', 9);
}

} // namespace

Q_DECLARE_METATYPE(Keys)

class TestViewCamera : public QObject {
    Q_OBJECT

private slots:
    void startsOnPlusZLookingAtOrigin();
    void followMouse_data();
    void followMouse();
    void turnWheel_data();
    void turnWheel();
    void pressKeys_data();
    void pressKeys();
    void variableViewKeepsEyeUntilMouseMoves();
};

void TestViewCamera::startsOnPlusZLookingAtOrigin() {
    const ViewCamera camera;
    QCOMPARE(camera.Eye, (Vector{0, 0, 20}));
    QCOMPARE(camera.Target, (Vector{0, 0, 0}));
    QCOMPARE(camera.Up, (IntVector{0, 1, 0}));
    QCOMPARE(camera.view(), CameraView::Variable);
}

void TestViewCamera::followMouse_data() {
    QTest::addColumn<Vector>("eye");
    QTest::addColumn<CameraView>("view");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<Vector>("expected");

    const auto variable = CameraView::Variable;
    const float d = std::sqrt(1200.0f);
    QTest::newRow("centre") << Vector{0, 0, 20} << variable << 512 << 256 << 1024 << 512
                            << Vector{0, 0, 20};
    QTest::newRow("centre keeps the distance")
        << Vector{20, 20, 20} << variable << 512 << 256 << 1024 << 512 << Vector{0, 0, d};
    QTest::newRow("right edge on +X")
        << Vector{0, 0, 20} << variable << 1024 << 256 << 1024 << 512 << Vector{20, 0, 0};
    QTest::newRow("left edge on -X")
        << Vector{0, 0, 20} << variable << 0 << 256 << 1024 << 512 << Vector{-20, 0, 0};
    QTest::newRow("top edge on +Y")
        << Vector{0, 0, 20} << variable << 512 << 0 << 1024 << 512 << Vector{0, 20, 0};
    QTest::newRow("bottom edge on -Y")
        << Vector{0, 0, 20} << variable << 512 << 512 << 1024 << 512 << Vector{0, -20, 0};
    // Beyond a quarter turn the eye passes to the far side of the origin.
    const double rho = M_PI / std::sqrt(2.0);
    const float side = static_cast<float>(20 * std::cos(M_PI / 4) * std::sin(rho));
    QTest::newRow("top right corner behind")
        << Vector{0, 0, 20} << variable << 1024 << 0 << 1024 << 512
        << Vector{side, side, static_cast<float>(20 * std::cos(rho))};
    QTest::newRow("odd width: integer half")
        << Vector{0, 0, 20} << variable << 511 << 256 << 1023 << 512 << Vector{0, 0, 20};
    QTest::newRow("one pixel wide: left alone")
        << Vector{0, 0, 20} << variable << 0 << 256 << 1 << 512 << Vector{0, 0, 20};
    QTest::newRow("one pixel high: left alone")
        << Vector{0, 0, 20} << variable << 100 << 0 << 1024 << 1 << Vector{0, 0, 20};
    QTest::newRow("empty client area: left alone")
        << Vector{0, 0, 20} << variable << 7 << 7 << 0 << 0 << Vector{0, 0, 20};
    QTest::newRow("fixed view: left alone")
        << Vector{20, 0, 0} << CameraView::View2 << 1024 << 0 << 1024 << 512 << Vector{20, 0, 0};
}

void TestViewCamera::followMouse() {
    QFETCH(Vector, eye);
    QFETCH(CameraView, view);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(Vector, expected);

    ViewCamera camera;
    camera.chooseView(view);
    camera.Eye = eye;
    camera.followMouse(x, y, width, height);
    QVERIFY2(near(camera.Eye, expected), text(camera.Eye));
    QCOMPARE(camera.Up, (IntVector{0, 1, 0}));
}

void TestViewCamera::turnWheel_data() {
    QTest::addColumn<CameraView>("view");
    QTest::addColumn<QList<int>>("deltas");
    QTest::addColumn<float>("factor");

    QTest::newRow("three steps out") << CameraView::Variable << QList<int>{120, 120, 120} << 1.331f;
    QTest::newRow("one step in") << CameraView::Variable << QList<int>{-120} << 0.9f;
    QTest::newRow("size does not matter") << CameraView::Variable << QList<int>{1, 960} << 1.21f;
    QTest::newRow("out and in") << CameraView::Variable << QList<int>{-120, 120} << 0.99f;
    QTest::newRow("zero delta") << CameraView::Variable << QList<int>{0} << 1.0f;
    QTest::newRow("fixed view") << CameraView::View1 << QList<int>{120, -120, 120} << 1.0f;
}

void TestViewCamera::turnWheel() {
    QFETCH(CameraView, view);
    QFETCH(QList<int>, deltas);
    QFETCH(float, factor);

    ViewCamera camera;
    camera.chooseView(view);
    camera.Eye = {1, -2, 20};
    for (int delta : deltas)
        camera.turnWheel(delta);
    QVERIFY2(near(camera.Eye, {1 * factor, -2 * factor, 20 * factor}), text(camera.Eye));
    QCOMPARE(camera.view(), view);
}

void TestViewCamera::pressKeys_data() {
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<IntVector>("up");
    QTest::addColumn<Vector>("eye");
    QTest::addColumn<CameraView>("view");

    const Vector start{0, 0, 20};
    const auto variable = CameraView::Variable;
    const auto ctrl = Qt::ControlModifier;
    QTest::newRow("left") << Keys{{Qt::Key_Left}} << IntVector{-1, 1, 0} << start << variable;
    QTest::newRow("right twice") << Keys{{Qt::Key_Right}, {Qt::Key_Right}} << IntVector{2, 1, 0}
                                 << start << variable;
    QTest::newRow("up") << Keys{{Qt::Key_Up}} << IntVector{0, 2, 0} << start << variable;
    QTest::newRow("down to a zero up")
        << Keys{{Qt::Key_Down}} << IntVector{0, 0, 0} << start << variable;
    QTest::newRow("down unbounded") << Keys{{Qt::Key_Down}, {Qt::Key_Down}, {Qt::Key_Down}}
                                    << IntVector{0, -2, 0} << start << variable;
    QTest::newRow("ctrl left") << Keys{{Qt::Key_Left, ctrl}} << IntVector{0, 1, -1} << start
                               << variable;
    QTest::newRow("ctrl right") << Keys{{Qt::Key_Right, ctrl}} << IntVector{0, 1, 1} << start
                                << variable;
    QTest::newRow("ctrl up does nothing") << Keys{{Qt::Key_Up, ctrl}, {Qt::Key_Down, ctrl}}
                                          << IntVector{0, 1, 0} << start << variable;
    QTest::newRow("shift left does nothing")
        << Keys{{Qt::Key_Left, Qt::ShiftModifier}} << IntVector{0, 1, 0} << start << variable;
    QTest::newRow("alt right does nothing")
        << Keys{{Qt::Key_Right, Qt::AltModifier}} << IntVector{0, 1, 0} << start << variable;
    QTest::newRow("ctrl shift left does nothing") << Keys{{Qt::Key_Left, ctrl | Qt::ShiftModifier}}
                                                  << IntVector{0, 1, 0} << start << variable;
    QTest::newRow("arrow flagged as keypad")
        << Keys{{Qt::Key_Left, Qt::KeypadModifier}} << IntVector{-1, 1, 0} << start << variable;
    QTest::newRow("1") << Keys{{Qt::Key_Left}, {Qt::Key_Down}, {Qt::Key_1}} << IntVector{0, 1, 0}
                       << Vector{20, 20, 20} << CameraView::View1;
    QTest::newRow("2") << Keys{{Qt::Key_2}} << IntVector{0, 1, 0} << Vector{20, 0, 0}
                       << CameraView::View2;
    QTest::newRow("3") << Keys{{Qt::Key_3}} << IntVector{0, 1, 0} << Vector{-1.86f, 20, 0}
                       << CameraView::View3;
    QTest::newRow("4") << Keys{{Qt::Key_4}} << IntVector{0, 1, 0} << Vector{-19, 19, -19}
                       << CameraView::View4;
    QTest::newRow("arrows still tilt a fixed view")
        << Keys{{Qt::Key_4}, {Qt::Key_Right}} << IntVector{1, 1, 0} << Vector{-19, 19, -19}
        << CameraView::View4;
    QTest::newRow("keypad 1 does nothing")
        << Keys{{Qt::Key_1, Qt::KeypadModifier}} << IntVector{0, 1, 0} << start << variable;
    QTest::newRow("ctrl 1 does nothing")
        << Keys{{Qt::Key_1, ctrl}} << IntVector{0, 1, 0} << start << variable;
    QTest::newRow("5 does nothing") << Keys{{Qt::Key_5}} << IntVector{0, 1, 0} << start << variable;
    QTest::newRow("1 then W keeps the eye")
        << Keys{{Qt::Key_1}, {Qt::Key_W}} << IntVector{0, 1, 0} << Vector{20, 20, 20} << variable;
    QTest::newRow("W keeps a tilted up")
        << Keys{{Qt::Key_Left}, {Qt::Key_W}} << IntVector{-1, 1, 0} << start << variable;
}

void TestViewCamera::pressKeys() {
    QFETCH(Keys, keys);
    QFETCH(IntVector, up);
    QFETCH(Vector, eye);
    QFETCH(CameraView, view);

    ViewCamera camera;
    for (const Key& key : keys)
        camera.pressKey(key.key, key.modifiers);
    QCOMPARE(camera.Up, up);
    QVERIFY2(near(camera.Eye, eye), text(camera.Eye));
    QCOMPARE(camera.view(), view);
    QCOMPARE(camera.Target, (Vector{0, 0, 0}));
}

void TestViewCamera::variableViewKeepsEyeUntilMouseMoves() {
    ViewCamera camera;
    camera.pressKey(Qt::Key_1, Qt::NoModifier);
    QVERIFY(!camera.turnWheel(120));
    camera.pressKey(Qt::Key_W, Qt::NoModifier);
    QCOMPARE(camera.Eye, (Vector{20, 20, 20}));
    QVERIFY(camera.followMouse(512, 256, 1024, 512));
    QVERIFY2(near(camera.Eye, {0, 0, 34.641016f}), text(camera.Eye));
    QVERIFY(std::abs(camera.distance() - 34.641016) < 1e-4);
}

QTEST_APPLESS_MAIN(TestViewCamera)
#include "tst_view3d_camera.moc"
