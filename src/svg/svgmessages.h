#pragma once

#include <QString>

// The SVG import's own texts, used by the window and the tools alike. %1 is
// always the file's name.
namespace svg {

inline QString cannotRead(const QString& file, const QString& reason) {
    return QStringLiteral("Nie można otworzyć rysunku \"%1\". %2").arg(file, reason);
}
inline QString tooLarge(const QString& file, qint64 mostMiB) {
    return QStringLiteral("Rysunek \"%1\" ma ponad %2 MB; podziel go na mniejsze")
        .arg(file)
        .arg(mostMiB);
}
inline QString badXml(const QString& file, qint64 line, const QString& reason) {
    return QStringLiteral("Rysunek \"%1\" jest uszkodzony (linia %2): %3")
        .arg(file)
        .arg(line)
        .arg(reason);
}
inline QString notSvg(const QString& file) {
    return QStringLiteral("Plik \"%1\" nie jest rysunkiem SVG").arg(file);
}
inline QString tooDeep(const QString& file, qint64 line, int most) {
    return QStringLiteral("Rysunek \"%1\" ma elementy zagnieżdżone głębiej niż %2 poziomów "
                          "(linia %3)")
        .arg(file)
        .arg(most)
        .arg(line);
}
inline QString tooManyElements(const QString& file, qint64 most) {
    return QStringLiteral("Rysunek \"%1\" ma ponad %2 elementów").arg(file).arg(most);
}
inline QString missingUseTarget(const QString& file, qint64 line, const QString& target) {
    return QStringLiteral("Rysunek \"%1\": element <use> odwołuje się do nieistniejącego "
                          "elementu \"%2\" (linia %3)")
        .arg(file, target)
        .arg(line);
}
inline QString badViewBox(const QString& file, const QString& value) {
    return QStringLiteral("Rysunek \"%1\" ma niewłaściwy viewBox \"%2\" (szerokość i wysokość "
                          "muszą być dodatnie)")
        .arg(file, value);
}
inline QString badSize(const QString& file, const QString& value) {
    return QStringLiteral("Rysunek \"%1\" ma niewłaściwy rozmiar \"%2\"").arg(file, value);
}
inline QString notRendered(const QString& file) {
    return QStringLiteral("Rysunku \"%1\" nie da się odczytać").arg(file);
}
inline QString absurdCoordinates(const QString& file) {
    return QStringLiteral("Rysunek \"%1\" ma współrzędne spoza zakresu (nieskończone, NaN "
                          "lub dalej niż kilometr)")
        .arg(file);
}
inline QString textNeedsFonts(const QString& file) {
    return QStringLiteral("Rysunek \"%1\" zawiera tekst, a czcionki nie są dostępne").arg(file);
}
inline QString absurdNumber(const QString& file, qint64 line, const QString& text) {
    return QStringLiteral("Rysunek \"%1\" ma liczbę spoza zakresu \"%2\" (linia %3)")
        .arg(file, text.left(40))
        .arg(line);
}
inline QString nothingToDraw(const QString& file) {
    return QStringLiteral("Rysunek \"%1\" nie zawiera niczego do narysowania").arg(file);
}
inline QString badTolerance(double value) {
    return QStringLiteral("Tolerancja %1 musi być liczbą dodatnią").arg(value);
}

// Lines of the import report.
inline QString reportPaths(qsizetype paths, int pens) {
    return QStringLiteral("Ścieżki: %1, pisaki: %2").arg(paths).arg(pens);
}
inline QString reportNotDrawn(const QString& kind, int count) {
    return QStringLiteral("Nie narysowano: %1 × %2").arg(kind).arg(count);
}
inline QString reportText(int count) {
    return QStringLiteral("Tekst narysowany konturami: %1").arg(count);
}
inline QString reportTooManyPens(int colours) {
    return QStringLiteral("Kolorów jest %1, a pisaków 8: kolory od dziewiątego dzielą pisaki")
        .arg(colours);
}
inline QString reportFitted(double scale) {
    return QStringLiteral("Dopasowano do obszaru roboczego, skala %1").arg(scale, 0, 'g', 6);
}
inline const QString kKindImage = QStringLiteral("obraz");
inline const QString kKindTextWithoutFont = QStringLiteral("tekst bez czcionki");
inline QString kindUnknownElement(const QString& name, qint64 line) {
    return QStringLiteral("nieznany element <%1> (pierwszy w linii %2)").arg(name).arg(line);
}

} // namespace svg
