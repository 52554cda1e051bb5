#include "gcode/gcodemessages.h"

#include "base/conversionmessages.h"
#include "base/numberformat.h"
#include "base/windows1250.h"

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
    return QStringLiteral("List index out of bounds (%1)").arg(index);
}

QString cannotOpenFile(const QString& fileName, const QString& reason) {
    return QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, reason);
}

QString cannotCreateFile(const QString& fileName, const QString& reason) {
    return QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, reason);
}

QString shiftedY(QByteArrayView n, qint32 dy) {
    return QStringLiteral("W bloku ") + DecodeWindows1250(n) +
           QStringLiteral(" nastapiło dodatnie do pozycji Y wartosci ") + QString::number(dy);
}

QString shiftedX(QByteArrayView n, qint32 dx) {
    return QStringLiteral("W bloku ") + DecodeWindows1250(n) +
           QStringLiteral(" nastapiło dodatnie do pozycji x wartosci ") + QString::number(dx);
}

QString throughForbiddenZone(QByteArrayView n, double distance) {
    return QStringLiteral("W bloku ") + DecodeWindows1250(n) +
           QStringLiteral(" ruch wchodzi w obszar zabroniony (odległość od podstawy ") +
           FormatReal(std::round(distance * 10.0) / 10.0) + QStringLiteral(")");
}

QString elbowTurnsOver(QByteArrayView n, bool penDown) {
    return QStringLiteral("W bloku ") + DecodeWindows1250(n) +
           (penDown
                ? QStringLiteral(" ruch przecina oś Y z opuszczonym pisakiem: łokieć przerzuca się")
                : QStringLiteral(" ruch przecina oś Y: łokieć przerzuca się"));
}

QString outOfReach(QByteArrayView n) {
    return QStringLiteral("W bloku ") + DecodeWindows1250(n) +
           QStringLiteral(" nastapiło przekroczenie zasięgu manipulatora:");
}

QString backgroundMissing() {
    return QStringLiteral("Brak pliku ") + QString::fromUtf16(kBackgroundFileName) +
           QStringLiteral(" w katalogu roboczym, wyświetlono tło domyślne");
}

QString backgroundUnreadable(const QString& why) {
    return why + QStringLiteral(" Wyświetlono tło domyślne.");
}

} // namespace GcodeMessages
