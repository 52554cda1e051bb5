#include "gcode/gcodemessages.h"

#include "base/conversionmessages.h"
#include "base/numberformat.h"
#include "base/windows1250.h"

#include <QCoreApplication>

#include <cmath>

namespace GcodeMessages {

QString notValidFloat(QByteArrayView text) {
    return ConversionMessages::notValidFloat(text);
}

QString notValidInteger(QByteArrayView text) {
    return ConversionMessages::notValidInteger(text);
}

QString notValidFloat(const QString& text) {
    return ConversionMessages::notValidFloat(text);
}

QString notValidInteger(const QString& text) {
    return ConversionMessages::notValidInteger(text);
}

QString listIndexOutOfBounds(qsizetype index) {
    return QCoreApplication::translate("GcodeMessages", "List index out of bounds (%1)").arg(index);
}

QString cannotOpenFile(const QString& fileName, const QString& reason) {
    return QCoreApplication::translate("GcodeMessages", "Cannot open file \"%1\". %2")
        .arg(fileName, reason);
}

QString cannotCreateFile(const QString& fileName, const QString& reason) {
    return QCoreApplication::translate("GcodeMessages", "Cannot create file \"%1\". %2")
        .arg(fileName, reason);
}

ReportTexts::ReportTexts()
    : shiftedY(QCoreApplication::translate(
          "GcodeMessages", "W bloku %1 nastapiło dodatnie do pozycji Y wartosci %2")),
      shiftedX(QCoreApplication::translate(
          "GcodeMessages", "W bloku %1 nastapiło dodatnie do pozycji x wartosci %2")),
      outOfReach(QCoreApplication::translate(
          "GcodeMessages", "W bloku %1 nastapiło przekroczenie zasięgu manipulatora:")) {}

QString ReportTexts::shiftedYLine(QByteArrayView n, qint32 dy) const {
    return shiftedY.arg(DecodeWindows1250(n), QString::number(dy));
}

QString ReportTexts::shiftedXLine(QByteArrayView n, qint32 dx) const {
    return shiftedX.arg(DecodeWindows1250(n), QString::number(dx));
}

QString ReportTexts::outOfReachLine(QByteArrayView n) const {
    return outOfReach.arg(DecodeWindows1250(n));
}

QString shiftedY(QByteArrayView n, qint32 dy) {
    return ReportTexts().shiftedYLine(n, dy);
}

QString shiftedX(QByteArrayView n, qint32 dx) {
    return ReportTexts().shiftedXLine(n, dx);
}

QString outOfReach(QByteArrayView n) {
    return ReportTexts().outOfReachLine(n);
}

QString throughForbiddenZone(QByteArrayView n, double distance) {
    return QCoreApplication::translate(
               "GcodeMessages",
               "W bloku %1 ruch wchodzi w obszar zabroniony (odległość od podstawy %2)")
        .arg(DecodeWindows1250(n), FormatReal(std::round(distance * 10.0) / 10.0));
}

QString elbowTurnsOver(QByteArrayView n, bool penDown) {
    return (penDown
                ? QCoreApplication::translate(
                      "GcodeMessages",
                      "W bloku %1 ruch przecina oś Y z opuszczonym pisakiem: łokieć przerzuca się")
                : QCoreApplication::translate(
                      "GcodeMessages", "W bloku %1 ruch przecina oś Y: łokieć przerzuca się"))
        .arg(DecodeWindows1250(n));
}

QString backgroundMissing() {
    return QCoreApplication::translate(
               "GcodeMessages", "Brak pliku %1 w katalogu roboczym, wyświetlono tło domyślne")
        .arg(QString::fromUtf16(kBackgroundFileName));
}

QString backgroundUnreadable(const QString& why) {
    return QCoreApplication::translate("GcodeMessages", "%1 Wyświetlono tło domyślne.").arg(why);
}

QString fileLoaded() {
    return QCoreApplication::translate("GcodeMessages", "Zakończono ładowanie pliku");
}

} // namespace GcodeMessages
