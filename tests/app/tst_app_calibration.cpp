// "Manipulator" -> "Kalibracja ramienia…": the pattern loaded as the program,
// the distances typed into the table fitted, the calibration applied to what
// the link sends (the plot keeps the intended program), shown in the status
// bar, remembered, and taken off again.
#include "app/calibratedprogramsource.h"
#include "app/calibrationcommands.h"
#include "app/calibrationdialog.h"
#include "app/mainwindow.h"
#include "app/programcommands.h"
#include "app/settingsstore.h"
#include "app/station.h"
#include "app/stationpersistence.h"
#include "motion/programcorrection.h"
#include "support/files.h"
#include "support/stationdoubles.h"
#include "support/testdata.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <memory>

namespace {

const ArmCalibration kRealArm{251.2, 248.9, 1.003, 0.998, 0.45};

QByteArrayList sentLines(const ProgramSource& source) {
    QByteArrayList lines;
    for (int i = 0; i < source.lineCount(); ++i)
        lines << *source.lineAt(i);
    return lines;
}

QByteArrayList textLines(const ProgramText& text) {
    QByteArrayList lines;
    for (qsizetype i = 0; i < text.lineCount(); ++i)
        lines << text.line(i).toByteArray();
    return lines;
}

} // namespace

class TestCalibrationWindow : public QObject {
    Q_OBJECT
private slots:
    void patternFitApplyAndOff();
};

void TestCalibrationWindow::patternFitApplyAndOff() {
    TempDir dir;
    const QString settingsFile = dir.filePath(QStringLiteral("station.conf"));
    {
        SettingsStore store(settingsFile);
        Station station(&store);
        MainWindow& window = station.mainWindow();
        WindowRecorder recorder;
        recorder.attach(window);
        window.findChild<QAction*>(QStringLiteral("Kalibracjaramienia1"))->trigger();
        CalibrationDialog* dialog = station.calibration().dialog();
        QVERIFY(dialog && dialog->isVisible());
        QTableWidget* table = dialog->table();
        QVERIFY(table->rowCount() > 5 && table->rowCount() <= 60);
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("StatusCalibration"))->text(),
                 QStringLiteral("Bez kalibracji"));

        // The pattern becomes the program, to be sent as any program.
        dialog->findChild<QPushButton*>(QStringLiteral("CalibrationPatternButton"))->click();
        QVERIFY(window.programList().lineCount() > 100);

        // The distances the real arm drew, as measured with a ruler.
        for (int row = 0; row < table->rowCount(); ++row) {
            auto number = [&](int column) {
                return table->item(row, column)->text().replace(u',', u'.').toDouble();
            };
            const CalibrationMeasure measure{
                {number(2), number(3)}, {number(4), number(5)}, 0, row};
            table->item(row, 6)->setText(
                QString::number(DrawnDistance(kRealArm, measure), 'f', 6).replace(u'.', u','));
        }
        dialog->findChild<QPushButton*>(QStringLiteral("CalibrationFitButton"))->click();
        QVERIFY2(
            dialog->lastFit(),
            qPrintable(dialog->findChild<QLabel*>(QStringLiteral("CalibrationValues"))->text()));
        const ArmCalibration found = dialog->lastFit()->calibration;
        QVERIFY(qAbs(found.link1 - kRealArm.link1) < 1e-3);
        QVERIFY(qAbs(found.elbowOffset - kRealArm.elbowOffset) < 1e-3);
        QVERIFY(!table->item(0, 7)->text().isEmpty()); // each pair's residual

        // Applied: what the link sends is the program corrected for the arm.
        dialog->findChild<QPushButton*>(QStringLiteral("CalibrationApplyButton"))->click();
        QVERIFY(station.calibration().calibration());
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("StatusCalibration"))
                    ->text()
                    .startsWith(QStringLiteral("Kalibracja: L1 251,2")));
        QVERIFY(window.programCommands()->openProgramFile(
            dir.writeFile(QStringLiteral("kwiat.nc"), strokeDrawing(10))));
        const ProgramText intended = window.programList().snapshot();
        const Result<CorrectedProgram> corrected = CorrectProgram(intended, found);
        QVERIFY(corrected);
        QCOMPARE(sentLines(station.programSource()), textLines(corrected->program));
        QVERIFY(sentLines(station.programSource()) != textLines(intended));
        // Each sent line belongs to the program line whose correction it is
        // part of, the added pieces to the line they lead to.
        const CalibratedProgramSource& source = station.programSource();
        QVERIFY(corrected->addedLines > 0);
        int line = 0;
        for (int sent = 0; sent < source.lineCount(); ++sent) {
            QVERIFY(source.programLineOf(sent) >= line);
            line = source.programLineOf(sent);
            if (source.sentIndexOf(line) == sent)
                continue; // the first of its line
            QVERIFY(source.programLineOf(sent - 1) == line);
        }
        QCOMPARE(line, int(intended.lineCount()) - 1);
        for (int each = 0; each < intended.lineCount(); ++each)
            QCOMPARE(source.programLineOf(source.sentIndexOf(each)), each);
        station.persistence().save();
    }
    {
        // Remembered: the next start has it in force.
        SettingsStore store(settingsFile);
        Station station(&store);
        MainWindow& window = station.mainWindow();
        WindowRecorder recorder;
        recorder.attach(window);
        QVERIFY(station.calibration().calibration());
        window.findChild<QAction*>(QStringLiteral("Kalibracjaramienia1"))->trigger();
        station.calibration()
            .dialog()
            ->findChild<QPushButton*>(QStringLiteral("CalibrationOffButton"))
            ->click();
        QVERIFY(!station.calibration().calibration());
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("StatusCalibration"))->text(),
                 QStringLiteral("Bez kalibracji"));
        QVERIFY(window.programCommands()->openProgramFile(
            dir.writeFile(QStringLiteral("b.nc"), strokeDrawing(3))));
        QCOMPARE(sentLines(station.programSource()), textLines(window.programList().snapshot()));
    }
}

QTEST_MAIN(TestCalibrationWindow)
#include "tst_app_calibration.moc"
