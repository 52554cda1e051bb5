#include "calibrationoptions.h"

#include "command.h"

#include "motion/calibrationfile.h"
#include "motion/calibrationtexts.h"
#include "motion/programcorrection.h"

namespace cli {

Result<ProgramText> correctForCalibration(const QString& fileName, const ProgramText& program) {
    const Result<ArmCalibration> calibration = LoadCalibrationFile(fileName);
    if (!calibration)
        return calibration.failure();
    Result<CorrectedProgram> corrected = CorrectProgram(program, *calibration);
    if (!corrected)
        return corrected.failure();
    if (corrected->unreachable > 0)
        err(calibrationtext::unreachableLines(corrected->unreachable,
                                              corrected->firstUnreachableLine + 1));
    if (corrected->approximate > 0)
        err(calibrationtext::approximateLines(corrected->approximate,
                                              corrected->firstApproximateLine + 1));
    return std::move(corrected->program);
}

} // namespace cli
