// The converter over lines: the worked example, the line forms, the number
// reading and what survives an error.
#include "base/windows1250.h"
#include "hpgl/conversionloop.h"
#include "hpgl/integertext.h"
#include "hpgl/plotfile.h"

#include <QTest>

namespace {

// The lines decoded, each followed by '\n', to compare with expected text.
QString linesText(const ProgramText& lines) {
    QString text;
    for (const QString& line : lines.toStringList())
        text += line + u'\n';
    return text;
}

struct Run {
    ConversionLoop::Outcome outcome;
    QString output;
    QString remaining;
    QString error;
    int notices = 0;
};

Run run(ConversionLoop& loop) {
    Run run;
    do {
        run.outcome = loop.step(3);
        run.notices += run.outcome == ConversionLoop::Outcome::Notice;
    } while (run.outcome == ConversionLoop::Outcome::Running ||
             run.outcome == ConversionLoop::Outcome::Notice);
    run.output = linesText(loop.takeOutput());
    run.remaining = loop.remainingText();
    run.error = loop.error();
    return run;
}

Run convert(const QString& input, ConverterState& state, ConverterProgress& progress,
            const ConverterSettings& settings = {}) {
    ConversionLoop loop(input, state, settings, progress);
    return run(loop);
}

// The same lines as a plot file holds them: Windows-1250, CR LF after each.
Run convertFileBytes(const QString& input, const ConverterSettings& settings = {}) {
    QString text = input;
    text.replace(u'\n', QStringLiteral("\r\n"));
    ConverterState state;
    ConverterProgress progress;
    ConversionLoop loop(ProgramText::fromBytes(EncodeWindows1250(text) + "\r\n"), state, settings,
                        progress);
    return run(loop);
}

Run convert(const QString& input, const ConverterSettings& settings = {}) {
    ConverterState state;
    ConverterProgress progress;
    return convert(input, state, progress, settings);
}

} // namespace

class TestHpglConverter : public QObject {
    Q_OBJECT
private slots:
    void workedExample();
    void lines_data();
    void lines();
    void plotFileBytes_data();
    void plotFileBytes();
    void headerAndFooterEncoded();
    void outputTakenInSteps();
    void readInteger_data();
    void readInteger();
    void checkPlotFile_data();
    void checkPlotFile();
    void checkPlotLines_data();
    void checkPlotLines();
    void stateCarriesOver();
    void settingsReadWhenUsed();
    void progressStaysWithinMaximum();
};

void TestHpglConverter::workedExample() {
    ConverterState state;
    ConverterProgress progress;
    const QString input = "IN;\nSP1;\nPU100 200;\nPD300 400;\nPU0 0;\nSP0;";
    const std::optional<qsizetype> check = CheckPlotFile(input);
    QCOMPARE(check, std::optional<qsizetype>(5));
    progress.setMaximum(int(*check));
    const Run run = convert(input, state, progress);
    QCOMPARE(run.outcome, ConversionLoop::Outcome::Finished);
    QCOMPARE(run.output, QString("N10 M03 T0\nN20 G00 X 0 Y 0 Z 10\nN30 G00 X 100 Y 200 Z 10\n"
                                 "N40 G01 X 300 Y 400 Z 1\nN50 G00 X 0 Y 0 Z 10\nN60 M30\n"));
    QCOMPARE(run.notices, 1);
    QCOMPARE(run.remaining, QString());
    QCOMPARE(progress.position, 5);
    QCOMPARE(state.CurrentPen, 0);
    QCOMPARE(state.LineNumber, 70);
}

// Each row: input lines, the emitted lines, and the error or empty.
void TestHpglConverter::lines_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("error");
    QTest::newRow("negative pair") << "PU-100 -200;"
                                   << "N10 G00 X -100 Y -200 Z 10\n"
                                   << "";
    QTest::newRow("pd before any pen keeps the travel height")
        << "PU1 2;\nPD3 4;"
        << "N10 G00 X 1 Y 2 Z 10\nN20 G01 X 3 Y 4 Z 10\n"
        << "";
    QTest::newRow("pen 9 has no height") << "SP2;\nSP9;\nPD1 1;"
                                         << "N10 G01 X 1 Y 1 Z 2\n"
                                         << "";
    QTest::newRow("SP10 selects pen 1") << "SP10;\nPD1 1;"
                                        << "N10 G01 X 1 Y 1 Z 1\n"
                                        << "";
    QTest::newRow("two IN lines") << "IN;\nIN;"
                                  << "N10 M03 T0\nN20 G00 X 0 Y 0 Z 10\nN30 M03 T0\n"
                                     "N40 G00 X 0 Y 0 Z 10\n"
                                  << "";
    QTest::newRow("lower case skipped") << "sp0;\npu1 2;\nin;"
                                        << ""
                                        << "";
    QTest::newRow("other instructions skipped") << "PA1,2;\nLT;\nVS10;\nP\nPU1 1;"
                                                << "N10 G00 X 1 Y 1 Z 10\n"
                                                << "";
    QTest::newRow("moves after SP0 follow the footer") << "SP0;\nPU5 5;"
                                                       << "N10 M30\nN20 G00 X 5 Y 5 Z 10\n"
                                                       << "";
    QTest::newRow("no semicolon: Y to the end") << "PU1 2"
                                                << "N10 G00 X 1 Y 2 Z 10\n"
                                                << "";
    QTest::newRow("text after the semicolon ignored") << "PD7 8;junk"
                                                      << "N10 G01 X 7 Y 8 Z 0\n"
                                                      << "";
    QTest::newRow("32-bit limits") << "PU-2147483648 2147483647;"
                                   << "N10 G00 X -2147483648 Y 2147483647 Z 10\n"
                                   << "";
    QTest::newRow("Y keeps its leading space") << "PU1 7 ;"
                                               << ""
                                               << "' 7 ' is not a valid integer value";
    QTest::newRow("no space: X to the end") << "PU100;"
                                            << ""
                                            << "'100;' is not a valid integer value";
    QTest::newRow("no Y") << "PU100"
                          << ""
                          << "'' is not a valid integer value";
    QTest::newRow("comma pair") << "PD1,2;"
                                << ""
                                << "'1,2;' is not a valid integer value";
    QTest::newRow("beyond 32 bits") << "PU1 2147483648;"
                                    << ""
                                    << "' 2147483648' is not a valid integer value";
    QTest::newRow("SP;") << "SP;"
                         << ""
                         << "';' is not a valid integer value";
    QTest::newRow("SP alone") << "SP"
                              << ""
                              << "'' is not a valid integer value";
    QTest::newRow("error keeps earlier lines") << "PU1 1;\nPDx 1;\nPU2 2;"
                                               << "N10 G00 X 1 Y 1 Z 10\n"
                                               << "'x' is not a valid integer value";
    const QString longX(100000, u'7');
    QTest::newRow("100,000-character line")
        << "PU" + longX + " 1;"
        << "" << QString("'%1\u2026' is not a valid integer value").arg(longX.left(60));
    QTest::newRow("100,000-character skipped line") << "LB" + longX + "\nPU1 1;"
                                                    << "N10 G00 X 1 Y 1 Z 10\n"
                                                    << "";
    QTest::newRow("NUL in a number") << QString::fromUtf8("PU1\0 2;", 7) << ""
                                     << QString::fromUtf8("'1\0' is not a valid integer value", 33);
}

void TestHpglConverter::lines() {
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(QString, error);
    const Run run = convert(input);
    QCOMPARE(run.output, output);
    QCOMPARE(run.error, error);
    QCOMPARE(run.outcome,
             error.isEmpty() ? ConversionLoop::Outcome::Finished : ConversionLoop::Outcome::Failed);
    // Read from a plot file's bytes the lines convert alike.
    const Run fromFile = convertFileBytes(input);
    QCOMPARE(fromFile.output, output);
    QCOMPARE(fromFile.error, error);
    QCOMPARE(fromFile.outcome, run.outcome);
}

// Each row: a plot file's bytes, the G-code file's bytes, the error or
// empty, and the text left over.
void TestHpglConverter::plotFileBytes_data() {
    QTest::addColumn<QByteArray>("plot");
    QTest::addColumn<QByteArray>("gcode");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("remaining");
    QTest::newRow("CR LF") << QByteArray("IN;\r\nSP1;\r\nPD1 2;\r\nSP0;\r\n")
                           << QByteArray("N10 M03 T0\r\nN20 G00 X 0 Y 0 Z 10\r\n"
                                         "N30 G01 X 1 Y 2 Z 1\r\nN40 M30\r\n")
                           << ""
                           << "";
    QTest::newRow("lone CR, no final line end")
        << QByteArray("PU1 2;\rPD3 4;")
        << QByteArray("N10 G00 X 1 Y 2 Z 10\r\nN20 G01 X 3 Y 4 Z 10\r\n") << ""
        << "";
    QTest::newRow("empty line stops") << QByteArray("PU1 1;\r\n\r\nPU2 2;\nPU3 3;\r\n")
                                      << QByteArray("N10 G00 X 1 Y 1 Z 10\r\n") << ""
                                      << "\nPU2 2;\nPU3 3;";
    QTest::newRow("code page letter in a number")
        << QByteArray("PU1 \xB9;\r\nPU2 2;\r\n") << QByteArray()
        << QString::fromUtf8("' ą' is not a valid integer value") << "PU2 2;";
    QTest::newRow("undefined byte in a number")
        << QByteArray("PD\x81 1;") << QByteArray()
        << QString("'\u0081' is not a valid integer value") << "";
    QTest::newRow("pen digit from the high half")
        << QByteArray("SP\xA3;") << QByteArray()
        << QString::fromUtf8("'Ł' is not a valid integer value") << "";
    QTest::newRow("high bytes in a skipped line")
        << QByteArray("LB\xE6\xF3\x98;\r\nPU5 5;") << QByteArray("N10 G00 X 5 Y 5 Z 10\r\n") << ""
        << "";
}

void TestHpglConverter::plotFileBytes() {
    QFETCH(QByteArray, plot);
    QFETCH(QByteArray, gcode);
    QFETCH(QString, error);
    QFETCH(QString, remaining);
    ConverterState state;
    ConverterProgress progress;
    ConversionLoop loop(ProgramText::fromBytes(plot), state, ConverterSettings{}, progress);
    QCOMPARE(loop.runToEnd(),
             error.isEmpty() ? ConversionLoop::Outcome::Finished : ConversionLoop::Outcome::Failed);
    QCOMPARE(loop.takeOutput().toBytes(), gcode);
    QCOMPARE(loop.error(), error);
    QCOMPARE(loop.remainingText(), remaining);
}

// Header and footer are typed in the window: written in Windows-1250, a
// character outside the code page as '?'.
void TestHpglConverter::headerAndFooterEncoded() {
    ConverterSettings settings;
    settings.header = QStringList{QString::fromUtf8("G04 ł€ ąę")};
    settings.footer = QStringList{QString::fromUtf8("M30 → 😀 end")};
    ConverterState state;
    ConverterProgress progress;
    ConversionLoop loop(QStringView(u"IN;\nPU1 1;\nSP0;"), state, settings, progress);
    QCOMPARE(loop.runToEnd(), ConversionLoop::Outcome::Finished);
    QCOMPARE(
        loop.takeOutput().toBytes(),
        QByteArray("N10 G04 \xB3\x80 \xB9\xEA\r\nN20 G00 X 1 Y 1 Z 10\r\nN30 M30 ? ? end\r\n"));
}

// Output taken between steps adds up to the whole, and nothing is taken twice.
void TestHpglConverter::outputTakenInSteps() {
    const QString input = "IN;\nSP2;\nPU1 1;\nPD2 2;\nSP0;\nPU3 3;";
    ConverterState state;
    ConverterProgress progress;
    ConversionLoop loop(input, state, ConverterSettings{}, progress);
    QStringList taken;
    ConversionLoop::Outcome outcome;
    do {
        outcome = loop.step(1);
        const ProgramText lines = loop.takeOutput();
        taken += lines.toStringList();
        QVERIFY(loop.takeOutput().isEmpty());
    } while (outcome == ConversionLoop::Outcome::Running ||
             outcome == ConversionLoop::Outcome::Notice);
    QCOMPARE(outcome, ConversionLoop::Outcome::Finished);
    QCOMPARE(taken.join(u'\n') + u'\n', convert(input).output);
    QCOMPARE(loop.linesTaken(), 6);
    QCOMPARE(loop.takeOutput().lineCount(), 0);
}

void TestHpglConverter::readInteger_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "42" << true << 42;
    QTest::newRow("leading spaces") << "   -7" << true << -7;
    QTest::newRow("plus") << "+7" << true << 7;
    QTest::newRow("lowest") << "-2147483648" << true << int(-2147483648LL);
    QTest::newRow("highest") << "2147483647" << true << 2147483647;
    QTest::newRow("above") << "2147483648" << false << 0;
    QTest::newRow("below") << "-2147483649" << false << 0;
    QTest::newRow("many digits") << QString(40, '9') << false << 0;
    QTest::newRow("trailing space") << "7 " << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("sign alone") << "-" << false << 0;
    QTest::newRow("two signs") << "--1" << false << 0;
    QTest::newRow("hex") << "$1F" << false << 0;
    QTest::newRow("tab") << "\t1" << false << 0;
    QTest::newRow("arabic digit") << QString::fromUtf8("\u0661") << false << 0;
}

void TestHpglConverter::readInteger() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const Result<qint32> result = ::readInteger(text);
    QCOMPARE(result.ok(), valid);
    if (valid)
        QCOMPARE(*result, value);
    else
        QCOMPARE(result.error(), QString("'%1' is not a valid integer value").arg(text));
}

void TestHpglConverter::checkPlotFile_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::newRow("none") << "IN;\nSP1;" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("first of two") << "IN;\nsp0;\nSP0;" << 1;
    QTest::newRow("whole line only") << "SP0; \nSP0;x\nSP0" << -1;
    QTest::newRow("first line") << "SP0;" << 0;
}

void TestHpglConverter::checkPlotFile() {
    QFETCH(QString, text);
    QFETCH(int, index);
    const std::optional<qsizetype> found = CheckPlotFile(text);
    QCOMPARE(found ? int(*found) : -1, index);
}

void TestHpglConverter::checkPlotLines_data() {
    checkPlotFile_data();
    QTest::newRow("any letter case") << "IN;\nsP0;" << 1;
    QTest::newRow("after an empty line") << "IN;\n\nSp0;" << 2;
    QTest::newRow("letter that only looks alike") << QString::fromUtf8("ŚP0;\nSP0;") << 1;
}

// Over lines the rule is the same; the plot file's line ends do not count.
void TestHpglConverter::checkPlotLines() {
    QFETCH(QString, text);
    QFETCH(int, index);
    const std::optional<qsizetype> found = CheckPlotFile(plotLinesFromText(text));
    QCOMPARE(found ? int(*found) : -1, index);
    QString crlf = text;
    crlf.replace(u'\n', QStringLiteral("\r\n"));
    const std::optional<qsizetype> inFile =
        CheckPlotFile(ProgramText::fromBytes(EncodeWindows1250(crlf)));
    QCOMPARE(inFile ? int(*inFile) : -1, index);
}

void TestHpglConverter::stateCarriesOver() {
    ConverterState state;
    ConverterProgress progress;
    convert("SP3;\nPU1 1;\nPD2 2;\n\nPU9 9;", state, progress);
    QCOMPARE(state.LineNumber, 30);
    // The second file continues the numbering and starts with pen 3's height.
    const Run second = convert("PD5 5;", state, progress);
    QCOMPARE(second.output, QString("N30 G01 X 5 Y 5 Z 3\n"));
    // An empty line stops the loop; it stays with what follows it.
    const Run stopped = convert("PU1 1;\n\nPU2 2;\nPU3 3;", state, progress);
    QCOMPARE(stopped.remaining, QString("\nPU2 2;\nPU3 3;"));
    QCOMPARE(stopped.output, QString("N40 G00 X 1 Y 1 Z 10\n"));
    // A first empty line changes nothing.
    const Run nothing = convert("\nPU1 1;", state, progress);
    QCOMPARE(nothing.output, QString());
    QCOMPARE(nothing.remaining, QString("\nPU1 1;"));
}

void TestHpglConverter::settingsReadWhenUsed() {
    ConverterSettings settings;
    settings.penHeights[0] = "abc";
    settings.travelHeight = "-5";
    settings.lineStep = "3";
    settings.header = QStringList{"G90", "", "never"};
    settings.footer = QStringList{};
    // Pen 1 is never selected, so its broken field is never read.
    Run run = convert("IN;\nSP2;\nPU1 1;\nPD2 2;\nSP0;", settings);
    QCOMPARE(run.output, QString("N10 G90\nN13 G00 X 1 Y 1 Z -5\nN16 G01 X 2 Y 2 Z 2\n"));
    QCOMPARE(run.notices, 1);
    // Selecting it fails with the field's text; the input after it remains.
    ConverterState state;
    ConverterProgress progress;
    run = convert("PU1 1;\nSP1;\nPU2 2;", state, progress, settings);
    QCOMPARE(run.error, QString("'abc' is not a valid integer value"));
    QCOMPARE(run.remaining, QString("PU2 2;"));
    QCOMPARE(progress.position, 1);
    // A broken step fails after the first line is out.
    settings.lineStep = "1,5";
    run = convert("PU1 1;\nPU2 2;", settings);
    QCOMPARE(run.output, QString("N10 G00 X 1 Y 1 Z -5\n"));
    QCOMPARE(run.error, QString("'1,5' is not a valid integer value"));
}

void TestHpglConverter::progressStaysWithinMaximum() {
    ConverterState state;
    ConverterProgress progress;
    progress.setMaximum(2);
    convert("PU1 1;\nPU1 1;\nPU1 1;\nPU1 1;", state, progress);
    QCOMPARE(progress.position, 2);
    progress.setMaximum(10);
    QCOMPARE(progress.position, 2);
    progress.setMaximum(1);
    QCOMPARE(progress.position, 1);
}

QTEST_APPLESS_MAIN(TestHpglConverter)
#include "tst_hpgl_converter.moc"
