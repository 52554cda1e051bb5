#pragma once

#include "gcode/gcodemessages.h"

#include <QString>

// The main window's own texts, in one place.
namespace AppMessages {

inline constexpr char16_t kCaption[] = u"SCARA";
// The caption after a program file is opened: "SCARA " + full file name.
QString captionWithFile(const QString& fullFileName);

// Arithmetic errors of the settings fields.
inline constexpr char16_t kDivisionByZero[] = u"Floating point division by zero";
inline constexpr char16_t kOverflow[] = u"Floating point overflow";
// The program is locked while it is being sent.
inline constexpr char16_t kProgramLocked[] =
    u"Program jest wysyłany do sterownika. Można go zmienić po zakończeniu albo przerwaniu "
    u"wysyłania.";
inline QString traceFile(const QString& fileName) {
    return QStringLiteral("Przebieg transmisji zapisywany w pliku %1").arg(fileName);
}
inline constexpr char16_t kQuitWhileSending[] =
    u"Program jest wysyłany do sterownika. Zakończyć mimo to? Wysyłanie zostanie przerwane "
    u"bez podniesienia pisaka.";

// A settings field that takes only positive numbers.
QString notPositive(const QString& text); // '%1' nie jest liczbą dodatnią

// Status-bar notes.
// The background's own notes come with the composed background (GcodeMessages).
inline constexpr const auto& kBackgroundFileName = GcodeMessages::kBackgroundFileName;
QString reachCount(qsizetype count); // after a preparation with reach messages
// After a preparation whose path check found moves through the forbidden zone
// or across the Y axis: "Ruchy przez obszar zabroniony: 1, przejścia łokcia
// przez oś Y: 3 (lista na stronie G-kod)".
QString pathCount(qsizetype zone, qsizetype elbow);

} // namespace AppMessages
