#include "app/appmessages.h"

namespace AppMessages {

QString captionWithFile(const QString& fullFileName) {
    return QString::fromUtf16(kCaption) + QLatin1Char(' ') + fullFileName;
}

QString reachCount(qsizetype count) {
    return QStringLiteral("Bloki poza zasięgiem manipulatora: %1 (lista na stronie G-kod)")
        .arg(count);
}

} // namespace AppMessages
