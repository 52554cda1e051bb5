#pragma once

#include <QString>

// The main window's own texts, in one place.
namespace AppMessages {

inline constexpr char16_t kCaption[] = u"SCARA";
// The caption after a program file is opened: "SCARA " + full file name.
QString captionWithFile(const QString& fullFileName);

// Arithmetic errors of the settings fields.
inline constexpr char16_t kDivisionByZero[] = u"Floating point division by zero";
inline constexpr char16_t kOverflow[] = u"Floating point overflow";

// Status-bar notes.
inline constexpr char16_t kBackgroundFileName[] = u"wzorzec.bmp";
QString backgroundMissing();                      // no "wzorzec.bmp" in the working directory
QString backgroundUnreadable(const QString& why); // it is there but cannot be read
QString reachCount(qsizetype count);              // after a preparation with reach messages

} // namespace AppMessages
