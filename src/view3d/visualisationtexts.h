#pragma once

#include <QCoreApplication>
#include <QString>

// The visualisation window's own texts, in one place; each is translated when
// it is asked for.
namespace VisualisationTexts {

inline QString caption() {
    return QCoreApplication::translate("VisualisationTexts", "Wizualizacja SCARA");
}

// Menu captions.
inline QString hide() {
    return QCoreApplication::translate("VisualisationTexts", "Ukryj wizualizację");
}
inline QString viewMenu() {
    return QCoreApplication::translate("VisualisationTexts", "Widok");
}
inline QString variableView() {
    return QCoreApplication::translate("VisualisationTexts", "Zmienny widok");
}
inline QString fixedView(int number) { // 1 to 4
    return QCoreApplication::translate("VisualisationTexts", "Widok %1").arg(number);
}
inline QString outlineModel() {
    return QCoreApplication::translate("VisualisationTexts", "Model krawędziowy");
}
inline QString faceModel() {
    return QCoreApplication::translate("VisualisationTexts", "Model płaszczyznowy");
}

// Info field texts: the joints' names are translated, followed by the angle
// in place of %1; the axes' letters are not, and the position texts follow
// "x=", "y=" and "z=" directly.
inline QString alfaField(const QString& angle) {
    return QCoreApplication::translate("VisualisationTexts", "alfa= %1").arg(angle);
}
inline QString betaField(const QString& angle) {
    return QCoreApplication::translate("VisualisationTexts", "beta= %1").arg(angle);
}
inline const QString kXPrefix = QStringLiteral("x=");
inline const QString kYPrefix = QStringLiteral("y=");
inline const QString kZPrefix = QStringLiteral("z=");

// Info field texts at creation: "x= 500", "y= 0", "z= 50", "alfa= 0" and
// "beta= 0".
inline const QString kInitialX = QStringLiteral("x= 500");
inline const QString kInitialY = QStringLiteral("y= 0");
inline const QString kInitialZ = QStringLiteral("z= 50");
inline QString initialAlfa() {
    return alfaField(QStringLiteral("0"));
}
inline QString initialBeta() {
    return betaField(QStringLiteral("0"));
}

// Shown in place of the picture when OpenGL cannot draw it.
inline QString noContext() {
    return QCoreApplication::translate(
        "VisualisationTexts",
        "Nie udało się utworzyć kontekstu OpenGL. Wizualizacja jest niedostępna.");
}
inline QString noLegacyProfile() {
    return QCoreApplication::translate(
        "VisualisationTexts",
        "Sterownik grafiki nie obsługuje OpenGL w trybie zgodności (OpenGL 1.x). "
        "Wizualizacja jest niedostępna.");
}

} // namespace VisualisationTexts
