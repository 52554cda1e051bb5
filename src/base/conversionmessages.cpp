#include "base/conversionmessages.h"

#include "base/windows1250.h"

namespace ConversionMessages {

QString notValidFloat(QByteArrayView text) {
    return notValidFloat(DecodeWindows1250(text));
}

QString notValidInteger(QByteArrayView text) {
    return notValidInteger(DecodeWindows1250(text));
}

QString notValidFloat(const QString& text) {
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

QString notValidInteger(const QString& text) {
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

} // namespace ConversionMessages
