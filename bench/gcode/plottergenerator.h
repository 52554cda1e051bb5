#pragma once

#include <QString>

#include <cstdint>

// Writes a generated plotter program of `lines` lines to `fileName` (CR LF):
// pen-up rapid moves and pen-down working moves with Z on their own blocks
// and in the moves, coordinates with one to three decimals (points and
// commas), about 3% of points repeated, block numbers on every line, M30
// last. The same seed gives the same file. Returns the bytes written, or -1.
qint64 WritePlotterProgram(const QString& fileName, qint64 lines, std::uint32_t seed = 1);
