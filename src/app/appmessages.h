#pragma once

#include "gcode/gcodemessages.h"

#include <QString>

// The main window's own texts, in one place. Each is translated when it is
// asked for (context "AppMessages"), so that a language chosen while the
// station runs shows in the texts made after.
namespace AppMessages {

// The station's name, the same in every language.
inline constexpr char16_t kCaption[] = u"SCARA";
// The caption after a program file is opened: "SCARA " + full file name.
QString captionWithFile(const QString& fullFileName);

// Arithmetic errors of the settings fields.
QString divisionByZero(); // Floating point division by zero
QString overflow();       // Floating point overflow
// The program is locked while it is being sent.
QString programLocked();
QString traceFile(const QString& fileName); // Przebieg transmisji zapisywany w pliku %1
QString quitWhileSending();

// A settings field that takes only positive numbers.
QString notPositive(const QString& text); // '%1' nie jest liczbą dodatnią

// Status-bar notes.
// The background's own notes come with the composed background (GcodeMessages);
// its file name is a file name, not translated.
inline constexpr const auto& kBackgroundFileName = GcodeMessages::kBackgroundFileName;
QString reachCount(qsizetype count); // after a preparation with reach messages
// After a preparation whose path check found moves through the forbidden zone
// or across the Y axis: "Ruchy przez obszar zabroniony: 1, przejścia łokcia
// przez oś Y: 3 (lista pod rysunkiem)".
QString pathCount(qsizetype zone, qsizetype elbow);
// The same, short enough for the status bar (the long ones are its tool tip).
QString reachCountShort(qsizetype count);                // Poza zasięgiem: %1
QString pathCountShort(qsizetype zone, qsizetype elbow); // Obszar zabroniony: %1, oś Y: %2

// The command line (scara-station --help, --version, a wrong option).
QString commandLineHelp(const QString& programName);
QString versionLine(const QString& programName, const QString& version);
QString unknownOption(const QString& option); // Nieznana opcja: '%1'

// Files given on the command line, dropped on the window or chosen in
// "Ostatnie pliki".
QString svgImportMissing();
QString fileMissing(const QString& fileName); // Plik '%1' nie istnieje
// A file opened as a program whose preparation stopped at `line` (from 1).
QString programFileRefused(const QString& fileName, qsizetype line, const QString& reason);
QString noRecentFiles();    // (brak)
QString clearRecentFiles(); // Wyczyść listę

// Asked before a program with unsaved edits is replaced or the station ends.
QString unsavedProgram();
QString saveAnswer();    // Zapisz
QString discardAnswer(); // Nie zapisuj
QString cancelAnswer();  // Anuluj

// "Przywróć ustawienia domyślne".
QString restoreDefaultsQuestion();
// The settings could not be written at the end of the run.
QString settingsNotSaved(const QString& fileName);

} // namespace AppMessages
