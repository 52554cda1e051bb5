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

// The command line (scara-station --help, --version, a wrong option).
QString commandLineHelp(const QString& programName);
QString versionLine(const QString& programName, const QString& version);
QString unknownOption(const QString& option); // Nieznana opcja: '%1'

// Files given on the command line, dropped on the window or chosen in
// "Ostatnie pliki".
inline constexpr char16_t kSvgImportMissing[] =
    u"Ta wersja stacji nie importuje jeszcze rysunków SVG";
QString fileMissing(const QString& fileName); // Plik '%1' nie istnieje
inline constexpr char16_t kNoRecentFiles[] = u"(brak)";
inline constexpr char16_t kClearRecentFiles[] = u"Wyczyść listę";

// Asked before a program with unsaved edits is replaced or the station ends.
inline constexpr char16_t kUnsavedProgram[] = u"Program ma niezapisane zmiany. Zapisać je?";
inline constexpr char16_t kSaveAnswer[] = u"Zapisz";
inline constexpr char16_t kDiscardAnswer[] = u"Nie zapisuj";
inline constexpr char16_t kCancelAnswer[] = u"Anuluj";

// "Przywróć ustawienia domyślne".
inline constexpr char16_t kRestoreDefaultsQuestion[] =
    u"Przywrócić ustawienia domyślne? Port, ustawienia programu, kolory i ustawienia "
    u"konwertera wrócą do wartości z pierwszego uruchomienia.";
// The settings could not be written at the end of the run.
QString settingsNotSaved(const QString& fileName);

} // namespace AppMessages
