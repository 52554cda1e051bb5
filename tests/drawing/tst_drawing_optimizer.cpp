#include <QMetaType>
// The path optimiser: joins, simplification, zero moves, ordering, and a
// program's other lines kept in place.
#include "drawing/pathoptimizer.h"
#include "gcode/gcodeblock.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

DrawnPath path(std::vector<PathPoint> points, double z = 1) {
    return DrawnPath{std::move(points), z};
}

// The drawn segments without direction, as a multiset.
std::map<std::array<double, 4>, int> segments(const Drawing& drawing) {
    std::map<std::array<double, 4>, int> out;
    for (const DrawnPath& p : drawing.paths) {
        for (size_t i = 0; i + 1 < p.points.size(); ++i) {
            PathPoint a = p.points[i], b = p.points[i + 1];
            if (a == b)
                continue;
            if (std::tie(b.x, b.y) < std::tie(a.x, a.y))
                std::swap(a, b);
            ++out[{a.x, a.y, b.x, b.y}];
        }
    }
    return out;
}

double penUp(const Drawing& drawing, PathPoint at) {
    double total = 0;
    for (const DrawnPath& p : drawing.paths) {
        total += std::hypot(p.points.front().x - at.x, p.points.front().y - at.y);
        at = p.points.back();
    }
    return total;
}

} // namespace

Q_DECLARE_METATYPE(Drawing)
Q_DECLARE_METATYPE(OptimizerSettings)
Q_DECLARE_METATYPE(TravelCost)
Q_DECLARE_METATYPE(std::vector<DrawnPath>)

class OptimizerTest : public QObject {
    Q_OBJECT

private slots:
    void steps_data();
    void steps();
    void orderingKeepsEveryStroke_data();
    void orderingKeepsEveryStroke();
    void programLinesKeptInPlace();
    void knownBestOrder_data();
    void knownBestOrder();
    void nearEndsDrawnOn();
    void layersKeptApart();
};

void OptimizerTest::steps_data() {
    QTest::addColumn<Drawing>("input");
    QTest::addColumn<Drawing>("expected");
    QTest::addColumn<OptimizerSettings>("settings");
    OptimizerSettings noOrder;
    noOrder.order = false;
    QTest::newRow("join end to start") << Drawing{{path({{1, 1}, {2, 1}}), path({{2, 1}, {3, 2}})}}
                                       << Drawing{{path({{1, 1}, {2, 1}, {3, 2}})}} << noOrder;
    QTest::newRow("join reversed") << Drawing{{path({{1, 1}, {2, 1}}), path({{3, 2}, {2, 1}})}}
                                   << Drawing{{path({{1, 1}, {2, 1}, {3, 2}})}} << noOrder;
    QTest::newRow("join at the start") << Drawing{{path({{2, 1}, {3, 2}}), path({{1, 1}, {2, 1}})}}
                                       << Drawing{{path({{1, 1}, {2, 1}, {3, 2}})}} << noOrder;
    QTest::newRow("no join across pens")
        << Drawing{{path({{1, 1}, {2, 1}}, 1), path({{2, 1}, {3, 2}}, 2)}}
        << Drawing{{path({{1, 1}, {2, 1}}, 1), path({{2, 1}, {3, 2}}, 2)}} << noOrder;
    QTest::newRow("points on the line dropped")
        << Drawing{{path({{0, 0}, {1, 0.2}, {2, 0}, {3, 0.24}, {4, 0}})}}
        << Drawing{{path({{0, 0}, {4, 0}})}} << noOrder;
    QTest::newRow("corner kept") << Drawing{{path({{0, 0}, {5, 0.3}, {10, 0}})}}
                                 << Drawing{{path({{0, 0}, {5, 0.3}, {10, 0}})}} << noOrder;
    QTest::newRow("zero moves and empty paths dropped")
        << Drawing{{path({{1, 1}, {1, 1}, {2, 2}, {2, 2}}), path({{5, 5}, {5, 5}})}}
        << Drawing{{path({{1, 1}, {2, 2}})}} << noOrder;
    QTest::newRow("nearest first, reversed where shorter")
        << Drawing{{path({{0, 100}, {10, 100}}), path({{490, 0}, {480, 10}}),
                    path({{300, 100}, {400, 50}})}}
        << Drawing{{path({{490, 0}, {480, 10}}), path({{400, 50}, {300, 100}}),
                    path({{10, 100}, {0, 100}})}}
        << OptimizerSettings{};
    QTest::newRow("pens in their first order")
        << Drawing{{path({{0, 100}, {10, 100}}, 2), path({{490, 0}, {480, 10}}, 1)}}
        << Drawing{{path({{10, 100}, {0, 100}}, 2), path({{480, 10}, {490, 0}}, 1)}}
        << OptimizerSettings{};
}

void OptimizerTest::steps() {
    QFETCH(Drawing, input);
    QFETCH(Drawing, expected);
    QFETCH(OptimizerSettings, settings);
    const Drawing output = OptimizeDrawing(input, settings, kDrawingHome);
    QCOMPARE(output.paths.size(), expected.paths.size());
    for (size_t i = 0; i < output.paths.size(); ++i) {
        QCOMPARE(output.paths[i].points, expected.paths[i].points);
        QCOMPARE(output.paths[i].z, expected.paths[i].z);
    }
}

void OptimizerTest::orderingKeepsEveryStroke_data() {
    QTest::addColumn<TravelCost>("cost");
    QTest::addColumn<int>("strokes");
    QTest::newRow("distance, 400") << TravelCost::Distance << 400;
    QTest::newRow("joint time, 400") << TravelCost::JointTime << 400;
    QTest::newRow("distance, 3000 (windowed 2-opt)") << TravelCost::Distance << 3000;
}

void OptimizerTest::orderingKeepsEveryStroke() {
    QFETCH(TravelCost, cost);
    QFETCH(int, strokes);
    QRandomGenerator random(7);
    Drawing drawing;
    for (int i = 0; i < strokes; ++i) {
        const double x = random.bounded(-400, 400), y = random.bounded(20, 400);
        drawing.paths.push_back(path({{x, y}, {x + random.bounded(-9, 9), y + 10}}));
    }
    OptimizerSettings settings;
    settings.cost = cost;
    settings.simplify = false;
    const Drawing output = OptimizeDrawing(drawing, settings, kDrawingHome);
    QCOMPARE(segments(output), segments(drawing));
    const double before = penUp(drawing, kDrawingHome), after = penUp(output, kDrawingHome);
    QVERIFY2(after < 0.5 * before, qPrintable(QStringLiteral("%1 %2").arg(before).arg(after)));
    if (cost == TravelCost::JointTime)
        QVERIFY(DrawingArmTravel(output, kDrawingHome) <
                0.5 * DrawingArmTravel(drawing, kDrawingHome));
}

void OptimizerTest::programLinesKeptInPlace() {
    // A pause splits the drawing: what came before it is drawn before it.
    const ProgramText program = ProgramText::fromLines(
        {"N10 M03 T0", "N20 G00 X 100 Y 100 Z 10", "N30 G01 X 110 Y 100 Z 1",
         "N40 G01 X 120 Y 100 Z 1", "N50 G00 X 400 Y 10 Z 10", "N60 G01 X 410 Y 10 Z 1", "N70 M00",
         "N80 G00 X 0 Y 300 Z 10", "N90 G01 X 10 Y 300 Z 1", "N100 M30"});
    OptimizerSettings settings;
    settings.cost = TravelCost::Distance;
    const Result<ProgramOptimization> result = OptimizeProgram(program, settings);
    QVERIFY2(result.ok(), result.ok() ? "" : qPrintable(result.error()));
    QCOMPARE(
        result->lines.toStringList(),
        (QStringList{u"N10 M03 T0"_qs, u"N20 G00 X 410 Y 10 Z 10"_qs, u"N30 G01 X 400 Y 10 Z 1"_qs,
                     u"N40 G00 X 120 Y 100 Z 10"_qs, u"N50 G01 X 100 Y 100 Z 1"_qs, u"N60 M00"_qs,
                     u"N70 G00 X 10 Y 300 Z 10"_qs, u"N80 G01 X 0 Y 300 Z 1"_qs, u"N90 M30"_qs}));
    QCOMPARE(result->before.lines, qsizetype(10));
    QCOMPARE(result->after.lines, qsizetype(9));
    QCOMPARE(result->before.penLifts, qsizetype(2)); // a travel after drawing
    QCOMPARE(result->after.drawnLength, result->before.drawnLength);
    QVERIFY(result->after.penUpLength < result->before.penUpLength);
    QCOMPARE(result->after.elbowCrossings, result->before.elbowCrossings);
}

// Short strokes whose best order is known, shuffled and turned at random;
// the tour starts at the first stroke's start, so the best pen-up travel is
// what the row gives.
void OptimizerTest::knownBestOrder_data() {
    QTest::addColumn<std::vector<DrawnPath>>("strokes");
    QTest::addColumn<double>("best");
    // 60 strokes along a circle, gaps of 5 degrees between them: around it.
    std::vector<DrawnPath> circle;
    const double radius = 150, step = 2 * M_PI / 60;
    auto onCircle = [&](double a) {
        return PathPoint{radius * std::cos(a), 250 + radius * std::sin(a)};
    };
    for (int i = 0; i < 60; ++i)
        circle.push_back(path({onCircle(i * step), onCircle(i * step + step / 2)}));
    const double gap = 2 * radius * std::sin(step / 4);
    QTest::newRow("circle") << circle << 59 * gap;
    // 12 x 8 strokes of length 1, 10 apart: along each row, back along the
    // next (9 within a row, 10 up to the next).
    std::vector<DrawnPath> grid;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 12; ++column)
            grid.push_back(
                path({{10.0 * column, 100.0 + 10 * row}, {10.0 * column + 1, 100.0 + 10 * row}}));
    }
    QTest::newRow("grid") << grid << (8 * 11 * 9 + 7 * 10.0);
}

void OptimizerTest::knownBestOrder() {
    QFETCH(std::vector<DrawnPath>, strokes);
    QFETCH(double, best);
    const PathPoint start = strokes.front().points.front();
    QRandomGenerator random(3);
    Drawing drawing;
    for (DrawnPath stroke : strokes) {
        if (random.bounded(2))
            std::reverse(stroke.points.begin(), stroke.points.end());
        drawing.paths.insert(drawing.paths.begin() + random.bounded(int(drawing.paths.size()) + 1),
                             stroke);
    }
    OptimizerSettings settings;
    settings.cost = TravelCost::Distance;
    const Drawing output = OptimizeDrawing(drawing, settings, start);
    QCOMPARE(output.paths.size(), strokes.size());
    QCOMPARE(segments(output), segments(drawing));
    const double travel = penUp(output, start);
    QVERIFY2(travel <= best * (1 + 1e-9),
             qPrintable(QStringLiteral("%1 %2").arg(travel).arg(best)));
}

// Ends closer than the tolerance are drawn across, and only those.
void OptimizerTest::nearEndsDrawnOn() {
    Drawing drawing;
    drawing.paths = {path({{0, 100}, {10, 100}}), path({{10.2, 100}, {20, 100}}),
                     path({{20.5, 100}, {30, 100}}), path({{30.1, 100}, {40, 100}}, 2)};
    OptimizerSettings settings;
    settings.simplify = false;
    OptimizerCounts counts;
    const Drawing output = OptimizeDrawing(drawing, settings, {0, 100}, &counts);
    QCOMPARE(output.paths.size(), size_t(3)); // 0,2 apart; 0,5 is beyond; another Z stays apart
    QCOMPARE(output.paths[0].points,
             (std::vector<PathPoint>{{0, 100}, {10, 100}, {10.2, 100}, {20, 100}}));
    QCOMPARE(counts.pathsJoined, qsizetype(1));
}

// Two layers of the same pen side by side: each is ordered on its own,
// behind its mark.
void OptimizerTest::layersKeptApart() {
    QList<QByteArray> lines;
    for (int layer = 1; layer <= 2; ++layer) {
        lines << "(warstwa " + QByteArray::number(layer) + ")";
        for (int i = 0; i < 6; ++i) {
            const QByteArray x = QByteArray::number(20 * i + (layer == 1 ? 0 : 10));
            lines << "G00 X " + x + " Y 200 Z 10"
                  << "G01 X " + x + " Y 210 Z 1";
        }
    }
    lines << "M30";
    const Result<ProgramOptimization> result =
        OptimizeProgram(ProgramText::fromLines(lines), OptimizerSettings{});
    QVERIFY(result.ok());
    const QList<QByteArray> out = result->lines.toLines();
    QCOMPARE(out.count("(warstwa 1)"), 1);
    const qsizetype second = out.indexOf("(warstwa 2)");
    QVERIFY(second > out.indexOf("(warstwa 1)"));
    for (qsizetype i = 0; i < out.size(); ++i) {
        const GcodeBlock block = ParseBlock(out[i]);
        if (!block.has(GcodeWord::X))
            continue;
        const int x = block.word(GcodeWord::X).toInt();
        QCOMPARE(x % 20 == 0 ? 1 : 2, i < second ? 1 : 2);
    }
}

QTEST_GUILESS_MAIN(OptimizerTest)
#include "tst_drawing_optimizer.moc"
