#pragma once

#include "base/result.h"
#include "gcode/programtext.h"
#include "motion/armcalibration.h"

#include <utility>
#include <vector>

// Correcting a program for a calibrated arm: every target is moved so that
// the real arm draws the intended point (CorrectPoint), each keeping the elbow
// side the station bends it to there. The controller turns its joints evenly
// from one commanded point to the next, so a move's drawn line bows away from
// the straight one; a move that bows more than the tolerance is split into
// shorter ones until none does (the pieces carry the line's G and Z words and
// no line number). A move across the Y axis, where the elbow turns over, is
// not split.
struct CorrectionSettings {
    double tolerance = 0.1; // program units (mm)
    int decimals = 3;       // of the corrected X and Y; at least 2 are written
    int maxSplitDepth = 12; // a move is split into at most 2^depth pieces
};

struct CorrectedProgram {
    ProgramText program;
    // Points the calibrated arm cannot reach (the home point of a shorter
    // arm, say), left as written.
    qsizetype unreachable = 0;
    qsizetype firstUnreachableLine = -1; // from 0
    // Points beside the Y axis that the real arm draws only nearly
    // (CorrectedPoint::exact).
    qsizetype approximate = 0;
    qsizetype firstApproximateLine = -1;
    qsizetype addedLines = 0; // by splitting
    // Where splitting added lines: the program line (from 0) and how many
    // pieces stand before its own corrected line, in program order.
    std::vector<std::pair<qsizetype, qsizetype>> splits;
};

// Corrects every line with an X or Y word: X and Y are rewritten (a missing
// one added), every other word and byte of the line is kept; lines without
// X and Y are kept as they are. Fails with the station's conversion text
// (and the line) when a coordinate does not convert.
Result<CorrectedProgram> CorrectProgram(const ProgramText& program,
                                        const ArmCalibration& calibration,
                                        const CorrectionSettings& settings = {});
