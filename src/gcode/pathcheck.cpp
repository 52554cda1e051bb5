#include "gcode/pathcheck.h"

#include "base/armfacts.h"
#include "base/numberformat.h"
#include "gcode/blockview.h"
#include "gcode/gcodemessages.h"
#include "gcode/movewords.h"
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
    const Result<double> g = MoveWordNumber(value);
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
        const MoveWords words = FindMoveWords(lines.line(i));
        if (!words.g.isEmpty()) {
            if (const Status taken = checker.takeG(words.g); !taken)
                return taken.failure();
        }
        if (words.x.isEmpty() && words.y.isEmpty())
            continue;
        double x = 0.0;
        double y = 0.0;
        if (!words.x.isEmpty()) {
            const Result<double> value = MoveWordNumber(words.x);
            if (!value)
                return value.failure();
            x = *value;
        }
        if (!words.y.isEmpty()) {
            const Result<double> value = MoveWordNumber(words.y);
            if (!value)
                return value.failure();
            y = *value;
        }
        checker.move(i, words.x.isEmpty() ? nullptr : &x, words.y.isEmpty() ? nullptr : &y);
    }
    return PathCheckReport(lines, checker.takeFindings());
}
