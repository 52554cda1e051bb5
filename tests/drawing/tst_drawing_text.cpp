// Single-stroke text: the Polish letters' marks where they belong in every
// bundled font, the layout's lines and alignment, characters the font lacks
// named and counted, and scara-cli text refusing bad input without output.
#include "drawing/pentexts.h"
#include "drawing/programinsert.h"
#include "drawing/strokefontmarks.h"
#include "drawing/textlayout.h"
#include "support/files.h"
#include "support/toolrun.h"

#include <QFile>
#include <QTest>

#include <algorithm>
#include <limits>

namespace {

struct Box {
    double minX = std::numeric_limits<double>::max(), minY = minX;
    double maxX = std::numeric_limits<double>::lowest(), maxY = maxX;
};

template <typename Strokes> Box boxOf(const Strokes& strokes) {
    Box b;
    for (const Stroke& s : strokes) {
        for (const PathPoint& p : s) {
            b.minX = std::min(b.minX, p.x), b.maxX = std::max(b.maxX, p.x);
            b.minY = std::min(b.minY, p.y), b.maxY = std::max(b.maxY, p.y);
        }
    }
    return b;
}

// True when the line from a to b and the one from c to d cross.
bool crosses(PathPoint a, PathPoint b, PathPoint c, PathPoint d) {
    auto side = [](PathPoint p, PathPoint q, PathPoint r) {
        return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
    };
    return side(a, b, c) * side(a, b, d) < 0 && side(c, d, a) * side(c, d, b) < 0;
}
bool crosses(const Stroke& bar, const std::vector<Stroke>& strokes) {
    for (const Stroke& s : strokes) {
        for (size_t i = 1; i < s.size(); ++i) {
            if (crosses(bar.front(), bar.back(), s[i - 1], s[i]))
                return true;
        }
    }
    return false;
}

StrokeFont font(const QString& name) {
    Result<StrokeFont> loaded = LoadStrokeFont(name);
    if (!loaded)
        qFatal("%s", qPrintable(loaded.error()));
    return *loaded;
}

} // namespace

class DrawingTextTest : public QObject {
    Q_OBJECT

private slots:
    void marksWhereTheyBelong_data() {
        QTest::addColumn<QString>("fontName");
        QTest::addColumn<uint>("letter");
        for (const QString& name : StrokeFontNames()) {
            for (const ComposedLetter& l : PolishLetters()) {
                const QString row = name + u' ' + QString::fromUcs4(&l.letter, 1);
                QTest::newRow(row.toUtf8().constData()) << name << uint(l.letter);
            }
        }
    }
    void marksWhereTheyBelong() {
        QFETCH(QString, fontName);
        QFETCH(uint, letter);
        const StrokeFont f = font(fontName);
        const auto entry =
            std::find_if(PolishLetters().begin(), PolishLetters().end(),
                         [&](const ComposedLetter& l) { return l.letter == letter; });
        const StrokeGlyph* composed = f.glyph(letter);
        const StrokeGlyph* base = f.glyph(entry->base);
        QVERIFY(composed != nullptr && base != nullptr);
        // The base drawn as it is, the mark after it.
        QVERIFY(std::equal(base->strokes.begin(), base->strokes.end(), composed->strokes.begin()));
        const std::vector<Stroke> mark(composed->strokes.begin() + base->strokes.size(),
                                       composed->strokes.end());
        QVERIFY(!mark.empty());
        const Box b = boxOf(base->strokes), m = boxOf(mark);
        const double middle = (m.minX + m.maxX) / 2, cap = f.metrics().capHeight;
        switch (entry->mark) {
        case GlyphMark::Acute:
        case GlyphMark::Dot: // above the letter, over its middle, no higher than an accent
            QVERIFY(m.minY > b.maxY);
            QVERIFY(m.maxY < b.maxY + 0.5 * cap);
            QVERIFY(middle > b.minX && middle < b.maxX);
            break;
        case GlyphMark::Ogonek: // hangs from the baseline, right of the middle, within the descent
            QVERIFY(m.maxY - b.minY < 0.05 * cap + 1e-9);
            QVERIFY(m.minY < -0.2 * cap && m.minY > -f.metrics().descent - 1e-9);
            QVERIFY(mark.front().front().x > (b.minX + b.maxX) / 2 - 0.1 * cap);
            break;
        case GlyphMark::Bar: // across the stem, between the baseline and the letter's top
            QVERIFY(m.minY > 0 && m.maxY < b.maxY);
            QVERIFY(crosses(mark.front(), base->strokes));
            break;
        }
        // A mark that reaches out widens the letter: no ink past its neighbours.
        QVERIFY(m.minX >= composed->left - 1e-9 && m.maxX <= composed->right + 1e-9);
    }

    void linesAndAlignment_data() {
        QTest::addColumn<int>("align");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("right");
        // "H" and "HH" are 22 and 44 font units wide, "H" 21 high: at a
        // capital height of 21 a unit is a unit.
        QTest::newRow("left") << int(TextAlign::Left) << 0.0 << 44.0;
        QTest::newRow("center") << int(TextAlign::Center) << -22.0 << 22.0;
        QTest::newRow("right") << int(TextAlign::Right) << -44.0 << 0.0;
    }
    void linesAndAlignment() {
        QFETCH(int, align);
        QFETCH(double, left);
        QFETCH(double, right);
        TextSettings settings;
        settings.height = 21;
        settings.align = TextAlign(align);
        const Result<TextLayout> text = LayOutText(font(u"futural"_qs), u"HH\r\nH"_qs, settings);
        QVERIFY(text);
        QCOMPARE(text->characters, 3);
        const std::vector<Stroke> first(text->strokes.begin(), text->strokes.begin() + 6);
        const std::vector<Stroke> second(text->strokes.begin() + 6, text->strokes.end());
        const Box a = boxOf(first), b = boxOf(second);
        QCOMPARE(a.minY, 0.0); // the first baseline on Y 0, the letters upwards
        QCOMPARE(a.maxY, 21.0);
        QCOMPARE(b.minY, -1.7 * 21);
        // The ink stands 4 units inside the advance on either side.
        QCOMPARE(a.minX - 4, left);
        QCOMPARE(a.maxX + 4, right);
        QCOMPARE(b.maxX + 4 - (b.minX - 4), 22.0);
    }

    void missingCharactersNamedAndCounted() {
        const StrokeFont f = font(u"futural"_qs);
        const Result<TextLayout> text = LayOutText(f, u"a€b€ßc"_qs, {});
        QVERIFY(text);
        QCOMPARE(text->characters, 3);
        QCOMPARE(text->missing.size(), size_t(2));
        QCOMPARE(text->missing[0].character, char32_t(0x20AC));
        QCOMPARE(text->missing[0].count, 2);
        QCOMPARE(text->missing[1].character, char32_t(0xDF));
        QCOMPARE(MissingCharactersReport(f, text->missing),
                 u"Brak w czcionce futural (3, w ich miejscu jest odstęp): „€” (U+20AC) ×2, "
                 u"„ß” (U+00DF) ×1"_qs);
    }

    void insertedBeforeTheEnd_data() {
        QTest::addColumn<QByteArray>("program");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("numbered, ended")
            << QByteArray("N100 G00 X 1 Y 1\nN105 M30\nN110 G00 X 0 Y 0")
            << QByteArray("N100 G00 X 1 Y 1\nN105 G00 X 5 Y 6 Z 10\n"
                          "N110 G01 X 7 Y 6 Z 1\nN115 M30\n"
                          "N120 G00 X 0 Y 0");
        QTest::newRow("no end, a comment kept")
            << QByteArray("(plot)\nN10 G01 X 1 Y 1")
            << QByteArray("(plot)\nN10 G01 X 1 Y 1\nN20 G00 X 5 Y 6 Z 10\nN30 G01 X 7 Y 6 Z 1");
        QTest::newRow("empty") << QByteArray("\n")
                               << QByteArray("N10 G00 X 5 Y 6 Z 10\nN20 G01 X 7 Y 6 Z 1\nN30 M30");
    }
    void insertedBeforeTheEnd() {
        QFETCH(QByteArray, program);
        QFETCH(QByteArray, expected);
        Drawing drawing;
        drawing.paths.push_back({{{5, 6}, {7, 6}}, 1});
        const ProgramText out =
            InsertDrawingMoves(ProgramText::fromLines(program.split('\n')), drawing);
        QCOMPARE(out.toLines(), expected.split('\n'));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QStringList{u""_qs} << pen::emptyText();
        QTest::newRow("breaks only") << QStringList{u"\\n \n\\n"_qs} << pen::emptyText();
        QTest::newRow("unknown font")
            << QStringList{u"Ala"_qs, u"--font"_qs, u"gothic"_qs}
            << pen::unknownFont(u"gothic"_qs, u"futural, rowmans, scripts"_qs);
        QTest::newRow("zero height")
            << QStringList{u"Ala"_qs, u"--height"_qs, u"0"_qs} << pen::badHeight(u"0"_qs);
        QTest::newRow("not a height")
            << QStringList{u"Ala"_qs, u"--height"_qs, u"dużo"_qs} << pen::badHeight(u"dużo"_qs);
    }
    void refusals() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const QString out = dir_.path() + u"/refused.nc"_qs;
        const ToolRun run =
            runScaraCli(QStringList{u"text"_qs} + args + QStringList{u"-o"_qs, out});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(QString::fromLocal8Bit(run.err).trimmed(), message);
        QVERIFY(!QFile::exists(out));
    }

    void writesTheStationsProgram() {
        const QString out = dir_.path() + u"/text.nc"_qs;
        const ToolRun run = runScaraCli({u"text"_qs, u"Zażółć\\ngęślą jaźń"_qs, u"--height"_qs,
                                         u"30"_qs, u"--pen-height"_qs, u"2"_qs, u"-o"_qs, out});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const QByteArray program = readFileBytes(out);
        QVERIFY(program.startsWith("N10 G00 X "));
        QVERIFY(program.contains(" Z 10\r\n"));
        QVERIFY(program.contains(" Z 2\r\n"));
        QVERIFY(program.endsWith(" M30\r\n"));
        QVERIFY(!program.contains(',')); // whole units
    }

private:
    TempDir dir_;
};

QTEST_GUILESS_MAIN(DrawingTextTest)
#include "tst_drawing_text.moc"
