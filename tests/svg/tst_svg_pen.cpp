// What the pen makes of a document's shapes on import: fills hatched in
// program units, what later fills cover left out, text in one stroke.
#include "svg/svgimport.h"

#include <QRegularExpression>
#include <QTest>

#include <cmath>

namespace {

struct Move {
    bool drawn = false;
    double x = 0, y = 0;
};

// The moves of a program the import wrote, with whether each draws.
std::vector<Move> movesOf(const ProgramText& program) {
    static const QRegularExpression word(QStringLiteral("G(\\d+) X ?(-?\\d+) Y ?(-?\\d+)"));
    std::vector<Move> moves;
    for (qsizetype i = 0; i < program.lineCount(); ++i) {
        const QRegularExpressionMatch m = word.match(QString::fromLatin1(program.line(i)));
        if (m.hasMatch())
            moves.push_back(
                {m.captured(1).toInt() == 1, m.captured(2).toDouble(), m.captured(3).toDouble()});
    }
    return moves;
}

QByteArray page(const QByteArray& body) {
    return R"(<svg xmlns="http://www.w3.org/2000/svg" width="200mm" height="200mm" viewBox="0 0 200 200">)" +
           body + "</svg>";
}

// Page millimetres (Y up) of a point of the 200 mm page's user units.
double pageY(double userY) {
    return 200 - userY;
}

int penDowns(const std::vector<Move>& moves) {
    int downs = 0;
    for (size_t i = 0; i < moves.size(); ++i)
        downs += moves[i].drawn && (i == 0 || !moves[i - 1].drawn);
    return downs;
}

} // namespace

class SvgPenTest : public QObject {
    Q_OBJECT

private slots:
    void discIsHatchedInsideInFewStrokes() {
        SvgImportSettings settings;
        settings.pen.hatchSpacing = 2;
        const Result<SvgImport> imported =
            ImportSvg(page(R"(<circle cx="100" cy="100" r="40" fill="black"/>)"), "disc", settings);
        QVERIFY2(imported, qPrintable(imported ? QString() : imported.error()));
        const std::vector<Move> moves = movesOf(imported->program);
        double drawn = 0;
        for (size_t i = 1; i < moves.size(); ++i) {
            QVERIFY(std::hypot(moves[i].x - 100, moves[i].y - pageY(100)) <= 41);
            if (moves[i].drawn)
                drawn += std::hypot(moves[i].x - moves[i - 1].x, moves[i].y - moves[i - 1].y);
        }
        // About the disc's area over the spacing, plus its edge.
        const double hatch = M_PI * 40 * 40 / 2;
        QVERIFY2(drawn > 0.9 * hatch && drawn < 1.1 * hatch + 2 * M_PI * 40 + 40,
                 qPrintable(QString::number(drawn)));
        QVERIFY2(penDowns(moves) <= 3, qPrintable(QString::number(penDowns(moves))));
    }

    void laterFillHidesWhatLiesBeneath() {
        SvgImportSettings settings;
        settings.pen.occlude = true;
        const Result<SvgImport> imported = ImportSvg(
            page(R"(<rect x="20" y="20" width="100" height="100" fill="none" stroke="black"/>
                    <circle cx="120" cy="120" r="30" fill="black"/>)"),
            "hidden", settings);
        QVERIFY(imported);
        const std::vector<Move> moves = movesOf(imported->program);
        int onRectInsideDisc = 0;
        for (const Move& m : moves) {
            const bool onRect = std::abs(m.x - 120) < 1 || std::abs(m.y - pageY(120)) < 1;
            if (m.drawn && onRect && std::hypot(m.x - 120, m.y - pageY(120)) < 29)
                ++onRectInsideDisc;
        }
        QCOMPARE(onRectInsideDisc, 0);
    }

    void textIsWrittenInOneStroke_data() {
        QTest::addColumn<bool>("singleStroke");
        QTest::newRow("single stroke") << true;
        QTest::newRow("outline") << false;
    }
    void textIsWrittenInOneStroke() {
        QFETCH(bool, singleStroke);
        SvgImportSettings settings;
        settings.pen.text = singleStroke ? PenTextMode::SingleStroke : PenTextMode::Outline;
        const QByteArray text = page(
            R"(<text x="100" y="100" font-size="20" text-anchor="middle">Zażółć gęślą jaźń</text>)");
        const Result<SvgImport> imported = ImportSvg(text, "text", settings);
        QVERIFY(imported);
        const QString report = imported->report.join('\n');
        QCOMPARE(report.contains(QStringLiteral("futural")), singleStroke);
        // Centred on x = 100: as much ink left of the middle as right of it.
        double left = 1e9, right = -1e9;
        for (const Move& m : movesOf(imported->program)) {
            if (m.drawn)
                left = std::min(left, m.x), right = std::max(right, m.x);
        }
        QVERIFY2(std::abs((left + right) / 2 - 100) < 4,
                 qPrintable(QStringLiteral("%1 %2").arg(left).arg(right)));
    }

    // A clip path bounds what the pass adds to a shape as it bounds the
    // shape's own outline: its hatching, its text and what its fill hides.
    void aClipPathBoundsWhatThePassAdds_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("hatch");
        QTest::addColumn<bool>("occlude");
        const QByteArray leftHalf = "<clipPath id='c'><rect width='100' height='200'/></clipPath>";
        QTest::newRow("hatching")
            << leftHalf + "<circle cx='100' cy='100' r='40' fill='black' clip-path='url(#c)'/>"
            << true << false;
        QTest::newRow("text") << leftHalf + "<text x='100' y='100' font-size='20' "
                                            "text-anchor='middle' clip-path='url(#c)'>HHHHHH</text>"
                              << false << false;
        QTest::newRow("hidden lines")
            << leftHalf + "<rect x='20' y='20' width='100' height='100' fill='none' "
                          "stroke='black'/><circle cx='120' cy='120' r='30' fill='black' "
                          "clip-path='url(#c)'/>"
            << false << true;
    }
    void aClipPathBoundsWhatThePassAdds() {
        QFETCH(QByteArray, body);
        QFETCH(bool, hatch);
        QFETCH(bool, occlude);
        SvgImportSettings settings;
        if (hatch)
            settings.pen.hatchSpacing = 2;
        settings.pen.occlude = occlude;
        const Result<SvgImport> imported = ImportSvg(page(body), "clipped", settings);
        QVERIFY2(imported, qPrintable(imported ? QString() : imported.error()));
        const std::vector<Move> moves = movesOf(imported->program);
        if (!occlude) {
            double leftInk = 0, rightInk = 0;
            for (size_t i = 1; i < moves.size(); ++i) {
                if (!moves[i].drawn)
                    continue;
                const double length =
                    std::hypot(moves[i].x - moves[i - 1].x, moves[i].y - moves[i - 1].y);
                (std::max(moves[i].x, moves[i - 1].x) <= 101 ? leftInk : rightInk) += length;
            }
            QVERIFY2(leftInk > 100 && rightInk == 0,
                     qPrintable(QStringLiteral("%1 %2").arg(leftInk).arg(rightInk)));
            return;
        }
        // The disc is seen left of x = 100 only: the square's right edge,
        // through the disc's unseen half, stays drawn to its corner.
        bool cornerDrawn = false;
        for (size_t i = 1; i < moves.size(); ++i) {
            const bool atCorner = std::hypot(moves[i].x - 120, moves[i].y - pageY(120)) < 1 ||
                                  std::hypot(moves[i - 1].x - 120, moves[i - 1].y - pageY(120)) < 1;
            cornerDrawn = cornerDrawn || (moves[i].drawn && atCorner);
        }
        QVERIFY(cornerDrawn);
    }
};

QTEST_MAIN(SvgPenTest)
#include "tst_svg_pen.moc"
