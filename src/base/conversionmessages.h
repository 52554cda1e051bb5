#pragma once

#include <QByteArrayView>
#include <QString>

// The texts of a failed number conversion, shared by every subsystem that
// reads numbers: the offending text stands in place of %1.
namespace ConversionMessages {

QString notValidFloat(QByteArrayView text);   // '%1' is not a valid floating point value
QString notValidInteger(QByteArrayView text); // '%1' is not a valid integer value
QString notValidFloat(const QString& text);
QString notValidInteger(const QString& text);

} // namespace ConversionMessages
