#pragma once

#include <QString>

// The converter's own texts, used by the window and the tools alike.
namespace hpgl {

// '%1' is the text that could not be read as a number.
inline QString notValidInteger(QStringView text) {
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}
inline QString cannotOpenFile(const QString& name, const QString& reason) {
    return QStringLiteral("Cannot open file \"%1\". %2").arg(name, reason);
}
inline const QString kPlotFileInvalid = QStringLiteral("Plik jest niewłasciwy lub uszkodzony");
inline const QString kConversionFinished = QStringLiteral("Konwersja zakończona");

} // namespace hpgl
