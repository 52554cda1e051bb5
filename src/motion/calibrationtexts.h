#pragma once

#include <QCoreApplication>
#include <QString>

// The calibration's texts in the station's words, for the window and the
// tools alike (context "calibration"). Line numbers are counted from 1.
namespace calibrationtext {

inline QString notFiveNumbers(qsizetype line) {
    return QCoreApplication::translate(
               "calibration",
               "Wiersz %1: potrzeba pięciu liczb: X1 Y1 X2 Y2 i zmierzonej odległości.")
        .arg(line);
}
inline QString badNumber(qsizetype line, const QString& text) {
    return QCoreApplication::translate("calibration", "Wiersz %1: '%2' nie jest liczbą.")
        .arg(line)
        .arg(text);
}
inline QString badDistance(qsizetype line) {
    return QCoreApplication::translate("calibration",
                                       "Wiersz %1: zmierzona odległość musi być większa od zera.")
        .arg(line);
}
inline QString crossBeyondReach(qsizetype line, const QString& x, const QString& y) {
    return QCoreApplication::translate("calibration",
                                       "Wiersz %1: krzyżyk X %2 Y %3 leży poza zasięgiem ramienia.")
        .arg(line)
        .arg(x, y);
}
inline QString distanceTooLong(qsizetype line) {
    return QCoreApplication::translate(
               "calibration", "Wiersz %1: odległość jest dłuższa, niż ramię może narysować.")
        .arg(line);
}
inline QString tooFewMeasures(int count, int needed) {
    return QCoreApplication::translate("calibration",
                                       "Pomiarów jest %1, a dopasowanie potrzebuje co najmniej %2.")
        .arg(count)
        .arg(needed);
}
inline QString singularFit() {
    return QCoreApplication::translate(
        "calibration",
        "Pomiary nie wyznaczają wartości ramienia: zmierz pary krzyżyków rozłożonych po "
        "całym polu wzoru.");
}
inline QString residualTooLarge(qsizetype line, const QString& residual) {
    return QCoreApplication::translate(
               "calibration",
               "Wiersz %1: pomiar odbiega od pozostałych o %2 mm; sprawdź, czy nie ma w nim "
               "literówki.")
        .arg(line)
        .arg(residual);
}
inline QString cannotReach(const QString& x, const QString& y) {
    return QCoreApplication::translate(
               "calibration",
               "Z dopasowanymi wartościami ramię nie sięga krzyżyka X %1 Y %2; sprawdź pomiary.")
        .arg(x, y);
}
inline QString damagedFile(qsizetype line, const QString& why) {
    return QCoreApplication::translate("calibration",
                                       "Plik kalibracji jest uszkodzony (wiersz %1): %2")
        .arg(line)
        .arg(why);
}
inline QString otherVersion(const QString& version) {
    return QCoreApplication::translate("calibration",
                                       "Plik kalibracji ma wersję %1, a stacja czyta wersję 1.")
        .arg(version);
}
inline QString notCalibrationFile() {
    return QCoreApplication::translate("calibration",
                                       "To nie jest plik kalibracji ramienia stacji.");
}
inline QString unreachableLines(qsizetype count, qsizetype firstLine) {
    return QCoreApplication::translate(
               "calibration",
               "Punktów poza zasięgiem skalibrowanego ramienia: %1 (pierwszy w wierszu %2); "
               "zostały bez poprawki.")
        .arg(count)
        .arg(firstLine);
}
inline QString approximateLines(qsizetype count, qsizetype firstLine) {
    return QCoreApplication::translate(
               "calibration",
               "Punktów tuż przy osi Y, które skalibrowane ramię rysuje tylko w przybliżeniu: %1 "
               "(pierwszy w wierszu %2).")
        .arg(count)
        .arg(firstLine);
}

} // namespace calibrationtext
