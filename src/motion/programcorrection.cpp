#include "motion/programcorrection.h"

#include "gcode/programwalk.h"
#include "motion/kinematics.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

namespace {

// The words of a line the correction rewrites: views into the line, as the
// walker read them (empty: absent).
struct MoveWords {
    QByteArrayView g, x, y, z;
};

struct MoveSink : ProgramSink {
    void move(const WalkMove& m) override { seen = m; }
    std::optional<WalkMove> seen;
};

// A number in the station's form with at most `decimals` decimals: comma,
// no trailing zeros, no minus zero.
void appendNumber(QByteArray& out, double value, int decimals) {
    char buffer[64];
    const auto r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    char* end = r.ptr;
    char* point = std::find(buffer, end, '.');
    if (point != end) {
        while (end[-1] == '0')
            --end;
        if (end[-1] == '.')
            --end;
        else
            *point = ',';
    }
    if (end - buffer == 2 && buffer[0] == '-' && buffer[1] == '0')
        out += '0';
    else
        out.append(buffer, end - buffer);
}

double distanceToSegment(ArmPoint p, ArmPoint a, ArmPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = p.x - (a.x + t * dx), ey = p.y - (a.y + t * dy);
    return std::sqrt(ex * ex + ey * ey);
}

struct Corrector {
    const ArmCalibration& calibration;
    const CorrectionSettings& settings;
    std::vector<ArmPoint> pieces; // commanded points before a move's own

    // The commanded points between two corrected ones whose even joint turn
    // bows the drawn line more than the tolerance.
    void split(ArmPoint p0, const JointAngles& a0, ArmPoint p1, const JointAngles& a1, int depth) {
        const JointAngles middle{(a0.alfa + a1.alfa) / 2, (a0.beta + a1.beta) / 2};
        if (depth <= 0 ||
            distanceToSegment(RealPen(calibration, middle), p0, p1) <= settings.tolerance)
            return;
        const ArmPoint pm{(p0.x + p1.x) / 2, (p0.y + p1.y) / 2};
        const std::optional<CorrectedPoint> m = CorrectPoint(calibration, pm, a0.beta);
        if (!m)
            return;
        split(p0, a0, pm, m->angles, depth - 1);
        pieces.push_back(m->commanded);
        split(pm, m->angles, p1, a1, depth - 1);
    }
};

// The line with X and Y set to `p` (a missing word added after the other).
void rewriteLine(ProgramText& out, QByteArray& text, QByteArrayView line, const MoveWords& w,
                 ArmPoint p, int decimals) {
    text.truncate(0);
    const char* base = line.data();
    const char* at = base;
    const auto upTo = [&](QByteArrayView word) {
        text.append(at, word.data() - at);
        at = word.data() + word.size();
    };
    const bool xFirst = !w.y.isEmpty() && (w.x.isEmpty() || w.x.data() < w.y.data());
    for (int i = 0; i < 2; ++i) {
        const bool isX = (i == 0) == xFirst;
        const QByteArrayView word = isX ? w.x : w.y;
        if (word.isEmpty())
            continue;
        upTo(word);
        appendNumber(text, isX ? p.x : p.y, decimals);
        if (w.x.isEmpty() || w.y.isEmpty()) {
            text += isX ? " Y" : " X";
            appendNumber(text, isX ? p.y : p.x, decimals);
        }
    }
    text.append(at, base + line.size() - at);
    out.appendLine(text);
}

void writePiece(ProgramText& out, QByteArray& text, const MoveWords& w, ArmPoint p, int decimals) {
    text.truncate(0);
    if (!w.g.isEmpty())
        text.append('G').append(w.g).append(' ');
    text += 'X';
    appendNumber(text, p.x, decimals);
    text += " Y";
    appendNumber(text, p.y, decimals);
    if (!w.z.isEmpty())
        text.append(" Z").append(w.z);
    out.appendLine(text);
}

} // namespace

Result<CorrectedProgram> CorrectProgram(const ProgramText& program,
                                        const ArmCalibration& calibration,
                                        const CorrectionSettings& settings) {
    CorrectionSettings s = settings;
    s.decimals = std::max(s.decimals, 2);
    CorrectedProgram result;
    ProgramText& out = result.program;
    out.reserve(program.lineCount(), program.byteCount() + program.lineCount() * 8);
    Corrector corrector{calibration, s, {}};
    QByteArray text; // each written line, its room kept from line to line
    text.reserve(512);
    ProgramWalker walker;
    std::optional<CorrectedPoint> last; // the previous target, corrected
    double previousBeta = 0;
    for (qsizetype i = 0; i < program.lineCount(); ++i) {
        const QByteArrayView line = program.line(i);
        MoveSink sink;
        if (const Status followed = walker.follow(line, i, sink); !followed)
            return followed.failure();
        if (!sink.seen) {
            out.appendLine(line);
            continue;
        }
        const BlockView& block = walker.block();
        const MoveWords w{block.word(GcodeWord::G), sink.seen->xText, sink.seen->yText,
                          block.word(GcodeWord::Z)};
        const ArmPoint intended{sink.seen->fromX, sink.seen->fromY};
        const ArmPoint target{sink.seen->toX, sink.seen->toY};
        const std::optional<CorrectedPoint> c = CorrectPoint(calibration, target, previousBeta);
        if (!c) {
            if (result.unreachable++ == 0)
                result.firstUnreachableLine = i;
            out.appendLine(line);
            previousBeta = SolveJointAngles(target.x, target.y, previousBeta).beta;
            last.reset();
            continue;
        }
        if (!c->exact && result.approximate++ == 0)
            result.firstApproximateLine = i;
        if (last && (last->angles.beta < 0) == (c->angles.beta < 0)) {
            corrector.pieces.clear();
            corrector.split(intended, last->angles, target, c->angles, s.maxSplitDepth);
            for (const ArmPoint& p : corrector.pieces)
                writePiece(out, text, w, p, s.decimals);
            result.addedLines += qsizetype(corrector.pieces.size());
            if (!corrector.pieces.empty())
                result.splits.emplace_back(i, qsizetype(corrector.pieces.size()));
        }
        rewriteLine(out, text, line, w, c->commanded, s.decimals);
        previousBeta = c->angles.beta;
        last = c;
    }
    return result;
}
