#include "gcode/gcodemessages.h"

#include "gcode/windows1250.h"

namespace GcodeMessages {

QString notValidFloat(QByteArrayView text) {
    return notValidFloat(DecodeWindows1250(text));
}

QString notValidInteger(QByteArrayView text) {
    return notValidInteger(DecodeWindows1250(text));
}

QString notValidFloat(const QString& text) {
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

QString notValidInteger(const QString& text) {
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
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

QString outOfReach(QByteArrayView n) {
    return QStringLiteral("W bloku ") + DecodeWindows1250(n) +
           QStringLiteral(" nastapiło przekroczenie zasięgu manipulatora:");
}

} // namespace GcodeMessages
