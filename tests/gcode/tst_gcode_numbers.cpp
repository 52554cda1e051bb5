// The station's number format: ParseReal, ParseWhole, FormatReal and the
// half-to-even rounding the preparation pass writes.
#include "base/numberformat.h"

#include "base/windows1250.h"

#include <QTest>

#include <cmath>

class TestNumberFormat : public QObject {
    Q_OBJECT

private slots:
    void parseRealAccepts_data();
    void parseRealAccepts();
    void parseRealRejects_data();
    void parseRealRejects();
    void parseRealFromSettingsText();
    void parseWordReal();
    void parseWholeAccepts_data();
    void parseWholeAccepts();
    void parseWholeRejects_data();
    void parseWholeRejects();
    void formatReal_data();
    void formatReal();
    void formatRealRoundTrips();
    void roundedWhole_data();
    void roundedWhole();
    void longValuesAreCutInMessages_data();
    void longValuesAreCutInMessages();
};

void TestNumberFormat::parseRealAccepts_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("comma fraction") << QByteArray("12,5") << 12.5;
    QTest::newRow("blanks around") << QByteArray("  12,5  ") << 12.5;
    QTest::newRow("trailing comma") << QByteArray("12,") << 12.0;
    QTest::newRow("leading comma") << QByteArray(",5") << 0.5;
    QTest::newRow("minus") << QByteArray("-3") << -3.0;
    QTest::newRow("plus") << QByteArray("+3") << 3.0;
    QTest::newRow("leading zeros") << QByteArray("0012") << 12.0;
    QTest::newRow("exponent") << QByteArray("1E3") << 1000.0;
    QTest::newRow("small exponent") << QByteArray("1e-2") << 0.01;
    QTest::newRow("signed exponent") << QByteArray("2,5e+1") << 25.0;
    QTest::newRow("tenth exact") << QByteArray("0,1") << 0.1;
    QTest::newRow("fifteen digits") << QByteArray("123456789,012345") << 123456789.012345;
    QTest::newRow("many digits") << QByteArray("1234567890123456789") << 1234567890123456789.0;
    QTest::newRow("long fraction") << QByteArray("0,30000000000000000000001") << 0.3;
    QTest::newRow("underflow is zero") << QByteArray("1e-400") << 0.0;
    QTest::newRow("zero mantissa huge exponent") << QByteArray("0e999") << 0.0;
    QTest::newRow("largest") << QByteArray("1,7976931348623157e308") << 1.7976931348623157e308;
    // Digits beyond what a 64-bit mantissa holds: read exactly, no overflow
    // on the way (UBSan builds check the latter).
    QTest::newRow("sixteen digits") << QByteArray("9007199254740993") << 9007199254740992.0;
    QTest::newRow("twenty-three nines")
        << QByteArray("99999999999999999999999") << 99999999999999999999999.0;
    QTest::newRow("long with fraction")
        << QByteArray("-12345678901234567890123,456") << -12345678901234567890123.456;
    QTest::newRow("long fraction only")
        << QByteArray(",1234567890123456789012345") << 0.1234567890123456789012345;
    QTest::newRow("three hundred digits") << QByteArray("1" + QByteArray(299, '0')) << 1e299;
}

void TestNumberFormat::parseRealAccepts() {
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    const Result<double> result = ParseReal(text);
    QVERIFY2(result.ok(), qPrintable(result.ok() ? QString() : result.error()));
    QCOMPARE(*result, value);
}

void TestNumberFormat::parseRealRejects_data() {
    QTest::addColumn<QByteArray>("text");
    for (const char* text : {"",
                             " ",
                             "12.5",
                             ",",
                             "-",
                             "+,",
                             "1e",
                             "1e+",
                             "e5",
                             "E",
                             "12,5,",
                             "1,2,3",
                             "\t12",
                             "12\t",
                             "0x10",
                             "inf",
                             "nan",
                             "1 2",
                             "--1",
                             "+-1",
                             "1e999",
                             "-1e400000000000000000000",
                             "12a",
                             "5Y7",
                             "1,5e2,5",
                             "1e2e3",
                             "\x00"
                             "1"}) {
        QTest::newRow(text[0] ? text : "empty") << QByteArray(text);
    }
    QTest::newRow("nul inside") << QByteArray("1\0"
                                              "2",
                                              3);
}

void TestNumberFormat::parseRealRejects() {
    QFETCH(QByteArray, text);
    const Result<double> result = ParseReal(text);
    QVERIFY(!result.ok());
    QCOMPARE(
        result.error(),
        QStringLiteral("'%1' is not a valid floating point value").arg(QString::fromLatin1(text)));
}

// Word values as they stand in the line: a point counts as the comma the
// parser would store, and errors name the value with commas.
void TestNumberFormat::parseWordReal() {
    QCOMPARE(*ParseWordReal("99999999999999999999999"), 99999999999999999999999.0);
    QCOMPARE(*ParseWordReal("-99999999999999999999.5"), -99999999999999999999.5);
    QCOMPARE(*ParseWordReal("12.5"), 12.5);
    QCOMPARE(*ParseWordReal(" -.5e1 "), -5.0);
    QCOMPARE(*ParseWordReal("12,5"), 12.5);
    QCOMPARE(ParseWordReal("1.2,3").error(),
             QStringLiteral("'1,2,3' is not a valid floating point value"));
    QCOMPARE(ParseWordReal("1.e").error(),
             QStringLiteral("'1,e' is not a valid floating point value"));
    QCOMPARE(*ParseWordReal("0.30000000000000000000001"), 0.3);
}

void TestNumberFormat::parseRealFromSettingsText() {
    QCOMPARE(*ParseReal(QStringLiteral("1,8")), 1.8);
    QCOMPARE(*ParseReal(QStringLiteral("0,25")), 0.25);
    const Result<double> polish = ParseReal(QStringLiteral("1,8ł"));
    QVERIFY(!polish);
    QCOMPARE(polish.error(), QStringLiteral("'1,8ł' is not a valid floating point value"));
}

void TestNumberFormat::parseWholeAccepts_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << QByteArray("12") << 12;
    QTest::newRow("leading spaces") << QByteArray("   12") << 12;
    QTest::newRow("minus") << QByteArray("-5") << -5;
    QTest::newRow("plus") << QByteArray("+5") << 5;
    QTest::newRow("minus zero") << QByteArray("-0") << 0;
    QTest::newRow("leading zeros") << QByteArray("007") << 7;
    QTest::newRow("largest") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("smallest") << QByteArray("-2147483648") << int(-2147483648LL);
}

void TestNumberFormat::parseWholeAccepts() {
    QFETCH(QByteArray, text);
    QFETCH(int, value);
    const Result<qint32> result = ParseWhole(text);
    QVERIFY(result.ok());
    QCOMPARE(*result, value);
}

void TestNumberFormat::parseWholeRejects_data() {
    QTest::addColumn<QByteArray>("text");
    for (const char* text :
         {"", " ", "-", "+", "12 ", "1,0", "12,5", "12a", "2147483648", "-2147483649",
          "99999999999999999999999", "0x1F", "$1F", "1e3", "\t1", "1 2", "--1"}) {
        QTest::newRow(text[0] ? text : "empty") << QByteArray(text);
    }
}

void TestNumberFormat::parseWholeRejects() {
    QFETCH(QByteArray, text);
    const Result<qint32> result = ParseWhole(text);
    QVERIFY(!result.ok());
    QCOMPARE(result.error(),
             QStringLiteral("'%1' is not a valid integer value").arg(QString::fromLatin1(text)));
}

void TestNumberFormat::formatReal_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("twelve and a half") << 12.5 << "12,5";
    QTest::newRow("hundred") << 100.0 << "100";
    QTest::newRow("negative") << -12.5 << "-12,5";
    QTest::newRow("minus zero") << -0.0 << "0";
    QTest::newRow("tiny") << 1e-7 << "0,0000001";
    QTest::newRow("huge") << 1e21 << "1000000000000000000000";
    QTest::newRow("sum of tenths") << 0.1 + 0.2 << "0,3";
    QTest::newRow("third") << 1.0 / 3.0 << "0,333333333333333";
    QTest::newRow("two thirds") << 2.0 / 3.0 << "0,666666666666667";
    QTest::newRow("sixteen digits") << 123456789012345678.0 << "123456789012346000";
    QTest::newRow("1e15") << 1e15 << "1000000000000000";
    QTest::newRow("rounds up to 1e15") << 999999999999999.9 << "1000000000000000";
    QTest::newRow("small fraction") << 0.000123 << "0,000123";
    QTest::newRow("pi") << 3.14159265358979 << "3,14159265358979";
    QTest::newRow("fraction and whole") << 110.25 << "110,25";
    QTest::newRow("negative tiny") << -2.5e-10 << "-0,00000000025";
}

void TestNumberFormat::formatReal() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(FormatReal(value), text);
}

// Whatever FormatReal writes, ParseReal reads back to the same text (up to
// the largest doubles, whose fifteen-digit text exceeds the double range).
void TestNumberFormat::formatRealRoundTrips() {
    for (double v : {0.1, 12.5, -7.25, 1e-5, 123456.789, 1e18, 1e300, 2.2250738585072014e-308}) {
        const QString text = FormatReal(v);
        const Result<double> back = ParseReal(text);
        QVERIFY2(back.ok(), qPrintable(text));
        QCOMPARE(FormatReal(*back), text);
    }
}

void TestNumberFormat::roundedWhole_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("2,5") << 2.5 << QByteArray("2");
    QTest::newRow("3,5") << 3.5 << QByteArray("4");
    QTest::newRow("-2,5") << -2.5 << QByteArray("-2");
    QTest::newRow("12,5") << 12.5 << QByteArray("12");
    QTest::newRow("13,5") << 13.5 << QByteArray("14");
    QTest::newRow("0,5") << 0.5 << QByteArray("0");
    QTest::newRow("-0,4 is not minus zero") << -0.4 << QByteArray("0");
    QTest::newRow("2,51") << 2.51 << QByteArray("3");
    QTest::newRow("1e20") << 1e20 << QByteArray("100000000000000000000");
}

void TestNumberFormat::roundedWhole() {
    QFETCH(double, value);
    QFETCH(QByteArray, text);
    std::string out = "X";
    AppendRoundedWhole(out, value);
    QCOMPARE(QByteArray::fromStdString(out), "X" + text);
}

// Each row: a value that is no number and the message about it. A value of
// more than 60 characters is cut there with an ellipsis, so that a bad
// number of megabytes is not echoed whole.
void TestNumberFormat::longValuesAreCutInMessages_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("integer");
    QTest::addColumn<QString>("message");
    const QByteArray sixty = QByteArray("x").repeated(60);
    QTest::newRow("60 characters, whole")
        << sixty << false << QString("'%1' is not a valid floating point value").arg(sixty);
    QTest::newRow("61 characters, cut")
        << sixty + "y" << false
        << QString("'%1\u2026' is not a valid floating point value").arg(sixty);
    QTest::newRow("a megabyte of digits and a letter")
        << QByteArray(1 << 20, '9') + "x" << true
        << QString("'%1\u2026' is not a valid integer value").arg(QString(60, '9'));
    QTest::newRow("8-bit bytes decoded")
        << QByteArray("\xb3").repeated(70) << true
        << QString("'%1\u2026' is not a valid integer value").arg(QString(60, QChar(0x142)));
}

void TestNumberFormat::longValuesAreCutInMessages() {
    QFETCH(QByteArray, text);
    QFETCH(bool, integer);
    QFETCH(QString, message);
    if (integer) {
        QCOMPARE(ParseWhole(text).error(), message);
    } else {
        QCOMPARE(ParseReal(text).error(), message);
        QCOMPARE(ParseReal(DecodeWindows1250(text)).error(), message);
    }
}

QTEST_APPLESS_MAIN(TestNumberFormat)
#include "tst_gcode_numbers.moc"
