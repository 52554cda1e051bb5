#include "app/appmessages.h"

#include <QCoreApplication>

namespace AppMessages {

QString captionWithFile(const QString& fullFileName) {
    return QString::fromUtf16(kCaption) + QLatin1Char(' ') + fullFileName;
}

QString programFileRefused(const QString& fileName, qsizetype line, const QString& reason) {
    return QCoreApplication::translate("AppMessages",
                                       "Plik %1 nie został otwarty: błąd w linii %2: %3")
        .arg(fileName)
        .arg(line)
        .arg(reason);
}

QString divisionByZero() {
    return QCoreApplication::translate("AppMessages", "Floating point division by zero");
}

QString overflow() {
    return QCoreApplication::translate("AppMessages", "Floating point overflow");
}

QString programLocked() {
    return QCoreApplication::translate("AppMessages",
                                       "Program jest wysyłany do sterownika. Można go zmienić po "
                                       "zakończeniu albo przerwaniu wysyłania.");
}

QString traceFile(const QString& fileName) {
    return QCoreApplication::translate("AppMessages", "Przebieg transmisji zapisywany w pliku %1")
        .arg(fileName);
}

QString quitWhileSending() {
    return QCoreApplication::translate("AppMessages",
                                       "Program jest wysyłany do sterownika. Zakończyć mimo to? "
                                       "Wysyłanie zostanie przerwane bez podniesienia pisaka.");
}

QString reachCount(qsizetype count) {
    return QCoreApplication::translate(
               "AppMessages", "Bloki poza zasięgiem manipulatora: %1 (lista pod rysunkiem)")
        .arg(count);
}

QString reachCountShort(qsizetype count) {
    return QCoreApplication::translate("AppMessages", "Poza zasięgiem: %1").arg(count);
}

QString pathCountShort(qsizetype zone, qsizetype elbow) {
    return QCoreApplication::translate("AppMessages", "Obszar zabroniony: %1, oś Y: %2")
        .arg(zone)
        .arg(elbow);
}

QString notPositive(const QString& text) {
    return QCoreApplication::translate("AppMessages", "'%1' nie jest liczbą dodatnią").arg(text);
}

QString pathCount(qsizetype zone, qsizetype elbow) {
    return QCoreApplication::translate("AppMessages",
                                       "Ruchy przez obszar zabroniony: %1, przejścia łokcia przez "
                                       "oś Y: %2 (lista pod rysunkiem)")
        .arg(zone)
        .arg(elbow);
}

QString commandLineHelp(const QString& programName) {
    return QCoreApplication::translate(
               "AppMessages",
               "Użycie: %1 [OPCJE] [PLIK...]\n"
               "Stacja sterowania manipulatorem SCARA.\n"
               "\n"
               "Otwiera podane pliki według ich zawartości i rozszerzenia: program w G-kodzie,\n"
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
    return QCoreApplication::translate("AppMessages", "Nieznana opcja: '%1'").arg(option);
}

QString svgImportMissing() {
    return QCoreApplication::translate("AppMessages",
                                       "Ta wersja stacji nie importuje jeszcze rysunków SVG");
}

QString fileMissing(const QString& fileName) {
    return QCoreApplication::translate("AppMessages", "Plik '%1' nie istnieje").arg(fileName);
}

QString noRecentFiles() {
    return QCoreApplication::translate("AppMessages", "(brak)");
}

QString clearRecentFiles() {
    return QCoreApplication::translate("AppMessages", "Wyczyść listę");
}

QString unsavedProgram() {
    return QCoreApplication::translate("AppMessages", "Program ma niezapisane zmiany. Zapisać je?");
}

QString saveAnswer() {
    return QCoreApplication::translate("AppMessages", "Zapisz");
}

QString discardAnswer() {
    return QCoreApplication::translate("AppMessages", "Nie zapisuj");
}

QString cancelAnswer() {
    return QCoreApplication::translate("AppMessages", "Anuluj");
}

QString restoreDefaultsQuestion() {
    return QCoreApplication::translate(
        "AppMessages", "Przywrócić ustawienia domyślne? Port, ustawienia programu, kolory i "
                       "ustawienia konwertera wrócą do wartości z pierwszego uruchomienia.");
}

QString settingsNotSaved(const QString& fileName) {
    return QCoreApplication::translate("AppMessages", "Nie udało się zapisać ustawień w pliku '%1'")
        .arg(fileName);
}

} // namespace AppMessages
