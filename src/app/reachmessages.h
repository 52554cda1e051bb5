#pragma once

#include "gcode/prepareprogram.h"

#include <QStringList>

// The reach messages of a completed preparation, for the operator: the first
// `limit` lines "W bloku <N> nastapiło przekroczenie zasięgu manipulatora:",
// in program order. The pass records one move per block with X and Y, and
// checks the reach of the same blocks, so the messages are found by walking
// the source program alongside the moves; the walk stops at the limit, so a
// long program costs little however many points lie beyond the reach.
QStringList ListReachMessages(const ProgramText& source, const PreparedProgram& prepared,
                              qsizetype limit);
