#pragma once

#include "controller/programsource.h"
#include "gcode/programlist.h"

// The station's current program as the controller link's transfer reads it: each read takes
// the list's lock, so a preparation pass may replace the program between two
// lines (the transfer then goes on with the new one, and ends at its end).
class ProgramListSource : public ProgramSource {
public:
    explicit ProgramListSource(const ProgramList& list) : list_(list) {}

    int lineCount() const override { return int(list_.lineCount()); }
    std::optional<QByteArray> lineAt(int index) const override { return list_.lineAt(index); }

private:
    const ProgramList& list_;
};
