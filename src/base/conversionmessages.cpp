#include "base/conversionmessages.h"

#include "base/windows1250.h"

#include <QCoreApplication>

#include <algorithm>

namespace ConversionMessages {

QString shownValue(const QString& text) {
    if (text.size() <= kLongestShownValue)
        return text;
    qsizetype kept = kLongestShownValue;
    if (text.at(kept - 1).isHighSurrogate())
        --kept; // never half a character
    return text.left(kept) + QChar(0x2026);
}

namespace {

// Only what can be shown is decoded: a bad number may be hundreds of
// megabytes long.
QString shownBytes(QByteArrayView text) {
    return shownValue(DecodeWindows1250(text.first(std::min(text.size(), kLongestShownValue + 1))));
}

} // namespace

QString notValidFloat(QByteArrayView text) {
    return QCoreApplication::translate("ConversionMessages",
                                       "'%1' is not a valid floating point value")
        .arg(shownBytes(text));
}

QString notValidInteger(QByteArrayView text) {
    return QCoreApplication::translate("ConversionMessages", "'%1' is not a valid integer value")
        .arg(shownBytes(text));
}

QString notValidFloat(const QString& text) {
    return QCoreApplication::translate("ConversionMessages",
                                       "'%1' is not a valid floating point value")
        .arg(shownValue(text));
}

QString notValidInteger(const QString& text) {
    return QCoreApplication::translate("ConversionMessages", "'%1' is not a valid integer value")
        .arg(shownValue(text));
}

} // namespace ConversionMessages
