#include "gcode/movewords.h"

#include "base/numberformat.h"
#include "gcode/gcodeblock.h"

#include <algorithm>
#include <cstring>

namespace {

// The value after a word letter at `at`: one space skipped, then up to the
// next space.
QByteArrayView wordValue(QByteArrayView line, qsizetype at) {
    qsizetype begin = at + 1;
    if (begin < line.size() && line[begin] == ' ')
        ++begin;
    qsizetype end = begin;
    while (end < line.size() && line[end] != ' ')
        ++end;
    return line.sliced(begin, end - begin);
}

// The last occurrence of `letter` in the first `size` bytes, or -1.
qsizetype lastOf(const char* data, qsizetype size, char letter) {
    const void* found = memrchr(data, letter, std::size_t(size));
    return found ? static_cast<const char*>(found) - data : -1;
}

} // namespace

MoveWords FindMoveWords(QByteArrayView line) {
    const char* data = line.data();
    qsizetype scan = std::min(line.size(), kWordLetterPositions);
    if (const void* nul = std::memchr(data, '\0', std::size_t(scan)))
        scan = static_cast<const char*>(nul) - data;
    MoveWords words;
    if (const qsizetype g = lastOf(data, scan, 'G'); g >= 0)
        words.g = wordValue(line, g);
    if (const qsizetype x = lastOf(data, scan, 'X'); x >= 0)
        words.x = wordValue(line, x);
    if (const qsizetype y = lastOf(data, scan, 'Y'); y >= 0)
        words.y = wordValue(line, y);
    if (const qsizetype z = lastOf(data, scan, 'Z'); z >= 0)
        words.z = wordValue(line, z);
    return words;
}

Result<double> MoveWordNumber(QByteArrayView text) {
    // Up to 15 digits, with at most one point or comma: the digits as a whole
    // number and a power of ten are both exact, so their quotient is the
    // correctly rounded value, as the station's reader gives it.
    static constexpr double kPowersOfTen[16] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const bool negative = text[0] == '-';
    qint64 value = 0;
    int digits = 0;
    int fraction = -1; // digits after the point; -1: none
    for (qsizetype i = negative ? 1 : 0; i < text.size(); ++i) {
        const char c = text[i];
        if (const unsigned digit = unsigned(c) - '0'; digit <= 9 && digits < 15) {
            value = value * 10 + digit, ++digits;
            fraction += fraction >= 0;
        } else if ((c == '.' || c == ',') && fraction < 0) {
            fraction = 0;
        } else {
            return ParseWordReal(text);
        }
    }
    if (digits == 0)
        return ParseWordReal(text);
    if (fraction < 0)
        return double(negative ? -value : value);
    const double magnitude = double(value) / kPowersOfTen[fraction];
    return negative ? -magnitude : magnitude;
}
