#pragma once

#include "base/result.h"
#include "gcode/programtext.h"

#include <QString>

namespace cli {
// The program corrected for the calibrated arm in the CAL file `fileName`
// (CorrectProgram); notes on points left as written or drawn only nearly go
// to standard error.
Result<ProgramText> correctForCalibration(const QString& fileName, const ProgramText& program);
} // namespace cli
