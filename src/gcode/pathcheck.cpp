#include "gcode/pathcheck.h"

#include "base/numberformat.h"
#include "gcode/blockview.h"
#include "gcode/gcodemessages.h"
#include "gcode/prepareprogram.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kHomeX = 500.0;
constexpr double kHomeY = 0.0;

// The closest distance from the base (0, 0) to the segment a-b.
double distanceToBase(double ax, double ay, double bx, double by) {
    const double dx = bx - ax;
    const double dy = by - ay;
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0.0;
    if (lengthSquared > 0.0)
        t = std::clamp(-(ax * dx + ay * dy) / lengthSquared, 0.0, 1.0);
    return std::hypot(ax + t * dx, ay + t * dy);
}

} // namespace

PathCheckReport::PathCheckReport(ProgramText lines, std::vector<PathFinding> findings)
    : lines_(std::move(lines)), findings_(std::move(findings)) {}

qsizetype PathCheckReport::count(PathFindingKind kind) const {
    return std::count_if(findings_.begin(), findings_.end(),
                         [kind](const PathFinding& f) { return f.kind == kind; });
}

QByteArray PathCheckReport::blockWord(const PathFinding& finding) const {
    if (finding.line < 0 || finding.line >= lines_.lineCount())
        return {};
    BlockView block;
    block.parse(lines_.line(finding.line));
    if (!block.has(GcodeWord::N))
        return {};
    return "N" + block.word(GcodeWord::N).toByteArray();
}

QString PathCheckReport::text(const PathFinding& finding) const {
    QByteArray n;
    if (finding.line >= 0 && finding.line < lines_.lineCount()) {
        BlockView block;
        block.parse(lines_.line(finding.line));
        n = block.word(GcodeWord::N).toByteArray();
    }
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

Result<PathCheckReport> CheckPath(const ProgramText& lines, const PathCheckSettings& settings) {
    const double radius = settings.forbiddenRadius;
    std::vector<PathFinding> findings;
    BlockView block;
    double x = kHomeX;
    double y = kHomeY;
    bool penDown = false; // G00 until a block says G01
    for (qsizetype i = 0; i < lines.lineCount(); ++i) {
        block.parseKeepingPoints(lines.line(i));
        if (block.has(GcodeWord::G)) {
            const Result<double> g = ParseWordReal(block.word(GcodeWord::G));
            if (!g)
                return g.failure();
            // G00 lifts the pen and G01 lowers it, as the simulation does;
            // any other G leaves it where it is.
            if (*g == 0.0)
                penDown = false;
            else if (*g == 1.0)
                penDown = true;
        }
        const bool hasX = block.has(GcodeWord::X);
        const bool hasY = block.has(GcodeWord::Y);
        if (!hasX && !hasY)
            continue;
        double toX = x;
        double toY = y;
        if (hasX) {
            const Result<double> value = ParseWordReal(block.word(GcodeWord::X));
            if (!value)
                return value.failure();
            toX = *value;
        }
        if (hasY) {
            const Result<double> value = ParseWordReal(block.word(GcodeWord::Y));
            if (!value)
                return value.failure();
            toY = *value;
        }
        PathFinding move;
        move.line = i;
        move.penDown = penDown;
        move.fromX = x;
        move.fromY = y;
        move.toX = toX;
        move.toY = toY;
        if (toX * toX + toY * toY > kReachSquared) {
            move.kind = PathFindingKind::Reach;
            findings.push_back(move);
        }
        const double distance = distanceToBase(x, y, toX, toY);
        if (distance < radius) {
            move.kind = PathFindingKind::Zone;
            move.distance = distance;
            findings.push_back(move);
            move.distance = 0.0;
        }
        if (std::min(x, toX) <= 0.0 && std::max(x, toX) >= 0.0) {
            move.kind = PathFindingKind::Elbow;
            findings.push_back(move);
        }
        x = toX;
        y = toY;
    }
    return PathCheckReport(lines, std::move(findings));
}
