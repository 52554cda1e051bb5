#include "app/calibratedprogramsource.h"

#include "motion/programcorrection.h"

#include <algorithm>

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
    // Each program line gives its pieces, then its own line.
    programLines_.clear();
    programLines_.reserve(std::size_t(corrected_.lineCount()));
    auto split = corrected->splits.cbegin();
    const qsizetype lines = list_.lineCount();
    for (qsizetype line = 0; line < lines; ++line) {
        if (split != corrected->splits.cend() && split->first == line) {
            programLines_.insert(programLines_.end(), std::size_t(split->second), int(line));
            ++split;
        }
        programLines_.push_back(int(line));
    }
    return {};
}

int CalibratedProgramSource::programLineOf(int index) const {
    if (!calibration_ || index < 0 || std::size_t(index) >= programLines_.size())
        return index;
    return programLines_[std::size_t(index)];
}

int CalibratedProgramSource::sentIndexOf(int line) const {
    if (!calibration_)
        return line;
    return int(std::lower_bound(programLines_.begin(), programLines_.end(), line) -
               programLines_.begin());
}

Status CalibratedProgramSource::setCalibration(const std::optional<ArmCalibration>& calibration) {
    if (calibration) {
        if (Status done = correct(*calibration); !done)
            return done;
    } else {
        corrected_ = ProgramText();
        programLines_.clear();
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
