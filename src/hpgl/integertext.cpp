#include "hpgl/integertext.h"

#include "hpgl/hpglmessages.h"

#include <limits>

Result<qint32> readInteger(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == n)
        return Failure{hpgl::notValidInteger(text)};
    // Accumulate as a negative number so that the lowest value fits.
    constexpr qint64 kLowest = std::numeric_limits<qint32>::min();
    qint64 value = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return Failure{hpgl::notValidInteger(text)};
        value = value * 10 - (c - u'0');
        if (value < kLowest)
            return Failure{hpgl::notValidInteger(text)};
    }
    if (!negative) {
        if (value == kLowest)
            return Failure{hpgl::notValidInteger(text)};
        value = -value;
    }
    return static_cast<qint32>(value);
}

namespace {

template <typename Char> Char* writeDecimal(Char* out, qint64 value) {
    Char digits[20];
    Char* p = digits + 20;
    // Work in unsigned so that the lowest 64-bit value needs no special case.
    quint64 magnitude = value < 0 ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
    do {
        *--p = static_cast<Char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *out++ = Char('-');
    while (p != digits + 20)
        *out++ = *p++;
    return out;
}

} // namespace

char16_t* writeInteger(char16_t* out, qint64 value) {
    return writeDecimal(out, value);
}

char* writeInteger(char* out, qint64 value) {
    return writeDecimal(out, value);
}

void appendInteger(QString& out, qint64 value) {
    char16_t buffer[21];
    const char16_t* end = writeInteger(buffer, value);
    out.append(reinterpret_cast<const QChar*>(buffer), end - buffer);
}
