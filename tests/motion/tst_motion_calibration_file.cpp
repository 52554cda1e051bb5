// Reading the ruler's measures and the calibration file (CAL).
#include "motion/calibrationfile.h"
#include "motion/calibrationfit.h"

#include <QTest>

class CalibrationFileTest : public QObject {
    Q_OBJECT

private slots:
    void readsMeasures();
    void refusesBadMeasureLines_data();
    void refusesBadMeasureLines();
    void refusesMeasuresNoArmDraws_data();
    void refusesMeasuresNoArmDraws();
    void calibrationFileRoundTrips();
    void refusesBadCalibrationFiles_data();
    void refusesBadCalibrationFiles();
};

void CalibrationFileTest::readsMeasures() {
    const Result<std::vector<CalibrationMeasure>> m = ReadCalibrationMeasures(
        "# pairs\n\n200 150 -100 300 335,5\n  -50.5\t200 150,25 300 250.75  # 3 - 7\r\n");
    QVERIFY(m.ok());
    QCOMPARE(m->size(), std::size_t(2));
    QCOMPARE((*m)[0].distance, 335.5);
    QCOMPARE((*m)[0].line, 2);
    QCOMPARE((*m)[1].first.x, -50.5);
    QCOMPARE((*m)[1].second.x, 150.25);
    QCOMPARE((*m)[1].distance, 250.75);
}

void CalibrationFileTest::refusesBadMeasureLines_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("four numbers") << QByteArray("1 2 3 4 5\n1 2 3 4\n")
                                  << "Wiersz 2: potrzeba pięciu liczb: X1 Y1 X2 Y2 i zmierzonej "
                                     "odległości.";
    QTest::newRow("a word") << QByteArray("# a\n1 2 3 4 abc\n")
                            << "Wiersz 2: 'abc' nie jest liczbą.";
    QTest::newRow("a thousands separator")
        << QByteArray("1 2 3 4 1.234,5\n") << "Wiersz 1: '1.234,5' nie jest liczbą.";
    QTest::newRow("no distance") << QByteArray("1 2 3 4 0\n")
                                 << "Wiersz 1: zmierzona odległość musi być większa od zera.";
}

void CalibrationFileTest::refusesBadMeasureLines() {
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    const Result<std::vector<CalibrationMeasure>> m = ReadCalibrationMeasures(text);
    QVERIFY(!m.ok());
    QCOMPARE(m.error(), message);
}

void CalibrationFileTest::refusesMeasuresNoArmDraws_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");
    const QByteArray six = QByteArray("200 150 -100 300 335\n").repeated(5);
    QTest::newRow("a cross beyond the reach")
        << six + "200 150 600 100,5 335\n"
        << "Wiersz 6: krzyżyk X 600 Y 100,5 leży poza zasięgiem ramienia.";
    QTest::newRow("a distance no arm draws")
        << "# x\n" + six + "200 150 -100 300 1001\n"
        << "Wiersz 7: odległość jest dłuższa, niż ramię może narysować.";
}

void CalibrationFileTest::refusesMeasuresNoArmDraws() {
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    const Result<std::vector<CalibrationMeasure>> m = ReadCalibrationMeasures(text);
    QVERIFY(m.ok());
    const Result<CalibrationFit> fit = FitCalibration(*m);
    QVERIFY(!fit.ok());
    QCOMPARE(fit.error(), message);
}

void CalibrationFileTest::calibrationFileRoundTrips() {
    const ArmCalibration arm{251.123456789, 248.7, 1.0031, 0.9962, -0.512345};
    const QByteArray text = WriteCalibrationFile(arm);
    QVERIFY(text.startsWith("scara-calibration 1\n"));
    const Result<ArmCalibration> read = ReadCalibrationFile(text);
    QVERIFY(read.ok());
    QCOMPARE(*read, arm);
    // A decimal point is read as well as a comma.
    const Result<ArmCalibration> dotted = ReadCalibrationFile(
        "scara-calibration 1\r\nL1 251.5\r\nL2 249\r\nk1 1.002\r\nk2 1\r\no2 -0.5 # note\r\n");
    QVERIFY(dotted.ok());
    QCOMPARE(dotted->link1, 251.5);
    QCOMPARE(dotted->elbowOffset, -0.5);
}

void CalibrationFileTest::refusesBadCalibrationFiles_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");
    const QByteArray values = "L1 250\nL2 250\nk1 1\nk2 1\n";
    QTest::newRow("another version") << "scara-calibration 2\n" + values + "o2 0\n"
                                     << "Plik kalibracji ma wersję 2, a stacja czyta wersję 1.";
    QTest::newRow("not a calibration")
        << QByteArray("N10 G00 X1 Y2\n") << "To nie jest plik kalibracji ramienia stacji.";
    QTest::newRow("empty") << QByteArray() << "To nie jest plik kalibracji ramienia stacji.";
    QTest::newRow("a value missing") << "scara-calibration 1\n" + values
                                     << "Plik kalibracji jest uszkodzony (wiersz 6): brak "
                                        "wartości o2.";
    QTest::newRow("a value cut short")
        << "scara-calibration 1\n" + values + "o2\n"
        << "Plik kalibracji jest uszkodzony (wiersz 6): potrzeba nazwy wartości i liczby.";
    QTest::newRow("a value twice") << "scara-calibration 1\n" + values + "k2 1\n"
                                   << "Plik kalibracji jest uszkodzony (wiersz 6): wartość k2 "
                                      "powtórzona.";
    QTest::newRow("not a number") << "scara-calibration 1\n" + values + "o2 0x\n"
                                  << "Plik kalibracji jest uszkodzony (wiersz 6): '0x' nie jest "
                                     "możliwą wartością o2.";
    QTest::newRow("a link no arm has") << QByteArray("scara-calibration 1\nL1 25\n")
                                       << "Plik kalibracji jest uszkodzony (wiersz 2): '25' nie "
                                          "jest możliwą wartością L1.";
    QTest::newRow("an unknown value") << "scara-calibration 1\n" + values + "o1 0\n"
                                      << "Plik kalibracji jest uszkodzony (wiersz 6): nieznana "
                                         "wartość 'o1'.";
}

void CalibrationFileTest::refusesBadCalibrationFiles() {
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    const Result<ArmCalibration> read = ReadCalibrationFile(text);
    QVERIFY(!read.ok());
    QCOMPARE(read.error(), message);
}

QTEST_APPLESS_MAIN(CalibrationFileTest)
#include "tst_motion_calibration_file.moc"
