// The two position panels of the simulation page: the picture the page shows
// before anything has moved, where each line of text lies, and that a panel
// drawn again over an older picture shows nothing of it.
#include "motion/positionpanels.h"
#include "motion/simulationstate.h"

#include <QTest>

#include <functional>

Q_DECLARE_METATYPE(std::function<void(SimulationState&)>)

namespace {

using Change = std::function<void(SimulationState&)>;
using Draw = void (*)(QImage&, const SimulationState&);

constexpr QRgb kSilver = 0xffc0c0c0;
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kBlue = 0xff0000ff;

QImage drawn(Draw draw, const SimulationState& state) {
    QImage image = PositionPanels::makePanelImage();
    draw(image, state);
    return image;
}

// The rows in which the two pictures differ, as [first, last]; {-1, -1}
// when they are the same.
std::pair<int, int> changedRows(const QImage& a, const QImage& b) {
    int first = -1;
    int last = -1;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

// Whether any pixel inside the outline has this colour.
bool shows(const QImage& image, QRgb colour) {
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x)
            if (image.pixel(x, y) == colour)
                return true;
    return false;
}

} // namespace

class TestPositionPanels : public QObject {
    Q_OBJECT
private slots:
    void startPictures();
    void eachValueOnItsLine_data();
    void eachValueOnItsLine();
    void drawingAgainLeavesNothingOfThePicture();
};

void TestPositionPanels::startPictures() {
    const QImage position = PositionPanels::StartPositionPanel();
    const QImage move = PositionPanels::StartMovePanel();
    for (const QImage& panel : {position, move}) {
        QCOMPARE(panel.size(), QSize(320, 280));
        QCOMPARE(panel.format(), QImage::Format_RGB32);
        // A black outline round a silver field.
        for (QPoint corner : {QPoint(0, 0), QPoint(319, 0), QPoint(0, 279), QPoint(319, 279)})
            QCOMPARE(panel.pixel(corner), kBlack);
        QCOMPARE(panel.pixel(160, 0), kBlack);
        QCOMPARE(panel.pixel(0, 140), kBlack);
        QCOMPARE(panel.pixel(1, 1), kSilver);
        QCOMPARE(panel.pixel(310, 270), kSilver);
        QCOMPARE(panel.pixel(10, 140), kSilver); // left of the text
    }
    // Blue text on the position panel, black on the move panel.
    QVERIFY(shows(position, kBlue));
    QVERIFY(!shows(position, kBlack));
    QVERIFY(shows(move, kBlack));
    QVERIFY(!shows(move, kBlue));
    // The arm waits at its home point: X 500, Y 0.
    SimulationState home;
    home.currentX = 500;
    home.currentY = 0;
    QCOMPARE(position, drawn(PositionPanels::DrawPositionPanel, home));
    home.currentX = 0;
    QVERIFY(position != drawn(PositionPanels::DrawPositionPanel, home));
}

void TestPositionPanels::eachValueOnItsLine_data() {
    QTest::addColumn<bool>("positionPanel");
    QTest::addColumn<Change>("change");
    // The lines the change shows on, counted from 0 at the top; each line is
    // 30 pixels high from y 5.
    QTest::addColumn<int>("firstLine");
    QTest::addColumn<int>("lastLine");
    QTest::newRow("N") << true << Change([](SimulationState& s) { s.nText = "120"; }) << 1 << 1;
    QTest::newRow("G") << true << Change([](SimulationState& s) { s.gText = "01"; }) << 2 << 2;
    QTest::newRow("T") << true << Change([](SimulationState& s) { s.tText = "2"; }) << 3 << 3;
    QTest::newRow("current X") << true << Change([](SimulationState& s) { s.currentX = -31.5; })
                               << 4 << 4;
    QTest::newRow("current Y") << true << Change([](SimulationState& s) { s.currentY = 250; }) << 5
                               << 5;
    QTest::newRow("Z text") << true << Change([](SimulationState& s) { s.zText = "3"; }) << 6 << 6;
    QTest::newRow("from X") << false << Change([](SimulationState& s) { s.startX = 120.5; }) << 1
                            << 1;
    QTest::newRow("from Y") << false << Change([](SimulationState& s) { s.startY = -40; }) << 2
                            << 2;
    QTest::newRow("to X") << false << Change([](SimulationState& s) { s.x = 300; }) << 5 << 5;
    QTest::newRow("to Y") << false << Change([](SimulationState& s) { s.y = 410; }) << 6 << 6;
    // Z shows on both halves of the move panel.
    QTest::newRow("Z") << false << Change([](SimulationState& s) { s.z = 4; }) << 3 << 7;
}

void TestPositionPanels::eachValueOnItsLine() {
    QFETCH(bool, positionPanel);
    QFETCH(Change, change);
    QFETCH(int, firstLine);
    QFETCH(int, lastLine);
    const Draw draw =
        positionPanel ? PositionPanels::DrawPositionPanel : PositionPanels::DrawMovePanel;
    SimulationState changed;
    change(changed);
    const auto [first, last] = changedRows(drawn(draw, SimulationState{}), drawn(draw, changed));
    QVERIFY2(first >= 0, "the change does not show");
    QCOMPARE((first - 5) / 30, firstLine);
    QCOMPARE((last - 5) / 30, lastLine);
}

void TestPositionPanels::drawingAgainLeavesNothingOfThePicture() {
    SimulationState busy;
    busy.nText = "123456789";
    busy.gText = "01";
    busy.tText = "99";
    busy.currentX = -499.25;
    busy.currentY = 488.75;
    busy.zText = "6";
    busy.startX = -123.5;
    busy.startY = 321.25;
    busy.x = -400;
    busy.y = 450;
    busy.z = 6;
    QImage position = PositionPanels::makePanelImage();
    QImage move = PositionPanels::makePanelImage();
    PositionPanels::DrawPositionPanel(position, busy);
    PositionPanels::DrawMovePanel(move, busy);
    PositionPanels::DrawPositionPanel(position, SimulationState{});
    PositionPanels::DrawMovePanel(move, SimulationState{});
    QCOMPARE(position, PositionPanels::StartPositionPanel());
    QCOMPARE(move, PositionPanels::StartMovePanel());
}

QTEST_MAIN(TestPositionPanels)
#include "tst_motion_panels.moc"
