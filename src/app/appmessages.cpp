#include "app/appmessages.h"

namespace AppMessages {

QString captionWithFile(const QString& fullFileName) {
    return QString::fromUtf16(kCaption) + QLatin1Char(' ') + fullFileName;
}

QString backgroundMissing() {
    return QStringLiteral("Brak pliku wzorzec.bmp w katalogu roboczym, wyświetlono tło domyślne");
}

QString backgroundUnreadable(const QString& why) {
    return why + QStringLiteral(" Wyświetlono tło domyślne.");
}

QString reachCount(qsizetype count) {
    return QStringLiteral("Bloki poza zasięgiem manipulatora: %1 (lista na stronie G-kod)")
        .arg(count);
}

} // namespace AppMessages
