#include "app/appmessages.h"

namespace AppMessages {

QString captionWithFile(const QString& fullFileName) {
    return QString::fromUtf16(kCaption) + QLatin1Char(' ') + fullFileName;
}

QString reachCount(qsizetype count) {
    return QStringLiteral("Bloki poza zasięgiem manipulatora: %1 (lista na stronie G-kod)")
        .arg(count);
}

QString notPositive(const QString& text) {
    return QStringLiteral("'%1' nie jest liczbą dodatnią").arg(text);
}

QString pathCount(qsizetype zone, qsizetype elbow) {
    return QStringLiteral("Ruchy przez obszar zabroniony: %1, przejścia łokcia przez oś Y: %2 "
                          "(lista na stronie G-kod)")
        .arg(zone)
        .arg(elbow);
}

} // namespace AppMessages
