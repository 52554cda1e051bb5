#pragma once

#include "drawing/drawing.h"
#include "gcode/programtext.h"

// Puts a drawing's moves into a program as a block of lines: before its
// end (the last line whose M word is 30 or 2), or after its last line when
// it has none; an empty program becomes the drawing's own program, with M30.
// The block is numbered on from the numbered line before it in the
// program's step (the difference of its first two numbers, 10 when it has
// fewer), and the numbered lines after it on from the block; every other
// line stays as it is.
ProgramText InsertDrawingMoves(const ProgramText& program, const Drawing& drawing);
