#include "app/calibratedprogramsource.h"

#include "motion/programcorrection.h"

int CalibratedProgramSource::lineCount() const {
    return int(calibration_ ? corrected_.lineCount() : list_.lineCount());
}

std::optional<QByteArray> CalibratedProgramSource::lineAt(int index) const {
    if (!calibration_)
        return list_.lineAt(index);
    if (index < 0 || index >= corrected_.lineCount())
        return std::nullopt;
    return corrected_.line(index).toByteArray();
}

Status CalibratedProgramSource::correct(const ArmCalibration& calibration) {
    Result<CorrectedProgram> corrected = CorrectProgram(list_.snapshot(), calibration);
    if (!corrected)
        return corrected.failure();
    corrected_ = std::move(corrected.value().program);
    return {};
}

Status CalibratedProgramSource::setCalibration(const std::optional<ArmCalibration>& calibration) {
    if (calibration) {
        if (Status done = correct(*calibration); !done)
            return done;
    } else {
        corrected_ = ProgramText();
    }
    calibration_ = calibration;
    return {};
}

Status CalibratedProgramSource::programChanged() {
    if (!calibration_)
        return {};
    if (Status done = correct(*calibration_); !done) {
        corrected_ = ProgramText();
        calibration_.reset();
        return done;
    }
    return {};
}
