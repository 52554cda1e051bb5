// The calibration's readers under arbitrary bytes: the CAL file and the
// ruler's measures give the station's error text or values, never a crash;
// measures that read are fitted, and the bytes as a program are corrected
// for a calibrated arm.
#include "motion/calibrationfile.h"
#include "motion/calibrationfit.h"
#include "motion/programcorrection.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const Result<ArmCalibration> calibration = ReadCalibrationFile(bytes);
    const ArmCalibration arm =
        calibration ? *calibration : ArmCalibration{251.5, 248.7, 1.003, 0.996, 0.5};
    const Result<std::vector<CalibrationMeasure>> measures = ReadCalibrationMeasures(bytes);
    if (measures && measures->size() <= 200)
        (void)FitCalibration(*measures);
    (void)CorrectProgram(ProgramText::fromBytes(bytes), arm);
    return 0;
}
