#include "base/numberformat.h"

#include "base/conversionmessages.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The parts of a syntactically valid real: [sign] int [, frac] [E [sign] exp].
struct RealSyntax {
    bool negative = false;
    QByteArrayView intDigits;
    QByteArrayView fracDigits;
    bool hasExponent = false;
    QByteArrayView exponent; // with its sign
};

template <bool kPointIsComma> bool splitReal(QByteArrayView text, RealSyntax& out) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == ' ')
        ++begin;
    while (end > begin && text[end - 1] == ' ')
        --end;
    qsizetype i = begin;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        out.negative = text[i] == '-';
        ++i;
    }
    const qsizetype intBegin = i;
    while (i < end && isDigit(text[i]))
        ++i;
    out.intDigits = text.sliced(intBegin, i - intBegin);
    if (i < end && (text[i] == ',' || (kPointIsComma && text[i] == '.'))) {
        const qsizetype fracBegin = ++i;
        while (i < end && isDigit(text[i]))
            ++i;
        out.fracDigits = text.sliced(fracBegin, i - fracBegin);
    }
    if (out.intDigits.isEmpty() && out.fracDigits.isEmpty())
        return false;
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        const qsizetype expBegin = ++i;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            ++i;
        const qsizetype digitsBegin = i;
        while (i < end && isDigit(text[i]))
            ++i;
        if (i == digitsBegin)
            return false;
        out.hasExponent = true;
        out.exponent = text.sliced(expBegin, i - expBegin);
    }
    return i == end;
}

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Exact for at most 15 digits and at most 22 fraction digits: one correctly
// rounded division of two exact values.
bool fastReal(const RealSyntax& s, double& value) {
    if (s.hasExponent || s.intDigits.size() + s.fracDigits.size() > 15)
        return false;
    std::int64_t mantissa = 0;
    for (char c : s.intDigits)
        mantissa = mantissa * 10 + (c - '0');
    for (char c : s.fracDigits)
        mantissa = mantissa * 10 + (c - '0');
    value = double(mantissa) / kPowersOfTen[s.fracDigits.size()];
    if (s.negative)
        value = -value;
    return true;
}

// The decimal exponent's sign of a value from_chars found out of range:
// positive means too large.
bool overflows(const RealSyntax& s) {
    std::int64_t exponent = 0;
    bool expNegative = false;
    for (char c : s.exponent) {
        if (c == '-')
            expNegative = true;
        else if (isDigit(c) && exponent < 1'000'000'000)
            exponent = exponent * 10 + (c - '0');
    }
    if (expNegative)
        exponent = -exponent;
    std::int64_t magnitude = 0; // digits before the point, counted from the first non-zero one
    qsizetype firstNonZero = 0;
    while (firstNonZero < s.intDigits.size() && s.intDigits[firstNonZero] == '0')
        ++firstNonZero;
    if (firstNonZero < s.intDigits.size()) {
        magnitude = s.intDigits.size() - firstNonZero;
    } else {
        qsizetype zeros = 0;
        while (zeros < s.fracDigits.size() && s.fracDigits[zeros] == '0')
            ++zeros;
        magnitude = -zeros;
    }
    return magnitude + exponent > 0;
}

bool slowReal(const RealSyntax& s, double& value) {
    std::string buffer;
    buffer.reserve(std::size_t(s.intDigits.size() + s.fracDigits.size() + s.exponent.size() + 4));
    if (s.negative)
        buffer.push_back('-');
    buffer.append(s.intDigits.data(), std::size_t(s.intDigits.size()));
    if (s.intDigits.isEmpty())
        buffer.push_back('0');
    if (!s.fracDigits.isEmpty()) {
        buffer.push_back('.');
        buffer.append(s.fracDigits.data(), std::size_t(s.fracDigits.size()));
    }
    if (s.hasExponent) {
        buffer.push_back('e');
        qsizetype i = 0;
        if (s.exponent[0] == '+')
            i = 1;
        buffer.append(s.exponent.data() + i, std::size_t(s.exponent.size() - i));
    }
    const char* first = buffer.data();
    const char* last = first + buffer.size();
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (overflows(s))
            return false;
        value = s.negative ? -0.0 : 0.0;
        return true;
    }
    return ec == std::errc() && ptr == last;
}

void appendDigitsPlain(std::string& out, bool negative, const char* digits, int count,
                       int exponent) {
    if (negative)
        out.push_back('-');
    if (exponent >= count - 1) {
        out.append(digits, std::size_t(count));
        out.append(std::size_t(exponent - (count - 1)), '0');
    } else if (exponent >= 0) {
        out.append(digits, std::size_t(exponent + 1));
        out.push_back(',');
        out.append(digits + exponent + 1, std::size_t(count - exponent - 1));
    } else {
        out.append("0,");
        out.append(std::size_t(-exponent - 1), '0');
        out.append(digits, std::size_t(count));
    }
}

} // namespace

namespace {

// The common case in one pass: [spaces] [sign] up to 15 digits with an
// optional comma, [spaces], nothing else. Exact: at most 15 digits fit a
// double, and one division by an exact power of ten rounds correctly.
template <bool kPointIsComma> bool plainReal(QByteArrayView text, double& value) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end && *p == ' ')
        ++p;
    bool negative = false;
    if (p < end && (*p == '-' || *p == '+'))
        negative = *p++ == '-';
    // Unsigned, so that a long run of digits wraps instead of overflowing;
    // past 15 digits the text goes to the exact reader below anyway.
    std::uint64_t mantissa = 0;
    const char* const intBegin = p;
    while (p < end && unsigned(*p - '0') < 10u)
        mantissa = mantissa * 10 + unsigned(*p++ - '0');
    qsizetype digits = p - intBegin;
    qsizetype fraction = 0; // digits after the comma
    if (p < end && (*p == ',' || (kPointIsComma && *p == '.'))) {
        const char* const fractionBegin = ++p;
        while (p < end && unsigned(*p - '0') < 10u)
            mantissa = mantissa * 10 + unsigned(*p++ - '0');
        fraction = p - fractionBegin;
        digits += fraction;
    }
    while (p < end && *p == ' ')
        ++p;
    if (p != end || digits == 0 || digits > 15)
        return false;
    value = fraction > 0 ? double(mantissa) / kPowersOfTen[fraction] : double(mantissa);
    if (negative)
        value = -value;
    return true;
}

template <bool kPointIsComma> bool parseReal(QByteArrayView text, double& value) {
    if (plainReal<kPointIsComma>(text, value))
        return true;
    RealSyntax syntax;
    return splitReal<kPointIsComma>(text, syntax) &&
           (fastReal(syntax, value) || slowReal(syntax, value));
}

} // namespace

Result<double> ParseReal(QByteArrayView text) {
    double value = 0;
    if (parseReal<false>(text, value))
        return value;
    return Failure{ConversionMessages::notValidFloat(text)};
}

Result<double> ParseWordReal(QByteArrayView text) {
    double value = 0;
    if (parseReal<true>(text, value))
        return value;
    QByteArray asWritten = text.toByteArray();
    asWritten.replace('.', ',');
    return Failure{ConversionMessages::notValidFloat(QByteArrayView(asWritten))};
}

Result<double> ParseReal(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return Failure{ConversionMessages::notValidFloat(text)};
    }
    const QByteArray bytes = text.toLatin1();
    Result<double> result = ParseReal(QByteArrayView(bytes));
    if (!result)
        return Failure{ConversionMessages::notValidFloat(text)};
    return result;
}

Result<qint32> ParseWhole(QByteArrayView text) {
    qsizetype i = 0;
    const qsizetype end = text.size();
    while (i < end && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const qsizetype digitsBegin = i;
    std::int64_t value = 0;
    while (i < end && isDigit(text[i])) {
        if (value <= std::int64_t(1) << 32)
            value = value * 10 + (text[i] - '0');
        ++i;
    }
    if (i == digitsBegin || i != end)
        return Failure{ConversionMessages::notValidInteger(text)};
    if (negative)
        value = -value;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return Failure{ConversionMessages::notValidInteger(text)};
    return qint32(value);
}

Result<qint32> ParseWhole(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return Failure{ConversionMessages::notValidInteger(text)};
    }
    const QByteArray bytes = text.toLatin1();
    Result<qint32> result = ParseWhole(QByteArrayView(bytes));
    if (!result)
        return Failure{ConversionMessages::notValidInteger(text)};
    return result;
}

void AppendWhole(std::string& out, qint64 value) {
    char buffer[24];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, ptr);
}

QString FormatWhole(qint64 value) {
    return QString::number(value);
}

void AppendReal(std::string& out, double value) {
    if (std::isnan(value)) {
        out.append("NAN");
        return;
    }
    if (std::isinf(value)) {
        out.append(value < 0 ? "-INF" : "INF");
        return;
    }
    if (value == 0) {
        out.push_back('0');
        return;
    }
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        AppendWhole(out, qint64(value));
        return;
    }
    // d.dddddddddddddde+XX: fifteen significant digits, correctly rounded.
    char buffer[40];
    const auto [ptr, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const char* p = buffer;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    char digits[16];
    int count = 0;
    while (p < ptr && *p != 'e') {
        if (*p != '.')
            digits[count++] = *p;
        ++p;
    }
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+'), ptr, exponent);
    while (count > 1 && digits[count - 1] == '0')
        --count;
    appendDigitsPlain(out, negative, digits, count, exponent);
}

QString FormatReal(double value) {
    std::string text;
    AppendReal(text, value);
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

double RoundHalfEven(double value) {
    return std::nearbyint(value);
}

void AppendRoundedWhole(std::string& out, double value) {
    const double rounded = RoundHalfEven(value);
    if (rounded == 0 || !std::isfinite(rounded)) {
        AppendReal(out, rounded);
        return;
    }
    if (std::fabs(rounded) < 9e18) {
        AppendWhole(out, qint64(rounded));
        return;
    }
    char buffer[400];
    const auto [ptr, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, 0);
    out.append(buffer, ptr);
}
