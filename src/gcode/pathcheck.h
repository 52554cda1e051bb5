#pragma once

#include "base/armfacts.h"
#include "base/result.h"
#include "gcode/programtext.h"
#include "gcode/programwalk.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// What a SCARA arm cannot draw well, found by walking the moves of a
// prepared program (programwalk.h): every block with X or Y, straight from
// the previous point to its target.
enum class PathFindingKind {
    Reach, // the target lies beyond the arm's reach
    Zone,  // the straight move comes closer to the base than the forbidden radius
    Elbow, // the move touches or crosses the Y axis: the elbow turns over
};

struct PathFinding {
    PathFindingKind kind = PathFindingKind::Reach;
    qsizetype line = 0;    // the block's line in the checked program, from 0
    bool penDown = false;  // the move is a working move (G01)
    double distance = 0.0; // Zone: the move's closest distance to the base
    // The move, in program units.
    double fromX = 0.0, fromY = 0.0, toX = 0.0, toY = 0.0;
};

struct PathCheckSettings {
    static constexpr double kDefaultForbiddenRadius = arm::kDefaultForbiddenRadius;
    double forbiddenRadius = kDefaultForbiddenRadius;
};

// The findings of one check, in program order (within a block: reach, zone,
// elbow), with their texts in the station's words.
class PathCheckReport {
public:
    PathCheckReport() = default;
    PathCheckReport(ProgramText lines, std::vector<PathFinding> findings);

    const std::vector<PathFinding>& findings() const { return findings_; }
    bool isEmpty() const { return findings_.empty(); }
    qsizetype count() const { return qsizetype(findings_.size()); }
    qsizetype count(PathFindingKind kind) const;

    // The block's N word as the program writes it ("N10"; empty when the
    // block has none).
    QByteArray blockWord(const PathFinding& finding) const;
    // "W bloku N10 ..." as the operator reads it.
    QString text(const PathFinding& finding) const;
    // The first `limit` texts.
    QStringList texts(qsizetype limit) const;

private:
    QByteArray nValue(const PathFinding& finding) const;

    ProgramText lines_;
    std::vector<PathFinding> findings_;
};

// Checks moves as the walker (or a pass feeding its state) tells them; the
// finding names the move's line.
class PathChecker {
public:
    explicit PathChecker(const PathCheckSettings& settings);

    void move(const WalkMove& move);
    std::vector<PathFinding> takeFindings() { return std::move(findings_); }

private:
    double radiusSquared_;
    std::vector<PathFinding> findings_;
};

// The kind's word in listings: "reach", "zone", "elbow".
QString PathFindingKindWord(PathFindingKind kind);

// Checks every move of `lines` (a prepared program, or any program's lines)
// up to the end block. A block whose X, Y or Z does not convert ends the
// check with the station's conversion text.
Result<PathCheckReport> CheckPath(const ProgramText& lines, const PathCheckSettings& settings);
