// The program memo's lines and editing.
#include "gcode/programlines.h"
#include "gcode/programmemo.h"

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
    void setTextSplitsAsTyped_data();
    void setTextSplitsAsTyped();
    void removeFirstLines_data();
    void removeFirstLines();
    void appendLines_data();
    void appendLines();
    void readOnlyRefusesOnlyTheOperatorsEdits();
    void reachableByName();
    void typingAndDeleting();
    void selectionWithKeysIsReplacedByPaste();
    void undoAndRedo();
    void mouseClickPlacesCaret();
    void millionLinesAreQuickToSetAndEdit();
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
    // Selections cut unedited and edited lines alike.
    QCOMPARE(lines.text({0, 4}, {0, 8}), QStringLiteral("łóść"));
    QCOMPARE(lines.text({2, 2}, {0, 6}), QStringLiteral("ść)\nN2 X10 (ż)\nN3"));
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

void TestProgramMemo::setTextSplitsAsTyped_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("one line") << "PU0 0;";
    QTest::newRow("LF at the end leaves an empty line") << "IN;\nSP1;\n";
    QTest::newRow("CR LF and CR") << "IN;\r\nSP1;\rPD1 2;\r\n";
    QTest::newRow("only a line break") << "\n";
    QTest::newRow("LF CR is two breaks") << "a\n\rb";
    QTest::newRow("paragraph separator") << QStringLiteral("a\u2029b\u2029");
    QTest::newRow("Polish letters and a NUL") << QStringLiteral("łódź\n\0x");
    QTest::newRow("a character outside the code page") << QStringLiteral("N1 (→)\nN2\n");
}

void TestProgramMemo::setTextSplitsAsTyped() {
    // Setting the text at once gives the lines that typing it would give,
    // every character kept.
    QFETCH(QString, text);
    ProgramLines typed;
    typed.replace({}, {}, text);
    ProgramLines set;
    set.setText(text);
    QCOMPARE(set.lineCount(), typed.lineCount());
    for (qsizetype i = 0; i < typed.lineCount(); ++i)
        QCOMPARE(set.line(i), typed.line(i));
    QCOMPARE(set.toPlainText(), typed.toPlainText());
    QCOMPARE(set.toProgramText(), typed.toProgramText());
}

void TestProgramMemo::removeFirstLines_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("left");
    QTest::addColumn<TextPosition>("caret");
    QTest::newRow("none") << 0 << "N1\nN2\nN3 X1" << TextPosition{2, 4};
    QTest::newRow("two") << 2 << "N3 X1" << TextPosition{0, 4};
    QTest::newRow("the caret's line") << 3 << "" << TextPosition{0, 0};
    QTest::newRow("more than there are") << 7 << "" << TextPosition{0, 0};
}

void TestProgramMemo::removeFirstLines() {
    QFETCH(int, count);
    QFETCH(QString, left);
    QFETCH(TextPosition, caret);
    ProgramMemo memo;
    memo.setProgram(textOf({"N1", "N2", "N3 X1"}));
    memo.setCaret({2, 4});
    memo.removeFirstLines(count);
    QCOMPARE(memo.toPlainText(), left);
    QCOMPARE(memo.caret(), caret);
    QCOMPARE(memo.lineCount(), qsizetype(left.count(u'\n') + 1));
}

void TestProgramMemo::appendLines_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("result");
    QTest::newRow("empty memo") << ""
                                << "N10 M03\nN20 G00";
    QTest::newRow("after a line") << "N1 X1"
                                  << "N1 X1\nN10 M03\nN20 G00";
    QTest::newRow("an empty last line takes the first") << "N1 X1\n"
                                                        << "N1 X1\nN10 M03\nN20 G00";
    QTest::newRow("after edited lines")
        << QStringLiteral("N1 (→)\nN2\n") << QStringLiteral("N1 (→)\nN2\nN10 M03\nN20 G00");
}

void TestProgramMemo::appendLines() {
    QFETCH(QString, start);
    QFETCH(QString, result);
    ProgramMemo memo;
    memo.setPlainText(start);
    memo.appendLines(textOf({"N10 M03", "N20 G00"}));
    QCOMPARE(memo.toPlainText(), result);
    QCOMPARE(memo.caret(), (TextPosition{memo.lineCount() - 1, 7}));
    // A second batch goes after the first.
    memo.appendLines(textOf({"N30 M30"}));
    QCOMPARE(memo.toPlainText(), result + QStringLiteral("\nN30 M30"));
    QCOMPARE(memo.program().toBytes().right(18), QByteArray("N20 G00\r\nN30 M30\r\n"));
}

void TestProgramMemo::readOnlyRefusesOnlyTheOperatorsEdits() {
    ProgramMemo memo;
    memo.show();
    memo.setProgram(textOf({"N1 X5", "N2 M30"}));
    memo.setCaret({0, 5});
    QTest::keyClicks(&memo, "0");
    memo.setReadOnly(true);
    QTest::keyClicks(&memo, "1");
    QTest::keyClick(&memo, Qt::Key_Return);
    QTest::keyClick(&memo, Qt::Key_Backspace);
    QTest::keyClick(&memo, Qt::Key_Z, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClick(&memo, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&memo, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(&memo, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(memo.toPlainText(), QStringLiteral("N1 X50\nN2 M30"));
    // Selecting and copying still work, and so do the program's changes.
    QTest::keyClick(&memo, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("N1 X50"));
    memo.appendLines(textOf({"N3"}));
    memo.removeFirstLines(1);
    QCOMPARE(memo.toPlainText(), QStringLiteral("N2 M30\nN3"));
    memo.setReadOnly(false);
    QTest::keyClicks(&memo, "4");
    QCOMPARE(memo.toPlainText(), QStringLiteral("N2 M30\nN34"));
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

QTEST_MAIN(TestProgramMemo)
#include "tst_gcode_memo.moc"
