#pragma once

#include "base/conversionmessages.h"

#include <QCoreApplication>
#include <QString>

// The converter's own texts, used by the window and the tools alike. Each is
// translated when it is asked for (context "hpgl").
namespace hpgl {

// '%1' is the text that could not be read as a number (cut when long).
inline QString notValidInteger(QStringView text) {
    return ConversionMessages::notValidInteger(text.toString());
}
inline QString cannotOpenFile(const QString& name, const QString& reason) {
    return QCoreApplication::translate("hpgl", "Cannot open file \"%1\". %2").arg(name, reason);
}
inline QString plotFileInvalid() {
    return QCoreApplication::translate("hpgl", "Plik jest niewłasciwy lub uszkodzony");
}
inline QString conversionFinished() {
    return QCoreApplication::translate("hpgl", "Konwersja zakończona");
}
// The conversion stopped at an empty line (1-based) with lines after it.
inline QString stoppedAtEmptyLine(qsizetype line) {
    return QCoreApplication::translate("hpgl",
                                       "Konwersja zatrzymana na pustej linii %1; pozostałe linie "
                                       "nie zostały przetworzone")
        .arg(line);
}

} // namespace hpgl

// The normaliser's own texts; %1 and %2 as each function says.
namespace hpgl {

inline QString badNumber(QStringView text, QStringView mnemonic, qsizetype line) {
    return QCoreApplication::translate("hpgl", "Błędna liczba '%1' w instrukcji %2 (linia %3)")
        .arg(text, mnemonic, QString::number(line));
}
inline QString badParameterCount(QStringView mnemonic, qsizetype line) {
    return QCoreApplication::translate("hpgl",
                                       "Niewłaściwa liczba parametrów w instrukcji %1 (linia %2)")
        .arg(mnemonic, QString::number(line));
}
inline QString badCharacter(QStringView text, qsizetype line) {
    return QCoreApplication::translate("hpgl", "Niezrozumiały znak '%1' w pliku HPGL (linia %2)")
        .arg(text, QString::number(line));
}
inline QString coordinateOutOfRange(double value) {
    return QCoreApplication::translate("hpgl", "Współrzędna %1 przekracza zakres liczb całkowitych")
        .arg(value, 0, 'g', 15);
}
inline QString chordOutOfRange(QStringView text) {
    return QCoreApplication::translate("hpgl",
                                       "Kąt cięciwy '%1' musi leżeć między 0,5 a 180 stopni")
        .arg(ConversionMessages::shownValue(text.toString()));
}
inline QString notValidReal(QStringView text) {
    return ConversionMessages::notValidFloat(text.toString());
}

} // namespace hpgl

namespace hpgl {
inline QString plotTooLarge(size_t most) {
    return QCoreApplication::translate("hpgl",
                                       "Rysunek ma ponad %1 instrukcji; podziel plik na mniejsze")
        .arg(most);
}
} // namespace hpgl
