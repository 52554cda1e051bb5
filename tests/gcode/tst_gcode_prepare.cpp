// The preparation pass: the worked examples, the bad inputs, the end of the
// list, and whole programs against golden files.
#include "gcode/prepareprogram.h"
#include "gcode/programfile.h"
#include "support/files.h"
#include "support/testdata.h"

#include <QTest>

namespace {

ProgramText programOf(const QByteArray& text) {
    return ProgramText::fromBytes(text);
}

QByteArray linesOf(const ProgramText& text) {
    return text.toLines().join('\n');
}

PrepareSettings settingsOf(const QByteArray& flags, int dx = 0, int dy = 0) {
    PrepareSettings s;
    s.RoundCoordinates = !flags.contains("noround");
    s.RemoveRepeated = !flags.contains("keep");
    s.CheckReach = !flags.contains("noreach");
    s.shift = ProgramShift{dx, dy};
    return s;
}

// The pass as a tool that only writes the program runs it: lines straight to
// file bytes, no moves, only the reach lines in the report.
Result<PreparedProgram> prepareToBytes(const ProgramText& program, PrepareSettings settings,
                                       ProgramBytesSink& bytes) {
    settings.recordMoves = false;
    settings.reportMessages = CheckReport::OutOfReach;
    return PrepareProgram(program, settings, bytes);
}

} // namespace

char* toString(const PlotMove& m) {
    return QTest::toString(QStringLiteral("(%1,%2)->(%3,%4) row %5")
                               .arg(m.fromX)
                               .arg(m.fromY)
                               .arg(m.toX)
                               .arg(m.toY)
                               .arg(int(m.row)));
}

Q_DECLARE_METATYPE(PrepareSettings)

class TestPrepareProgram : public QObject {
    Q_OBJECT

private slots:
    void prepares_data();
    void prepares();
    void reports_data();
    void reports();
    void reportsOnlyTheKindsAsked_data();
    void reportsOnlyTheKindsAsked();
    void moves();
    void stopsOnBadNumbers_data();
    void stopsOnBadNumbers();
    void endOfListEndsTheProgram();
    void endBlockAtTheLastPointPreparesAgain();
    void badInputsNeverCrash_data();
    void badInputsNeverCrash();
    void goldenPrograms_data();
    void goldenPrograms();
};

void TestPrepareProgram::prepares_data() {
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<PrepareSettings>("settings");
    QTest::addColumn<QByteArray>("prepared");
    const PrepareSettings defaults;
    QTest::newRow("start point dropped")
        << QByteArray("N1 G00 X500 Y0\nN2 M30") << defaults << QByteArray("N2 M30 ");
    QTest::newRow("start point kept") << QByteArray("N1 G00 X500 Y0\nN2 M30") << settingsOf("keep")
                                      << QByteArray("N1 G00 X500 Y0 \nN2 M30 ");
    QTest::newRow("repeat dropped with its other words")
        << QByteArray("N1 G01 X10 Y10 Z1\nN2 G01 X10 Y10 Z1 F5\nN3 X11 Y10\nN4 M30") << defaults
        << QByteArray("N1 G01 X10 Y10 Z1 \nN3 X11 Y10 \nN4 M30 ");
    QTest::newRow("repeat with end word kept, and ends the program")
        << QByteArray("N1 X10 Y10\nN2 X10 Y10 M30\nN3 X20 Y20") << defaults
        << QByteArray("N1 X10 Y10 \nN2 X10 Y10 M30 ");
    QTest::newRow("pen lowered at the same point kept")
        << QByteArray("G00 X128 Y200 Z6\nG01 X128 Y200 Z0\nG01 X130 Y200\nM30") << defaults
        << QByteArray("G00 X128 Y200 Z6 \nG01 X128 Y200 Z0 \nG01 X130 Y200 \nM30 ");
    QTest::newRow("pen lifted at the last point kept")
        << QByteArray("G01 X10 Y10 Z0\nG00 X10 Y10 Z6\nM30") << defaults
        << QByteArray("G01 X10 Y10 Z0 \nG00 X10 Y10 Z6 \nM30 ");
    QTest::newRow("same Z once rounded is a repeat") << QByteArray("X10 Y10 Z1\nX10 Y10 Z1,2\nM30")
                                                     << defaults << QByteArray("X10 Y10 Z1 \nM30 ");
    QTest::newRow("same Z text without rounding is a repeat")
        << QByteArray("X10 Y10 Z1,5\nX10 Y10 Z1,5\nX10 Y10 Z1,50\nM30") << settingsOf("noround")
        << QByteArray("X10 Y10 Z1,5 \nX10 Y10 Z1,50 \nM30 ");
    QTest::newRow("first Z at the home point kept")
        << QByteArray("G00 X500 Y0 Z6\nM30") << defaults << QByteArray("G00 X500 Y0 Z6 \nM30 ");
    QTest::newRow("other M word at the same point kept")
        << QByteArray("X10 Y10\nX10 Y10 M00\nM30") << defaults
        << QByteArray("X10 Y10 \nX10 Y10 M00 \nM30 ");
    QTest::newRow("equal however written")
        << QByteArray("X10 Y10\nX10,0 Y10.4\nM30") << defaults << QByteArray("X10 Y10 \nM30 ");
    QTest::newRow("only X keeps previous Y")
        << QByteArray("N1 X10 Y20\nN2 X30\nN3 X30 Y20\nM30") << defaults
        << QByteArray("N1 X10 Y20 \nN2 X30 \nM30 ");
    QTest::newRow("rounding halves to even")
        << QByteArray("X12.5 Y13.5 Z0.5\nM30") << defaults << QByteArray("X12 Y14 Z0 \nM30 ");
    QTest::newRow("negative half")
        << QByteArray("X-2,5 Y2,5\nM30") << defaults << QByteArray("X-2 Y2 \nM30 ");
    QTest::newRow("no rounding keeps whole texts canonical")
        << QByteArray("X+10 Y007 Z0,5 F1.5\nM30") << settingsOf("noround")
        << QByteArray("X10 Y7 Z0,5 F1,5 \nM30 ");
    QTest::newRow("lines after end removed") << QByteArray("N1 X1 Y1\nN2 M30\nN3 X2 Y2\n\nN4")
                                             << defaults << QByteArray("N1 X1 Y1 \nN2 M30 ");
    QTest::newRow("empty and wordless lines removed")
        << QByteArray("\n   \n(comment)\ng01 x5\nN1 X1 Y1\n\nM30") << defaults
        << QByteArray("N1 X1 Y1 \nM30 ");
    QTest::newRow("M030 does not end") << QByteArray("X1 Y1 M030\nX2 Y2\nM30") << defaults
                                       << QByteArray("X1 Y1 M030 \nX2 Y2 \nM30 ");
    QTest::newRow("shift, the next block repeats the shifted point")
        << QByteArray("N1 X100 Y100\nN2 X100 Y100\nN3 X120 Y95\nM30") << settingsOf("", 10, -5)
        << QByteArray("N1 X110 Y95 \nN3 X130 Y90 \nM30 ");
    QTest::newRow("shift without rounding")
        << QByteArray("X1,25\nY2,5\nM30") << settingsOf("noround", 10, 0)
        << QByteArray("X11,25 \nY2,5 \nM30 ");
    QTest::newRow("canonical order")
        << QByteArray("M3 Y5 N1 X2 T1\nM30") << defaults << QByteArray("N1 X2 Y5 T1 M3 \nM30 ");
    QTest::newRow("empty program") << QByteArray("") << defaults << QByteArray("");
    QTest::newRow("exponent and signs")
        << QByteArray("X1e2 Y+0,5e1\nM30") << defaults << QByteArray("X100 Y5 \nM30 ");
}

void TestPrepareProgram::prepares() {
    QFETCH(QByteArray, program);
    QFETCH(PrepareSettings, settings);
    QFETCH(QByteArray, prepared);
    const Result<PreparedProgram> result = PrepareProgram(programOf(program), settings);
    QVERIFY2(result.ok(), qPrintable(result.ok() ? QString() : result.error()));
    QCOMPARE(linesOf(result->lines), prepared);

    ProgramBytesSink bytes;
    const Result<PreparedProgram> streamed = prepareToBytes(programOf(program), settings, bytes);
    QVERIFY(streamed.ok());
    QCOMPARE(bytes.bytes(), result->lines.toBytes());
    QVERIFY(streamed->lines.isEmpty());
    QVERIFY(streamed->moves.empty());
    QCOMPARE(streamed->blocksRead, result->blocksRead);
    QCOMPARE(streamed->endBlockFound, result->endBlockFound);
}

void TestPrepareProgram::reports_data() {
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<PrepareSettings>("settings");
    QTest::addColumn<QStringList>("report");
    QTest::newRow("shift lines for every X and Y, also at 0")
        << QByteArray("N1 X10 Y20\nN2 Y5\nN3 X7\nN4 M30") << PrepareSettings()
        << QStringList{"W bloku 1 nastapiło dodatnie do pozycji Y wartosci 0",
                       "W bloku 1 nastapiło dodatnie do pozycji x wartosci 0",
                       "W bloku 2 nastapiło dodatnie do pozycji Y wartosci 0",
                       "W bloku 3 nastapiło dodatnie do pozycji x wartosci 0"};
    QTest::newRow("reach: exactly 500 passes, 401 does not")
        << QByteArray("N1 X300 Y400\nN2 X300 Y401\nN3 M30") << PrepareSettings()
        << QStringList{"W bloku 1 nastapiło dodatnie do pozycji Y wartosci 0",
                       "W bloku 1 nastapiło dodatnie do pozycji x wartosci 0",
                       "W bloku 2 nastapiło dodatnie do pozycji Y wartosci 0",
                       "W bloku 2 nastapiło dodatnie do pozycji x wartosci 0",
                       "W bloku 2 nastapiło przekroczenie zasięgu manipulatora:"};
    QTest::newRow("reach off") << QByteArray("N2 X300 Y401\nM30") << settingsOf("noreach", 3, -4)
                               << QStringList{
                                      "W bloku 2 nastapiło dodatnie do pozycji Y wartosci -4",
                                      "W bloku 2 nastapiło dodatnie do pozycji x wartosci 3"};
    QTest::newRow("reach checked after the shift, empty N")
        << QByteArray("X500 Y0\nM30") << settingsOf("", 1, 0)
        << QStringList{"W bloku  nastapiło dodatnie do pozycji Y wartosci 0",
                       "W bloku  nastapiło dodatnie do pozycji x wartosci 1",
                       "W bloku  nastapiło przekroczenie zasięgu manipulatora:"};
}

void TestPrepareProgram::reports() {
    QFETCH(QByteArray, program);
    QFETCH(PrepareSettings, settings);
    QFETCH(QStringList, report);
    const Result<PreparedProgram> result = PrepareProgram(programOf(program), settings);
    QVERIFY(result.ok());
    QCOMPARE(result->checkReport.lines(), report);
    QCOMPARE(result->checkReport.lineCount(), report.size());
}

void TestPrepareProgram::reportsOnlyTheKindsAsked_data() {
    QTest::addColumn<int>("kinds");
    QTest::addColumn<QStringList>("report");
    const QString y1 = "W bloku 1 nastapiło dodatnie do pozycji Y wartosci 2";
    const QString x1 = "W bloku 1 nastapiło dodatnie do pozycji x wartosci 1";
    const QString y2 = "W bloku 2 nastapiło dodatnie do pozycji Y wartosci 2";
    const QString x2 = "W bloku 2 nastapiło dodatnie do pozycji x wartosci 1";
    const QString reach = "W bloku 2 nastapiło przekroczenie zasięgu manipulatora:";
    QTest::newRow("all") << int(CheckReport::ShiftY | CheckReport::ShiftX | CheckReport::OutOfReach)
                         << QStringList{y1, x1, y2, x2, reach};
    QTest::newRow("reach only") << int(CheckReport::OutOfReach) << QStringList{reach};
    QTest::newRow("x and reach") << int(CheckReport::ShiftX | CheckReport::OutOfReach)
                                 << QStringList{x1, x2, reach};
    QTest::newRow("y only") << int(CheckReport::ShiftY) << QStringList{y1, y2};
    QTest::newRow("none") << 0 << QStringList{};
}

void TestPrepareProgram::reportsOnlyTheKindsAsked() {
    QFETCH(int, kinds);
    QFETCH(QStringList, report);
    PrepareSettings settings = settingsOf("", 1, 2);
    settings.reportMessages = std::uint8_t(kinds);
    const Result<PreparedProgram> result =
        PrepareProgram(programOf("N1 X10 Y20\nN2 X300 Y401\nN3 M30"), settings);
    QVERIFY(result.ok());
    QCOMPARE(result->checkReport.lines(), report);
    QCOMPARE(result->checkReport.outOfReachCount(), report.filter("przekroczenie").size());
}

// Every block with X and Y draws from the previous point, dropped blocks too,
// in the colour row of its G and Z.
void TestPrepareProgram::moves() {
    const QByteArray program = "N1 G00 X100 Y100 Z5\nN2 G01 X100 Y100 Z1\nN3 G01 X200\n"
                               "N4 G1 Y50 X150 Z7\nN5 G2 X0 Y0\nN6 X10 Y10 M30\nN7 X1 Y1";
    const Result<PreparedProgram> result = PrepareProgram(programOf(program), PrepareSettings());
    QVERIFY(result.ok());
    const std::vector<PlotMove> expected = {{500, 0, 100, 100, PlotRow::G00},
                                            {100, 100, 100, 100, PlotRow::Z1},
                                            {200, 100, 150, 50, PlotRow::NoRow},
                                            {150, 50, 0, 0, PlotRow::NoRow},
                                            {0, 0, 10, 10, PlotRow::NoRow}};
    QCOMPARE(result->moves.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        QCOMPARE(result->moves[i], expected[i]);
    QCOMPARE(result->blocksRead, 6);
    QVERIFY(result->endBlockFound);
}

void TestPrepareProgram::stopsOnBadNumbers_data() {
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<PrepareSettings>("settings");
    QTest::addColumn<QString>("error");
    const PrepareSettings defaults;
    const PrepareSettings noRound = settingsOf("noround");
    QTest::newRow("words run together")
        << QByteArray("N1 G01X5Y7\nM30") << defaults << "'5Y7' is not a valid floating point value";
    QTest::newRow("rounding checks X before Y")
        << QByteArray("Xa Yb\nM30") << defaults << "'a' is not a valid floating point value";
    QTest::newRow("shift checks Y before X")
        << QByteArray("Xa Yb\nM30") << noRound << "'b' is not a valid floating point value";
    QTest::newRow("bad Z when rounding") << QByteArray("X1 Y1 Z1..2\nM30") << defaults
                                         << "'1,,2' is not a valid floating point value";
    QTest::newRow("several points") << QByteArray("X1.2.3 Y1\nM30") << defaults
                                    << "'1,2,3' is not a valid floating point value";
    QTest::newRow("empty after two spaces is absent, later word bad")
        << QByteArray("X  5 Y1e\nM30") << defaults << "'1e' is not a valid floating point value";
    QTest::newRow("error after the end block is never met")
        << QByteArray("X1 Y1\nM30\nXbad") << defaults << QString();
    QTest::newRow("fraction without rounding stops at the move")
        << QByteArray("X12,5 Y3\nM30") << noRound << "'12,5' is not a valid integer value";
    QTest::newRow("previous X named first")
        << QByteArray("X1,5\nX2,5 Y3,5\nM30") << noRound << "'1,5' is not a valid integer value";
    QTest::newRow("previous Y before X")
        << QByteArray("Y0,5\nX2,5 Y3\nM30") << noRound << "'0,5' is not a valid integer value";
    QTest::newRow("huge whole number") << QByteArray("X1e20 Y0\nM30") << defaults
                                       << "'100000000000000000000' is not a valid integer value";
    QTest::newRow("tab in value") << QByteArray("X1\t Y1\nM30") << defaults
                                  << "'1\t' is not a valid floating point value";
    QTest::newRow("Z not converted without rounding")
        << QByteArray("X1 Y1 Zabc\nM30") << noRound << QString();
}

void TestPrepareProgram::stopsOnBadNumbers() {
    QFETCH(QByteArray, program);
    QFETCH(PrepareSettings, settings);
    QFETCH(QString, error);
    // Without the move list the move texts are checked all the same.
    ProgramBytesSink bytes;
    for (const Result<PreparedProgram>& result :
         {PrepareProgram(programOf(program), settings),
          prepareToBytes(programOf(program), settings, bytes)}) {
        if (error.isEmpty()) {
            QVERIFY2(result.ok(), qPrintable(result.ok() ? QString() : result.error()));
        } else {
            QVERIFY(!result.ok());
            QCOMPARE(result.error(), error);
        }
    }
}

// A program without an end block ends with its last line: the whole list is
// prepared instead of failing past its end.
void TestPrepareProgram::endOfListEndsTheProgram() {
    const Result<PreparedProgram> result =
        PrepareProgram(programOf("N1 X10 Y10\nN2 X20 Y20\n"), PrepareSettings());
    QVERIFY(result.ok());
    QCOMPARE(linesOf(result->lines), QByteArray("N1 X10 Y10 \nN2 X20 Y20 "));
    QCOMPARE(result->blocksRead, 2);
    QVERIFY(!result->endBlockFound);
    QCOMPARE(result->moves.size(), std::size_t(2));
}

// Its M30 block repeats the previous point and is kept all the same: the
// prepared program ends as it did, and preparing it again (a refresh) keeps it
// whole.
void TestPrepareProgram::endBlockAtTheLastPointPreparesAgain() {
    const Result<PreparedProgram> first =
        PrepareProgram(programOf("N1 G01 X10 Y10 Z1\nN2 X10 Y10 M30\n"), PrepareSettings());
    QVERIFY(first.ok());
    QVERIFY(first->endBlockFound);
    QCOMPARE(linesOf(first->lines), QByteArray("N1 G01 X10 Y10 Z1 \nN2 X10 Y10 M30 "));
    const Result<PreparedProgram> again = PrepareProgram(first->lines, PrepareSettings());
    QVERIFY(again.ok());
    QVERIFY(again->endBlockFound);
    QCOMPARE(again->lines, first->lines);
}

void TestPrepareProgram::badInputsNeverCrash_data() {
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<int>("prepares"); // 1 prepares, 0 stops with a text, -1 either
    QTest::newRow("empty file") << QByteArray() << 1;
    QTest::newRow("only blank lines") << QByteArray("\r\n\r\n\n\r   \r\n") << 1;
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 7919 + 13) % 256));
    QTest::newRow("binary garbage with NUL") << garbage << -1;
    QTest::newRow("100000-character line") << "N1 X1 Y1 (" + QByteArray(100000, 'a') + ")" << 1;
    QTest::newRow("100000-digit number") << "N1 X1 Y" + QByteArray(100000, '2') << 0;
    QTest::newRow("100000 characters of letters") << QByteArray(100000, 'X') << 0;
    QByteArray wide(300, ' ');
    wide.replace(0, 7, "N1 X1 Y");
    wide[7] = '1';
    wide.replace(260, 8, "Xbad Y.5");
    QTest::newRow("words beyond 255 ignored") << wide << 1;
    // Each letter's value is the next letter: X is "Y".
    QTest::newRow("only letters") << QByteArray("N G X Y Z F S T M") << 0;
}

void TestPrepareProgram::badInputsNeverCrash() {
    QFETCH(QByteArray, program);
    QFETCH(int, prepares);
    for (const PrepareSettings& settings : {settingsOf(""), settingsOf("noround keep noreach")}) {
        const Result<PreparedProgram> result = PrepareProgram(programOf(program), settings);
        if (prepares == 1)
            QVERIFY2(result.ok(), qPrintable(result.ok() ? QString() : result.error()));
        else if (prepares == 0)
            QVERIFY(!result.ok() && !result.error().isEmpty());
        else
            QVERIFY(result.ok() || !result.error().isEmpty());
    }
}

void TestPrepareProgram::goldenPrograms_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<PrepareSettings>("settings");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plotter") << "plotter.nc" << PrepareSettings() << "plotter";
    QTest::newRow("plotter shifted") << "plotter.nc" << settingsOf("", 10, -5) << "plotter-shifted";
    QTest::newRow("plotter as written")
        << "plotter.nc" << settingsOf("keep noreach", 0, 0) << "plotter-kept";
    QTest::newRow("converted") << "converted.nc" << PrepareSettings() << "converted";
}

// <expected>.prepared holds the prepared program as the station writes it,
// <expected>.report the check report (Windows-1250, CR LF).
void TestPrepareProgram::goldenPrograms() {
    QFETCH(QString, input);
    QFETCH(PrepareSettings, settings);
    QFETCH(QString, expected);
    const Result<ProgramText> program = ReadProgramFile(testDataPath(input));
    QVERIFY(program.ok());
    const Result<PreparedProgram> result = PrepareProgram(*program, settings);
    QVERIFY2(result.ok(), qPrintable(result.ok() ? QString() : result.error()));
    QCOMPARE(result->lines.toBytes(), readFileBytes(testDataPath(expected + ".prepared")));
    QCOMPARE(result->checkReport.toBytes(), readFileBytes(testDataPath(expected + ".report")));

    ProgramBytesSink bytes;
    QVERIFY(prepareToBytes(*program, settings, bytes).ok());
    QCOMPARE(bytes.bytes(), readFileBytes(testDataPath(expected + ".prepared")));
}

QTEST_APPLESS_MAIN(TestPrepareProgram)
#include "tst_gcode_prepare.moc"
