#include "gcode/programwalk.h"

#include "base/numberformat.h"

namespace {

// Up to 15 digits, with at most one point or comma: the digits as a whole
// number and a power of ten are both exact, so their quotient is the
// correctly rounded value, as the station's reader gives it. False for any
// other text, which the station's reader takes.
inline bool quickNumber(QByteArrayView text, double& out) {
    static constexpr double kPowersOfTen[16] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (text.isEmpty())
        return false;
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
            return false;
        }
    }
    if (digits == 0)
        return false;
    const double magnitude = fraction < 0 ? double(value) : double(value) / kPowersOfTen[fraction];
    out = negative ? -magnitude : magnitude;
    return true;
}

} // namespace

Result<double> WordNumber(QByteArrayView text) {
    double value = 0;
    if (quickNumber(text, value))
        return value;
    return ParseWordReal(text);
}

std::optional<Failure> ProgramWalker::read(QByteArrayView line, Values& values) {
    block_.parseKeepingPoints(line);
    if (const QByteArrayView g = block_.word(GcodeWord::G); !g.isEmpty()) {
        double value = 0;
        if (quickNumber(g, value)) {
            values.g = value;
        } else if (const Result<double> parsed = ParseWordReal(g); parsed) {
            values.g = *parsed;
        }
    }
    for (const auto& [word, out] :
         {std::pair{GcodeWord::X, &values.x}, std::pair{GcodeWord::Y, &values.y},
          std::pair{GcodeWord::Z, &values.z}}) {
        const QByteArrayView text = block_.word(word);
        if (text.isEmpty())
            continue;
        double value = 0;
        if (!quickNumber(text, value)) {
            const Result<double> parsed = ParseWordReal(text);
            if (!parsed)
                return parsed.failure();
            value = *parsed;
        }
        *out = value;
    }
    return std::nullopt;
}
