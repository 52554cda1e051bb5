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
    : radiusSquared_(settings.forbiddenRadius * settings.forbiddenRadius) {}

void PathChecker::move(const WalkMove& move) {
    const double fromX = move.fromX;
    const double fromY = move.fromY;
    const double toX = move.toX;
    const double toY = move.toY;
    const bool beyondReach = toX * toX + toY * toY > kReachSquared;
    const double squaredDistance = squaredDistanceToBase(fromX, fromY, toX, toY);
    const bool inZone = squaredDistance < radiusSquared_;
    const bool crossesAxis = std::min(fromX, toX) <= 0.0 && std::max(fromX, toX) >= 0.0;
    if (!(beyondReach || inZone || crossesAxis))
        return;
    PathFinding finding;
    finding.line = move.line;
    finding.penDown = move.penDown;
    finding.fromX = fromX;
    finding.fromY = fromY;
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

namespace {

struct PathCheckSink final : ProgramSink {
    explicit PathCheckSink(const PathCheckSettings& settings) : checker(settings) {}
    void move(const WalkMove& move) override { checker.move(move); }
    PathChecker checker;
};

} // namespace

Result<PathCheckReport> CheckPath(const ProgramText& lines, const PathCheckSettings& settings) {
    PathCheckSink sink(settings);
    if (const Result<qsizetype> walked = WalkProgram(lines, sink); !walked)
        return walked.failure();
    return PathCheckReport(lines, sink.checker.takeFindings());
}
