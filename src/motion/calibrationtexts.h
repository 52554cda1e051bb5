#pragma once

#include <QCoreApplication>
#include <QString>

// The calibration's texts in the station's words, for the window and the
// tools alike (context "calibration"). Line numbers are counted from 1.
namespace calibrationtext {

inline QString tr(const char* source) {
    return QCoreApplication::translate("calibration", source);
}
inline QString notFiveNumbers(qsizetype line) {
    return tr("Wiersz %1: potrzeba pięciu liczb: X1 Y1 X2 Y2 i zmierzonej odległości.").arg(line);
}
inline QString badNumber(qsizetype line, const QString& text) {
    return tr("Wiersz %1: '%2' nie jest liczbą.").arg(line).arg(text);
}
inline QString badDistance(qsizetype line) {
    return tr("Wiersz %1: zmierzona odległość musi być większa od zera.").arg(line);
}
inline QString tooFewMeasures(int count, int needed) {
    return tr("Pomiarów jest %1, a dopasowanie potrzebuje co najmniej %2.").arg(count).arg(needed);
}
inline QString singularFit() {
    return tr("Pomiary nie wyznaczają wartości ramienia: zmierz pary krzyżyków rozłożonych po "
              "całym polu wzoru.");
}
inline QString residualTooLarge(qsizetype line, const QString& residual) {
    return tr("Wiersz %1: pomiar odbiega od pozostałych o %2 mm; sprawdź, czy nie ma w nim "
              "literówki.")
        .arg(line)
        .arg(residual);
}
inline QString cannotReach(const QString& x, const QString& y) {
    return tr("Z dopasowanymi wartościami ramię nie sięga krzyżyka X %1 Y %2; sprawdź pomiary.")
        .arg(x, y);
}
inline QString damagedFile(qsizetype line, const QString& why) {
    return tr("Plik kalibracji jest uszkodzony (wiersz %1): %2").arg(line).arg(why);
}
inline QString otherVersion(const QString& version) {
    return tr("Plik kalibracji ma wersję %1, a stacja czyta wersję 1.").arg(version);
}
inline QString notCalibrationFile() {
    return tr("To nie jest plik kalibracji ramienia stacji.");
}
inline QString unreachableLines(qsizetype count, qsizetype firstLine) {
    return tr("Punktów poza zasięgiem skalibrowanego ramienia: %1 (pierwszy w wierszu %2); "
              "zostały bez poprawki.")
        .arg(count)
        .arg(firstLine);
}

} // namespace calibrationtext
