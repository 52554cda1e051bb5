#pragma once

#include <QString>

// The visualisation window's own texts, in one place.
namespace VisualisationTexts {

inline const QString kCaption = QStringLiteral("Wizualizacja SCARA");

// Menu captions.
inline const QString kHide = QStringLiteral("Ukryj wizualizację");
inline const QString kViewMenu = QStringLiteral("Widok");
inline const QString kVariableView = QStringLiteral("Zmienny widok");
inline const QString kFixedView = QStringLiteral("Widok %1"); // 1 to 4
inline const QString kOutlineModel = QStringLiteral("Model krawędziowy");
inline const QString kFaceModel = QStringLiteral("Model płaszczyznowy");

// Info field prefixes; the position texts follow "x=", "y=" and "z=" directly.
inline const QString kAlfaPrefix = QStringLiteral("alfa= ");
inline const QString kBetaPrefix = QStringLiteral("beta= ");
inline const QString kXPrefix = QStringLiteral("x=");
inline const QString kYPrefix = QStringLiteral("y=");
inline const QString kZPrefix = QStringLiteral("z=");

// Info field texts at creation.
inline const QString kInitialX = QStringLiteral("x= 500");
inline const QString kInitialY = QStringLiteral("y= 0");
inline const QString kInitialZ = QStringLiteral("z= 50");
inline const QString kInitialAlfa = QStringLiteral("alfa= 0");
inline const QString kInitialBeta = QStringLiteral("beta= 0");

// Shown in place of the picture when OpenGL cannot draw it.
inline const QString kNoContext =
    QStringLiteral("Nie udało się utworzyć kontekstu OpenGL. Wizualizacja jest niedostępna.");
inline const QString kNoLegacyProfile =
    QStringLiteral("Sterownik grafiki nie obsługuje OpenGL w trybie zgodności (OpenGL 1.x). "
                   "Wizualizacja jest niedostępna.");

} // namespace VisualisationTexts
