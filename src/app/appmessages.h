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

// Status-bar notes.
// The background's own notes come with the composed background (GcodeMessages).
inline constexpr const auto& kBackgroundFileName = GcodeMessages::kBackgroundFileName;
QString reachCount(qsizetype count); // after a preparation with reach messages

} // namespace AppMessages
