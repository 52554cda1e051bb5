#pragma once

#include <QByteArrayView>
#include <QString>

// The texts of a failed number conversion, shared by every subsystem that
// reads numbers: the offending text stands in place of %1, cut after
// kLongestShownValue characters with an ellipsis ("'123456…' is not a valid
// integer value"), as a message box would show it.
namespace ConversionMessages {

inline constexpr qsizetype kLongestShownValue = 60;
// The text as a message shows it: whole up to kLongestShownValue
// characters, otherwise cut there and ended by "…".
QString shownValue(const QString& text);

QString notValidFloat(QByteArrayView text);   // '%1' is not a valid floating point value
QString notValidInteger(QByteArrayView text); // '%1' is not a valid integer value
QString notValidFloat(const QString& text);
QString notValidInteger(const QString& text);

} // namespace ConversionMessages
