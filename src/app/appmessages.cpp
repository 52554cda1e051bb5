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

QString commandLineHelp(const QString& programName) {
    return QStringLiteral("Użycie: %1 [OPCJE] [PLIK...]\n"
                          "Stacja sterowania manipulatorem SCARA.\n"
                          "\n"
                          "Otwiera podane pliki według ich zawartości i rozszerzenia: program w "
                          "G-kodzie,\n"
                          "plik HPGL (w konwerterze) albo rysunek SVG.\n"
                          "\n"
                          "Opcje:\n"
                          "  -h, --help     wyświetla tę pomoc i kończy\n"
                          "  -v, --version  wyświetla wersję i kończy\n"
                          "  --             kończy opcje (dalej same nazwy plików)\n")
        .arg(programName);
}

QString versionLine(const QString& programName, const QString& version) {
    return QStringLiteral("%1 %2\n").arg(programName, version);
}

QString unknownOption(const QString& option) {
    return QStringLiteral("Nieznana opcja: '%1'").arg(option);
}

QString fileMissing(const QString& fileName) {
    return QStringLiteral("Plik '%1' nie istnieje").arg(fileName);
}

QString settingsNotSaved(const QString& fileName) {
    return QStringLiteral("Nie udało się zapisać ustawień w pliku '%1'").arg(fileName);
}

} // namespace AppMessages
