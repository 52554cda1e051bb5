// The program memo's lines and editing, and the settings' minimal move.
#include "app/programlines.h"
#include "app/programmemo.h"
#include "app/stationsettings.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

namespace {
ProgramText textOf(const QByteArrayList& lines) {
    ProgramText text;
    for (const QByteArray& line : lines)
        text.appendLine(line);
    return text;
}
} // namespace

class TestProgramMemo : public QObject {
    Q_OBJECT
private slots:
    void replaceEditsLines_data();
    void replaceEditsLines();
    void unchangedLinesKeepTheirBytes();
    void lastEmptyLineIsNoProgramLine_data();
    void lastEmptyLineIsNoProgramLine();
    void removeFirstLine();
    void reachableByName();
    void typingAndDeleting();
    void selectionWithKeysIsReplacedByPaste();
    void undoAndRedo();
    void mouseClickPlacesCaret();
    void millionLinesAreQuickToSetAndEdit();

    void minimalMove_data();
    void minimalMove();
    void badTextKeepsThePreviousValue();
    void divisionByZeroStoresTheZero();
};

void TestProgramMemo::replaceEditsLines_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<TextPosition>("from");
    QTest::addColumn<TextPosition>("to");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::addColumn<TextPosition>("after");
    QTest::newRow("insert in a line") << "N1 X1" << TextPosition{0, 2} << TextPosition{0, 2} << "0"
                                      << "N10 X1" << TextPosition{0, 3};
    QTest::newRow("break a line") << "N1 X1" << TextPosition{0, 2} << TextPosition{0, 3} << "\n"
                                  << "N1\nX1" << TextPosition{1, 0};
    QTest::newRow("join lines") << "A\nB\nC" << TextPosition{0, 1} << TextPosition{1, 0} << ""
                                << "AB\nC" << TextPosition{0, 1};
    QTest::newRow("CR LF and CR pasted")
        << "AZ" << TextPosition{0, 1} << TextPosition{0, 1} << "x\r\ny\rz"
        << "Ax\ny\nzZ" << TextPosition{2, 1};
    QTest::newRow("across three lines")
        << "abc\ndef\nghi" << TextPosition{0, 1} << TextPosition{2, 2} << "-"
        << "a-i" << TextPosition{0, 2};
    QTest::newRow("positions past the end are clamped")
        << "ab" << TextPosition{5, 9} << TextPosition{7, 1} << "c"
        << "ac" << TextPosition{0, 2};
}

void TestProgramMemo::replaceEditsLines() {
    QFETCH(QString, start);
    QFETCH(TextPosition, from);
    QFETCH(TextPosition, to);
    QFETCH(QString, text);
    QFETCH(QString, result);
    QFETCH(TextPosition, after);
    ProgramLines lines;
    lines.replace({}, {}, start);
    const TextPosition end = lines.replace(from, to, text);
    QCOMPARE(lines.toPlainText(), result);
    QCOMPARE(end.line, after.line);
    QCOMPARE(end.column, after.column);
}

void TestProgramMemo::unchangedLinesKeepTheirBytes() {
    // Windows-1250 bytes of unedited lines go back to the program unchanged;
    // an edited line is encoded again.
    ProgramLines lines;
    lines.setProgram(textOf({"N1 (\xb3\xf3\x9c\xe6)", "N2 X1", "N3 M30"}));
    QCOMPARE(lines.line(0), QStringLiteral("N1 (łóść)"));
    lines.replace({1, 5}, {1, 5}, QStringLiteral("0 (ż)"));
    QCOMPARE(lines.toProgramText(), textOf({"N1 (\xb3\xf3\x9c\xe6)", "N2 X10 (\xbf)", "N3 M30"}));
    QCOMPARE(lines.longestLine(), qsizetype(10));
}

void TestProgramMemo::lastEmptyLineIsNoProgramLine_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("programLines");
    QTest::newRow("empty memo") << "" << 0;
    QTest::newRow("one line") << "A" << 1;
    QTest::newRow("line break after the last line") << "A\nB\n" << 2;
    QTest::newRow("an empty line before the end") << "A\n\n" << 2;
}

void TestProgramMemo::lastEmptyLineIsNoProgramLine() {
    QFETCH(QString, text);
    QFETCH(int, programLines);
    ProgramLines lines;
    lines.replace({}, {}, text);
    QCOMPARE(lines.toProgramText().lineCount(), qsizetype(programLines));
}

void TestProgramMemo::removeFirstLine() {
    ProgramMemo memo;
    memo.setProgram(textOf({"N1", "N2", "N3"}));
    memo.setCaret({2, 1});
    memo.removeFirstLine();
    QCOMPARE(memo.toPlainText(), QStringLiteral("N2\nN3"));
    QCOMPARE(memo.caret().line, qsizetype(1));
    memo.removeFirstLine();
    memo.removeFirstLine();
    QCOMPARE(memo.lineCount(), qsizetype(1));
    QCOMPARE(memo.program().lineCount(), qsizetype(0));
    memo.removeFirstLine(); // nothing left: stays empty
    QCOMPARE(memo.toPlainText(), QString());
}

void TestProgramMemo::reachableByName() {
    // The simulation advances the program view without linking the window.
    ProgramMemo memo;
    memo.setProgram(textOf({"N1 X1 Y1", "N2 M30"}));
    QObject* object = &memo;
    qsizetype count = 0;
    QVERIFY(QMetaObject::invokeMethod(object, "lineCount", Q_RETURN_ARG(qsizetype, count)));
    QCOMPARE(count, qsizetype(2));
    QString first;
    QVERIFY(QMetaObject::invokeMethod(object, "line", Q_RETURN_ARG(QString, first),
                                      Q_ARG(qsizetype, 0)));
    QCOMPARE(first, QStringLiteral("N1 X1 Y1"));
    QVERIFY(QMetaObject::invokeMethod(object, "removeFirstLine"));
    QCOMPARE(memo.toPlainText(), QStringLiteral("N2 M30"));
}

void TestProgramMemo::typingAndDeleting() {
    ProgramMemo memo;
    memo.show();
    memo.setProgram(textOf({"N1 X5", "N2 M30"}));
    memo.setCaret({0, 5});
    QTest::keyClicks(&memo, "0 Y7");
    QTest::keyClick(&memo, Qt::Key_Return);
    QTest::keyClicks(&memo, "Z1");
    QCOMPARE(memo.toPlainText(), QStringLiteral("N1 X50 Y7\nZ1\nN2 M30"));
    QTest::keyClick(&memo, Qt::Key_Home);
    QTest::keyClick(&memo, Qt::Key_Backspace); // joins with the line above
    QCOMPARE(memo.toPlainText(), QStringLiteral("N1 X50 Y7Z1\nN2 M30"));
    QTest::keyClick(&memo, Qt::Key_End);
    QTest::keyClick(&memo, Qt::Key_Delete); // joins the next line
    QCOMPARE(memo.toPlainText(), QStringLiteral("N1 X50 Y7Z1N2 M30"));
    QTest::keyClick(&memo, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(&memo, Qt::Key_Backspace); // nothing before the start
    QKeyEvent polishLetter(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("ą"));
    QApplication::sendEvent(&memo, &polishLetter);
    QCOMPARE(memo.line(0), QStringLiteral("ąN1 X50 Y7Z1N2 M30"));
}

void TestProgramMemo::selectionWithKeysIsReplacedByPaste() {
    ProgramMemo memo;
    memo.show();
    memo.setProgram(textOf({"N1 X5", "N2 X6", "N3 M30"}));
    memo.setCaret({0, 3});
    QTest::keyClick(&memo, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(memo.selectedText(), QStringLiteral("X5\nN2 "));
    QTest::keyClick(&memo, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("X5\nN2 "));
    QGuiApplication::clipboard()->setText(QStringLiteral("Y1\r\nN9 "));
    memo.insertText(QGuiApplication::clipboard()->text());
    QCOMPARE(memo.toPlainText(), QStringLiteral("N1 Y1\nN9 X6\nN3 M30"));
    QVERIFY(!memo.hasSelection());
    memo.selectAll();
    QTest::keyClick(&memo, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(memo.toPlainText(), QString());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("N1 Y1\nN9 X6\nN3 M30"));
}

void TestProgramMemo::undoAndRedo() {
    ProgramMemo memo;
    memo.show();
    memo.setProgram(textOf({"N1 X5", "N2 M30"}));
    memo.setCaret({0, 5});
    QTest::keyClicks(&memo, "0 Y7"); // one step
    QTest::keyClick(&memo, Qt::Key_Return);
    QTest::keyClicks(&memo, "Z1");
    memo.selectAll();
    QTest::keyClick(&memo, Qt::Key_Delete);
    QCOMPARE(memo.toPlainText(), QString());
    QTest::keyClick(&memo, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(memo.toPlainText(), QStringLiteral("N1 X50 Y7\nZ1\nN2 M30"));
    memo.undo();
    QCOMPARE(memo.toPlainText(), QStringLiteral("N1 X50 Y7\n\nN2 M30"));
    memo.undo();
    memo.undo();
    QCOMPARE(memo.toPlainText(), QStringLiteral("N1 X5\nN2 M30"));
    QCOMPARE(memo.caret().column, qsizetype(5));
    memo.undo(); // nothing more to take back
    QCOMPARE(memo.toPlainText(), QStringLiteral("N1 X5\nN2 M30"));
    memo.redo();
    memo.redo();
    QCOMPARE(memo.toPlainText(), QStringLiteral("N1 X50 Y7\n\nN2 M30"));
    QTest::keyClicks(&memo, "G"); // a new edit drops what was undone
    memo.redo();
    QCOMPARE(memo.toPlainText(), QStringLiteral("N1 X50 Y7\nG\nN2 M30"));
    // A new program starts a new history.
    memo.setProgram(textOf({"N9"}));
    memo.undo();
    QCOMPARE(memo.toPlainText(), QStringLiteral("N9"));
}

void TestProgramMemo::mouseClickPlacesCaret() {
    ProgramMemo memo;
    memo.resize(300, 200);
    memo.show();
    memo.setProgram(textOf({"N1 X5", "N2 X6"}));
    const QFontMetrics metrics(memo.font());
    const QPoint onSecondLine(3 + metrics.horizontalAdvance(QStringLiteral("N2")) + 1,
                              3 + metrics.lineSpacing() + metrics.lineSpacing() / 2);
    QTest::mouseClick(memo.viewport(), Qt::LeftButton, {}, onSecondLine);
    QCOMPARE(memo.caret().line, qsizetype(1));
    QCOMPARE(memo.caret().column, qsizetype(2));
    QTest::mouseClick(memo.viewport(), Qt::LeftButton, {}, QPoint(250, 190)); // below the text
    QCOMPARE(memo.caret().line, qsizetype(1));
    QCOMPARE(memo.caret().column, qsizetype(5));
}

void TestProgramMemo::millionLinesAreQuickToSetAndEdit() {
    // A million lines must not cost a document of a million blocks: the memo
    // shares the program's bytes. Checked by what it keeps, not by time.
    ProgramText text;
    text.reserve(1000000, 20000000);
    for (int i = 0; i < 1000000; ++i)
        text.appendLine("N" + QByteArray::number(i) + " G01 X1 Y2 ");
    ProgramMemo memo;
    memo.resize(300, 400);
    memo.show();
    memo.setProgram(text);
    QCOMPARE(memo.lineCount(), qsizetype(1000000));
    memo.setCaret({999999, 0});
    QTest::keyClicks(&memo, "X");
    QCOMPARE(memo.line(999999), QStringLiteral("XN999999 G01 X1 Y2 "));
    memo.removeFirstLine();
    QCOMPARE(memo.line(0), QStringLiteral("N1 G01 X1 Y2 "));
    const ProgramText back = memo.program();
    QCOMPARE(back.lineCount(), qsizetype(999999));
    QCOMPARE(back.line(999998), QByteArrayView("XN999999 G01 X1 Y2 "));
}

void TestProgramMemo::minimalMove_data() {
    QTest::addColumn<QString>("stepAngle");
    QTest::addColumn<QString>("microstep");
    QTest::addColumn<QString>("gearRatio");
    QTest::addColumn<QString>("minimalMove");
    QTest::newRow("defaults") << "1,8"
                              << "16"
                              << "0,25"
                              << "0,028125";
    QTest::newRow("microstep 2") << "1,8"
                                 << "2"
                                 << "0,25"
                                 << "0,225";
    QTest::newRow("then gear 0,5") << "1,8"
                                   << "2"
                                   << "0,5"
                                   << "0,45";
    QTest::newRow("negative microstep") << "1,8"
                                        << "-4"
                                        << "1"
                                        << "-0,45";
}

void TestProgramMemo::minimalMove() {
    QFETCH(QString, stepAngle);
    QFETCH(QString, microstep);
    QFETCH(QString, gearRatio);
    QFETCH(QString, minimalMove);
    StationSettings settings;
    QVERIFY(
        settings.initialise(QStringLiteral("1,8"), QStringLiteral("16"), QStringLiteral("0,25")));
    // Each change stores its own value and recomputes from the other two.
    settings.changeStepAngle(stepAngle);
    settings.changeMicrostep(microstep);
    const Result<QString> result = settings.changeGearRatio(gearRatio);
    QVERIFY(result);
    QCOMPARE(*result, minimalMove);
}

void TestProgramMemo::badTextKeepsThePreviousValue() {
    StationSettings settings;
    settings.initialise(QStringLiteral("1,8"), QStringLiteral("16"), QStringLiteral("0,25"));
    const Result<QString> point = settings.changeStepAngle(QStringLiteral("1.8"));
    QVERIFY(!point);
    QCOMPARE(point.error(), QStringLiteral("'1.8' is not a valid floating point value"));
    const Result<QString> empty = settings.changeMicrostep(QString());
    QCOMPARE(empty.error(), QStringLiteral("'' is not a valid integer value"));
    const Result<QString> comma = settings.changeMicrostep(QStringLiteral("1,5"));
    QCOMPARE(comma.error(), QStringLiteral("'1,5' is not a valid integer value"));
    QCOMPARE(settings.stepAngle(), 1.8);
    QCOMPARE(settings.microstep(), 16);
    QCOMPARE(*settings.changeGearRatio(QStringLiteral("0,5")), QStringLiteral("0,05625"));
}

void TestProgramMemo::divisionByZeroStoresTheZero() {
    StationSettings settings;
    settings.initialise(QStringLiteral("1,8"), QStringLiteral("16"), QStringLiteral("0,25"));
    const Result<QString> zero = settings.changeMicrostep(QStringLiteral("0"));
    QCOMPARE(zero.error(), QStringLiteral("Floating point division by zero"));
    QCOMPARE(settings.microstep(), 0);
    QCOMPARE(settings.minimalMove(), 0.028125);
    // The stored zero makes the other fields fail too, until it is changed.
    QCOMPARE(settings.changeGearRatio(QStringLiteral("0,5")).error(),
             QStringLiteral("Floating point division by zero"));
    QCOMPARE(*settings.changeMicrostep(QStringLiteral("4")), QStringLiteral("0,225"));
    // A result beyond the doubles is an error too, not "INF" in the field.
    QVERIFY(settings.changeGearRatio(QStringLiteral("1e300")));
    QCOMPARE(settings.changeStepAngle(QStringLiteral("1e300")).error(),
             QStringLiteral("Floating point overflow"));
}

QTEST_MAIN(TestProgramMemo)
#include "tst_programmemo.moc"
