// The block parser, its canonical text and the Windows-1250 conversion of
// program text.
#include "base/windows1250.h"
#include "gcode/blockview.h"
#include "gcode/gcodeblock.h"

#include <QTest>

namespace {

// "N|G|X|Y|Z|F|S|T|M" -> block
GcodeBlock blockOf(const QByteArray& words) {
    GcodeBlock block;
    const QList<QByteArray> parts = words.split('|');
    for (std::size_t i = 0; i < kGcodeWordCount && qsizetype(i) < parts.size(); ++i)
        block.words[i] = parts[qsizetype(i)];
    return block;
}

QByteArray describe(const GcodeBlock& block) {
    QByteArrayList parts;
    for (const QByteArray& word : block.words)
        parts.append(word);
    return parts.join('|');
}

// The parser as the station describes it, letter by letter: every word letter
// at positions 1 to 255 (up to a NUL) sets its slot to ReadWordValue.
GcodeBlock referenceParse(QByteArrayView line) {
    GcodeBlock block;
    const QByteArray letters(kGcodeWordLetters);
    for (qsizetype position = 1; position <= std::min<qsizetype>(line.size(), 255); ++position) {
        const char c = line[position - 1];
        if (c == '\0')
            break;
        const qsizetype index = letters.indexOf(c);
        if (index >= 0)
            block.words[std::size_t(index)] = ReadWordValue(line, position);
    }
    return block;
}

} // namespace

class TestGcodeBlock : public QObject {
    Q_OBJECT

private slots:
    void parseBlock_data();
    void parseBlock();
    void viewMatchesBlock();
    void matchesLetterByLetterReading();
    void wordLinesMatchLetterByLetterReading();
    void readWordValue_data();
    void readWordValue();
    void formatBlock_data();
    void formatBlock();
    void windows1250RoundTripsEveryByte();
    void windows1250PolishLetters();
    void windows1250UnknownCharacters();
};

void TestGcodeBlock::parseBlock_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("words"); // N|G|X|Y|Z|F|S|T|M
    QTest::newRow("typical") << QByteArray("N10 G01 X12.5 Y-3 Z1")
                             << QByteArray("10|01|12,5|-3|1||||");
    QTest::newRow("run together") << QByteArray("G01X5Y7") << QByteArray("|01X5Y7|5Y7|7|||||");
    QTest::newRow("one space skipped") << QByteArray("X 15") << QByteArray("||15||||||");
    QTest::newRow("two spaces give empty") << QByteArray("X  15") << QByteArray("||||||||");
    QTest::newRow("M30") << QByteArray("M30") << QByteArray("||||||||30");
    QTest::newRow("M space 30") << QByteArray("M 30") << QByteArray("||||||||30");
    QTest::newRow("M030") << QByteArray("M030") << QByteArray("||||||||030");
    QTest::newRow("comment with MOVE")
        << QByteArray("(MOVE TO START)") << QByteArray("||||||TART)|)|OVE");
    QTest::newRow("lower case") << QByteArray("g01 x5") << QByteArray("||||||||");
    QTest::newRow("empty line") << QByteArray("") << QByteArray("||||||||");
    QTest::newRow("spaces") << QByteArray("     ") << QByteArray("||||||||");
    QTest::newRow("letter at end") << QByteArray("N5 X") << QByteArray("5|||||||||");
    QTest::newRow("later empty wins") << QByteArray("X10 X") << QByteArray("||||||||");
    QTest::newRow("later value wins") << QByteArray("X10 X20") << QByteArray("||20||||||");
    QTest::newRow("several points") << QByteArray("X1.2.3") << QByteArray("||1,2,3||||||");
    QTest::newRow("other letters kept in value")
        << QByteArray("G02 X1 I5 J-3 R2 P9") << QByteArray("|02|1||||||");
    QTest::newRow("all nine") << QByteArray("M3 T2 S1000 F50.5 Z0 Y2 X1 G00 N7")
                              << QByteArray("7|00|1|2|0|50,5|1000|2|3");
    QTest::newRow("tab is part of value") << QByteArray("X1\tY2") << QByteArray("||1\tY2|2||||||");
    QTest::newRow("NUL stops the letter scan")
        << QByteArray("X1 \0Y2", 6) << QByteArray("||1||||||");
    QTest::newRow("value runs past NUL") << QByteArray("X1\0"
                                                       "2 Y3",
                                                       7)
                                         << QByteArray("||1\0"
                                                       "2||||||",
                                                       11);
    QTest::newRow("word letter inside G value") << QByteArray("GX5") << QByteArray("|X5|5||||||");

    QByteArray line300(300, 'a');
    line300[269] = 'X';
    line300[270] = '5';
    QTest::newRow("X at 270 ignored") << line300 << QByteArray("||||||||");

    QByteArray line255(300, 'a');
    line255[254] = 'Y';
    line255[255] = '9';
    QTest::newRow("Y at 255 read past 255")
        << line255 << QByteArray("|||9" + QByteArray(44, 'a') + "|||||");
    QByteArray line256(300, 'a');
    line256[255] = 'Y';
    QTest::newRow("Y at 256 ignored") << line256 << QByteArray("||||||||");
    QByteArray longLine = "N1 X" + QByteArray(100000, '1');
    QTest::newRow("100000 characters")
        << longLine << QByteArray("1||" + QByteArray(100000, '1') + "||||||");
}

void TestGcodeBlock::parseBlock() {
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, words);
    QCOMPARE(describe(ParseBlock(line)), describe(blockOf(words)));
}

// The allocation-free parse used by the pass gives the same words, also when
// a view is reused across lines of different shapes.
void TestGcodeBlock::viewMatchesBlock() {
    BlockView view;
    for (const char* line :
         {"N1 X1.5 Y2.5 Z.5", "G01X5Y7", "", "M30", "N2 X3 Y4.25 F1.2.3", "(MOVE.1 TO.2)", "X1"}) {
        view.parse(line);
        QCOMPARE(describe(view.toBlock()), describe(ParseBlock(line)));
    }
}

// Random lines over a small alphabet rich in letters, spaces, points and
// NULs, many around the 255-position limit: the one-pass parser must give
// exactly what reading the line letter by letter gives.
void TestGcodeBlock::matchesLetterByLetterReading() {
    const char alphabet[] = {'N', 'G', 'X', 'Y', 'Z', 'F', 'S', 'T',  'M',  ' ', ' ',
                             ' ', '.', '.', '1', '2', 'a', '(', '\0', '\t', 'x'};
    quint32 state = 12345;
    auto next = [&state](quint32 bound) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % bound;
    };
    BlockView view;
    BlockView raw;
    for (int round = 0; round < 20000; ++round) {
        const quint32 length = round % 4 == 0 ? 240 + next(40) : next(40);
        QByteArray line;
        for (quint32 i = 0; i < length; ++i)
            line.append(alphabet[next(sizeof alphabet)]);
        view.parse(line);
        const QByteArray actual = describe(view.toBlock());
        const QByteArray expected = describe(referenceParse(line));
        // The form that keeps points gives the same block and canonical text.
        raw.parseKeepingPoints(line);
        QCOMPARE(describe(raw.toBlock()), actual);
        QByteArray canonical(raw.canonicalSize(), Qt::Uninitialized);
        raw.writeCanonical(canonical.data());
        QCOMPARE(canonical, FormatBlock(view.toBlock()));
        if (actual != expected)
            QFAIL(qPrintable("line \"" + line.toPercentEncoding() +
                             "\": " + actual.toPercentEncoding() + " instead of " +
                             expected.toPercentEncoding()));
    }
}

// Random lines made of words as programs write them (a letter, a value, one
// space between), with now and then what breaks that shape: an empty value,
// a letter or NUL inside a value, two spaces, a space before or after, a line
// across the 255-position limit.
void TestGcodeBlock::wordLinesMatchLetterByLetterReading() {
    const char letters[] = "NGXYZFSTM";
    const char values[] = {'0', '1', '5', '9', '.', '.', ',', '-', '+', 'a', '(', '\t', '\xb3'};
    const char breakers[] = {'X', 'M', '\0', ' '};
    quint32 state = 54321;
    auto next = [&state](quint32 bound) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % bound;
    };
    BlockView view;
    for (int round = 0; round < 20000; ++round) {
        QByteArray line;
        if (next(40) == 0)
            line.append(' ');
        const quint32 words = round % 8 == 0 ? 30 + next(40) : next(8);
        for (quint32 w = 0; w < words; ++w) {
            if (w > 0)
                line.append(next(40) == 0 ? "  " : " ");
            line.append(letters[next(9)]);
            const quint32 length = next(30) == 0 ? 0 : 1 + next(7);
            for (quint32 i = 0; i < length; ++i)
                line.append(next(60) == 0 ? breakers[next(sizeof breakers)]
                                          : values[next(sizeof values)]);
        }
        if (next(4) == 0)
            line.append(' ');
        view.parse(line);
        const QByteArray actual = describe(view.toBlock());
        const QByteArray expected = describe(referenceParse(line));
        if (actual != expected)
            QFAIL(qPrintable("line \"" + line.toPercentEncoding() +
                             "\": " + actual.toPercentEncoding() + " instead of " +
                             expected.toPercentEncoding()));
        view.parseKeepingPoints(line);
        QCOMPARE(describe(view.toBlock()), expected);
    }
}

void TestGcodeBlock::readWordValue_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("plain") << QByteArray("X15 Y2") << 1 << QByteArray("15");
    QTest::newRow("one space") << QByteArray("X 15") << 1 << QByteArray("15");
    QTest::newRow("two spaces") << QByteArray("X  15") << 1 << QByteArray("");
    QTest::newRow("point to comma") << QByteArray("Y1.25") << 1 << QByteArray("1,25");
    QTest::newRow("middle of line") << QByteArray("N1 Y2.5 Z3") << 4 << QByteArray("2,5");
    QTest::newRow("letter at end") << QByteArray("N1 X") << 4 << QByteArray("");
    QTest::newRow("space at end") << QByteArray("X ") << 1 << QByteArray("");
    QTest::newRow("past the end") << QByteArray("X1") << 5 << QByteArray("");
}

void TestGcodeBlock::readWordValue() {
    QFETCH(QByteArray, line);
    QFETCH(int, position);
    QFETCH(QByteArray, value);
    QCOMPARE(ReadWordValue(line, position), value);
}

void TestGcodeBlock::formatBlock_data() {
    QTest::addColumn<QByteArray>("words");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("example") << QByteArray("10|01|12,5|300|1||||")
                             << QByteArray("N10 G01 X12,5 Y300 Z1 ");
    QTest::newRow("empty") << QByteArray("||||||||") << QByteArray("");
    QTest::newRow("all nine") << QByteArray("1|2|3|4|5|6|7|8|9")
                              << QByteArray("N1 G2 X3 Y4 Z5 F6 S7 T8 M9 ");
    QTest::newRow("only M") << QByteArray("||||||||30") << QByteArray("M30 ");
}

void TestGcodeBlock::formatBlock() {
    QFETCH(QByteArray, words);
    QFETCH(QByteArray, text);
    QCOMPARE(FormatBlock(blockOf(words)), text);
}

void TestGcodeBlock::windows1250RoundTripsEveryByte() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = DecodeWindows1250(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(EncodeWindows1250(text), all);
}

void TestGcodeBlock::windows1250PolishLetters() {
    const QByteArray bytes(
        "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF");
    QCOMPARE(DecodeWindows1250(bytes), QStringLiteral("ĄĆĘŁŃÓŚŹŻąćęłńóśźż"));
    QCOMPARE(EncodeWindows1250(QStringLiteral("zasięgu nastapiło €")),
             QByteArray("zasi\xEAgu nastapi\xB3o \x80"));
}

void TestGcodeBlock::windows1250UnknownCharacters() {
    QCOMPARE(EncodeWindows1250(QStringLiteral("a\u4E2Db\U0001F600c")), QByteArray("a?b?c"));
}

QTEST_APPLESS_MAIN(TestGcodeBlock)
#include "tst_gcode_block.moc"
