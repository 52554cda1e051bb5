#pragma once

#include "gcode/programtext.h"

#include <QtGlobal>

// Where a producer of program lines (the preparation pass, the HPGL
// conversion) writes them one at a time: into a program, into file bytes
// that are passed on in pieces (ProgramFileWriter), or anywhere else.
class PreparedLineSink {
public:
    virtual ~PreparedLineSink() = default;
    // Room for the next line, `size` (> 0) bytes without a line end; the
    // producer writes the line there before it asks again.
    virtual char* addLine(qsizetype size) = 0;
};

// Lines appended to a program.
class ProgramTextSink final : public PreparedLineSink {
public:
    explicit ProgramTextSink(ProgramText& text) : text_(text) {}
    char* addLine(qsizetype size) override { return text_.addLine(size); }

private:
    ProgramText& text_;
};
