#pragma once

#include <QCoreApplication>
#include <QString>

// The SVG import's own texts, used by the window and the tools alike, each
// translated when it is asked for (context "svg"). %1 is always the file's
// name; texts from the file go in with one arg() call, so that a '%2' in them
// stays as it is.
namespace svg {

inline QString cannotRead(const QString& file, const QString& reason) {
    return QCoreApplication::translate("svg", "Nie można otworzyć rysunku \"%1\". %2")
        .arg(file, reason);
}
inline QString tooLarge(const QString& file, qint64 mostMiB) {
    return QCoreApplication::translate("svg",
                                       "Rysunek \"%1\" ma ponad %2 MB; podziel go na mniejsze")
        .arg(file, QString::number(mostMiB));
}
inline QString badXml(const QString& file, qint64 line, const QString& reason) {
    return QCoreApplication::translate("svg", "Rysunek \"%1\" jest uszkodzony (linia %2): %3")
        .arg(file, QString::number(line), reason);
}
inline QString notSvg(const QString& file) {
    return QCoreApplication::translate("svg", "Plik \"%1\" nie jest rysunkiem SVG").arg(file);
}
inline QString tooDeep(const QString& file, qint64 line, int most) {
    return QCoreApplication::translate(
               "svg", "Rysunek \"%1\" ma elementy zagnieżdżone głębiej niż %2 poziomów "
                      "(linia %3)")
        .arg(file, QString::number(most), QString::number(line));
}
inline QString tooManyElements(const QString& file, qint64 most) {
    return QCoreApplication::translate("svg", "Rysunek \"%1\" ma ponad %2 elementów")
        .arg(file, QString::number(most));
}
inline QString missingUseTarget(const QString& file, qint64 line, const QString& target) {
    return QCoreApplication::translate(
               "svg", "Rysunek \"%1\": element <use> odwołuje się do nieistniejącego "
                      "elementu \"%2\" (linia %3)")
        .arg(file, target, QString::number(line));
}
inline QString badViewBox(const QString& file, const QString& value) {
    return QCoreApplication::translate(
               "svg", "Rysunek \"%1\" ma niewłaściwy viewBox \"%2\" (szerokość i wysokość "
                      "muszą być dodatnie)")
        .arg(file, value);
}
inline QString badSize(const QString& file, const QString& value) {
    return QCoreApplication::translate("svg", "Rysunek \"%1\" ma niewłaściwy rozmiar \"%2\"")
        .arg(file, value);
}
inline QString notRendered(const QString& file) {
    return QCoreApplication::translate("svg", "Rysunku \"%1\" nie da się odczytać").arg(file);
}
inline QString absurdCoordinates(const QString& file) {
    return QCoreApplication::translate(
               "svg", "Rysunek \"%1\" ma współrzędne spoza zakresu (nieskończone, NaN "
                      "lub dalej niż kilometr)")
        .arg(file);
}
inline QString textNeedsFonts(const QString& file) {
    return QCoreApplication::translate("svg",
                                       "Rysunek \"%1\" zawiera tekst, a czcionki nie są dostępne")
        .arg(file);
}
inline QString absurdNumber(const QString& file, qint64 line, const QString& text) {
    return QCoreApplication::translate("svg",
                                       "Rysunek \"%1\" ma liczbę spoza zakresu \"%2\" (linia %3)")
        .arg(file, text.left(40), QString::number(line));
}
inline QString nothingToDraw(const QString& file) {
    return QCoreApplication::translate("svg", "Rysunek \"%1\" nie zawiera niczego do narysowania")
        .arg(file);
}
inline QString badTolerance(double value) {
    return QCoreApplication::translate("svg", "Tolerancja %1 musi być liczbą dodatnią").arg(value);
}

// Lines of the import report.
inline QString reportPaths(qsizetype paths, int pens) {
    return QCoreApplication::translate("svg", "Ścieżki: %1, pisaki: %2").arg(paths).arg(pens);
}
inline QString reportNotDrawn(const QString& kind, int count) {
    return QCoreApplication::translate("svg", "Nie narysowano: %1 × %2")
        .arg(kind, QString::number(count));
}
inline QString reportText(int count) {
    return QCoreApplication::translate("svg", "Tekst narysowany konturami: %1").arg(count);
}
inline QString reportTooManyPens(int colours) {
    return QCoreApplication::translate(
               "svg", "Kolorów jest %1, a pisaków 8: kolory od dziewiątego dzielą pisaki")
        .arg(colours);
}
inline QString kindImage() {
    return QCoreApplication::translate("svg", "obraz");
}
inline QString kindTextWithoutFont() {
    return QCoreApplication::translate("svg", "tekst bez czcionki");
}
inline QString kindMissingReference(const QString& property) {
    return QCoreApplication::translate("svg", "odwołanie w %1 do brakującego elementu")
        .arg(property);
}
inline QString kindExternalReference() {
    return QCoreApplication::translate("svg", "odwołanie do innego pliku");
}
inline QString kindCyclicReference() {
    return QCoreApplication::translate("svg", "odwołanie zapętlone");
}
inline QString kindNegativeSize() {
    return QCoreApplication::translate("svg", "kształt o ujemnym rozmiarze");
}
inline QString kindBadValue(const QString& attribute) {
    return QCoreApplication::translate("svg", "niezrozumiała wartość %1 (narysowano do błędu)")
        .arg(attribute);
}
// A kind of what was not drawn with the line it is first met on.
inline QString kindAtLine(const QString& kind, qint64 line) {
    return QCoreApplication::translate("svg", "%1 (pierwszy raz w linii %2)")
        .arg(kind, QString::number(line));
}
// A size attribute that is not there, as badSize() shows it.
inline QString missingValue() {
    return QCoreApplication::translate("svg", "brak");
}
inline QString kindUnknownElement(const QString& name, qint64 line) {
    return QCoreApplication::translate("svg", "nieznany element <%1> (pierwszy w linii %2)")
        .arg(name, QString::number(line));
}

} // namespace svg
