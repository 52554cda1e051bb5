#pragma once

#include <QCoreApplication>
#include <QString>

// The texts of what the pen draws beyond a drawing's own lines (single-stroke
// text, hatch fill), used by the window and the tools alike, each translated
// when it is asked for (context "pen").
namespace pen {

inline QString unknownFont(const QString& name, const QString& known) {
    return QCoreApplication::translate("pen", "Nie ma czcionki \"%1\"; stacja ma: %2")
        .arg(name, known);
}
inline QString brokenFont(const QString& name) {
    return QCoreApplication::translate("pen", "Czcionka \"%1\" jest uszkodzona").arg(name);
}
inline QString emptyText() {
    return QCoreApplication::translate("pen", "Tekst jest pusty: nie ma czego narysować");
}
inline QString nothingToDraw() {
    return QCoreApplication::translate(
        "pen", "Nie ma czego narysować: wszystko jest mniejsze niż jednostka programu");
}
inline QString badHeight(const QString& height) {
    return QCoreApplication::translate("pen", "Wysokość liter %1 musi być liczbą dodatnią")
        .arg(height);
}
// "Brak w czcionce futural (2, w ich miejscu jest odstęp): „€” (U+20AC) ×2".
inline QString missingCharacters(const QString& font, qsizetype count, const QString& list) {
    return QCoreApplication::translate("pen",
                                       "Brak w czcionce %1 (%2, w ich miejscu jest odstęp): %3")
        .arg(font, QString::number(count), list);
}
inline QString badSpacing(const QString& spacing) {
    return QCoreApplication::translate("pen",
                                       "Odstęp linii kreskowania %1 musi być liczbą dodatnią")
        .arg(spacing);
}
inline QString tooManyHatchLines(const QString& spacing, const QString& most) {
    return QCoreApplication::translate(
               "pen", "Odstęp linii kreskowania %1 daje ponad %2 linii; podaj większy odstęp")
        .arg(spacing, most);
}
inline QString badPoint() {
    return QCoreApplication::translate(
        "pen", "Kształt ma punkt, który nie jest liczbą albo leży zbyt daleko");
}
inline QString badAngle(const QString& angle) {
    return QCoreApplication::translate("pen", "Kąt kreskowania %1 musi być liczbą").arg(angle);
}

// The pen pass's remarks on a drawing (scara-cli import-svg, the window).
inline QString hatchedShapes(qsizetype shapes, qsizetype strokes) {
    return QCoreApplication::translate("pen", "Zakreskowane kształty: %1, pociągnięcia pióra: %2")
        .arg(shapes)
        .arg(strokes);
}
inline QString hiddenLines(qsizetype shapes, const QString& percent) {
    return QCoreApplication::translate(
               "pen", "Zakryte przez wypełnienia: %1% długości linii, w kształtach: %2")
        .arg(percent)
        .arg(shapes);
}
inline QString textWritten(const QString& font, qsizetype characters) {
    return QCoreApplication::translate("pen", "Tekst czcionką %1, znaki: %2")
        .arg(font)
        .arg(characters);
}

} // namespace pen
