#include "gcode/pathcheck.h"

#include "base/armfacts.h"
#include "base/numberformat.h"
#include "gcode/blockview.h"
#include "gcode/gcodemessages.h"
#include "gcode/prepareprogram.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// The square of the closest distance from the base (0, 0) to the segment a-b.
double squaredDistanceToBase(double ax, double ay, double bx, double by) {
    const double dx = bx - ax;
    const double dy = by - ay;
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0.0;
    if (lengthSquared > 0.0)
        t = std::clamp(-(ax * dx + ay * dy) / lengthSquared, 0.0, 1.0);
    const double px = ax + t * dx;
    const double py = ay + t * dy;
    return px * px + py * py;
}

// Where the words G, X and Y stand in a line, found as the block parser finds
// them: a word letter within the first kWordLetterPositions bytes (up to a
// NUL) starts a word, a later one of the same letter wins. Searched from the
// end with the C library's vectorised search, for the million lines a drawing
// may have.
struct MoveWords {
    QByteArrayView g, x, y;
};

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

MoveWords findMoveWords(QByteArrayView line) {
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
    return words;
}

// A word's value as a number: whole numbers of up to 15 digits directly,
// anything else as the station's number reader takes it.
Result<double> wordNumber(QByteArrayView text) {
    qsizetype i = text[0] == '-' ? 1 : 0;
    if (i < text.size() && text.size() - i <= 15) {
        qint64 value = 0;
        for (; i < text.size(); ++i) {
            const unsigned digit = unsigned(text[i]) - '0';
            if (digit > 9)
                return ParseWordReal(text);
            value = value * 10 + digit;
        }
        return double(text[0] == '-' ? -value : value);
    }
    return ParseWordReal(text);
}

} // namespace

PathCheckReport::PathCheckReport(ProgramText lines, std::vector<PathFinding> findings)
    : lines_(std::move(lines)), findings_(std::move(findings)) {}

qsizetype PathCheckReport::count(PathFindingKind kind) const {
    return std::count_if(findings_.begin(), findings_.end(),
                         [kind](const PathFinding& f) { return f.kind == kind; });
}

// The N value of the finding's block (empty when it has none).
QByteArray PathCheckReport::nValue(const PathFinding& finding) const {
    if (finding.line < 0 || finding.line >= lines_.lineCount())
        return {};
    BlockView block;
    block.parse(lines_.line(finding.line));
    return block.word(GcodeWord::N).toByteArray();
}

QByteArray PathCheckReport::blockWord(const PathFinding& finding) const {
    const QByteArray n = nValue(finding);
    return n.isEmpty() ? n : "N" + n;
}

QString PathCheckReport::text(const PathFinding& finding) const {
    const QByteArray n = nValue(finding);
    switch (finding.kind) {
    case PathFindingKind::Reach:
        return GcodeMessages::outOfReach(n);
    case PathFindingKind::Zone:
        return GcodeMessages::throughForbiddenZone(n, finding.distance);
    case PathFindingKind::Elbow:
        return GcodeMessages::elbowTurnsOver(n, finding.penDown);
    }
    return {};
}

QStringList PathCheckReport::texts(qsizetype limit) const {
    QStringList out;
    for (const PathFinding& finding : findings_) {
        if (out.size() >= limit)
            break;
        out << text(finding);
    }
    return out;
}

QString PathFindingKindWord(PathFindingKind kind) {
    switch (kind) {
    case PathFindingKind::Reach:
        return QStringLiteral("reach");
    case PathFindingKind::Zone:
        return QStringLiteral("zone");
    case PathFindingKind::Elbow:
        return QStringLiteral("elbow");
    }
    return {};
}

PathChecker::PathChecker(const PathCheckSettings& settings)
    : radiusSquared_(settings.forbiddenRadius * settings.forbiddenRadius), x_(arm::kHomeX),
      y_(arm::kHomeY) {}

Status PathChecker::takeG(QByteArrayView value) {
    const Result<double> g = wordNumber(value);
    if (!g)
        return g.failure();
    if (*g == 0.0)
        penDown_ = false;
    else if (*g == 1.0)
        penDown_ = true;
    return Status::success();
}

void PathChecker::move(qsizetype line, const double* x, const double* y) {
    const double toX = x ? *x : x_;
    const double toY = y ? *y : y_;
    const bool beyondReach = toX * toX + toY * toY > kReachSquared;
    const double squaredDistance = squaredDistanceToBase(x_, y_, toX, toY);
    const bool inZone = squaredDistance < radiusSquared_;
    const bool crossesAxis = std::min(x_, toX) <= 0.0 && std::max(x_, toX) >= 0.0;
    if (beyondReach || inZone || crossesAxis) {
        PathFinding finding;
        finding.line = line;
        finding.penDown = penDown_;
        finding.fromX = x_;
        finding.fromY = y_;
        finding.toX = toX;
        finding.toY = toY;
        if (beyondReach) {
            finding.kind = PathFindingKind::Reach;
            findings_.push_back(finding);
        }
        if (inZone) {
            finding.kind = PathFindingKind::Zone;
            finding.distance = std::sqrt(squaredDistance);
            findings_.push_back(finding);
            finding.distance = 0.0;
        }
        if (crossesAxis) {
            finding.kind = PathFindingKind::Elbow;
            findings_.push_back(finding);
        }
    }
    x_ = toX;
    y_ = toY;
}

Result<PathCheckReport> CheckPath(const ProgramText& lines, const PathCheckSettings& settings) {
    PathChecker checker(settings);
    for (qsizetype i = 0; i < lines.lineCount(); ++i) {
        const MoveWords words = findMoveWords(lines.line(i));
        if (!words.g.isEmpty()) {
            if (const Status taken = checker.takeG(words.g); !taken)
                return taken.failure();
        }
        if (words.x.isEmpty() && words.y.isEmpty())
            continue;
        double x = 0.0;
        double y = 0.0;
        if (!words.x.isEmpty()) {
            const Result<double> value = wordNumber(words.x);
            if (!value)
                return value.failure();
            x = *value;
        }
        if (!words.y.isEmpty()) {
            const Result<double> value = wordNumber(words.y);
            if (!value)
                return value.failure();
            y = *value;
        }
        checker.move(i, words.x.isEmpty() ? nullptr : &x, words.y.isEmpty() ? nullptr : &y);
    }
    return PathCheckReport(lines, checker.takeFindings());
}
