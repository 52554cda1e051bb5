#include "app/calibratedprogramsource.h"

#include "motion/programcorrection.h"

#include <algorithm>

int CalibratedProgramSource::lineCount() const {
    if (calibration_)
        return int(corrected_.lineCount());
    return int(laid_ ? laid_->lines.lineCount() : list_.lineCount());
}

std::optional<QByteArray> CalibratedProgramSource::lineAt(int index) const {
    if (!calibration_ && laid_) {
        if (index < 0 || index >= laid_->lines.lineCount())
            return std::nullopt;
        return laid_->lines.line(index).toByteArray();
    }
    if (!calibration_)
        return list_.lineAt(index);
    if (index < 0 || index >= corrected_.lineCount())
        return std::nullopt;
    return corrected_.line(index).toByteArray();
}

Status CalibratedProgramSource::correct(const ArmCalibration& calibration) {
    const ProgramText program = base();
    Result<CorrectedProgram> corrected = CorrectProgram(program, calibration);
    if (!corrected)
        return corrected.failure();
    corrected_ = std::move(corrected.value().program);
    // Each program line gives its pieces, then its own line.
    programLines_.clear();
    programLines_.reserve(std::size_t(corrected_.lineCount()));
    auto split = corrected->splits.cbegin();
    const qsizetype lines = program.lineCount();
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
    if (calibration_ && index >= 0 && std::size_t(index) < programLines_.size())
        index = programLines_[std::size_t(index)];
    if (laid_ && index >= 0 && std::size_t(index) < laid_->programLines.size())
        index = int(laid_->programLines[std::size_t(index)]);
    return index;
}

int CalibratedProgramSource::sentIndexOf(int line) const {
    if (laid_)
        line = int(std::lower_bound(laid_->programLines.begin(), laid_->programLines.end(),
                                    qsizetype(line)) -
                   laid_->programLines.begin());
    if (!calibration_)
        return line;
    return int(std::lower_bound(programLines_.begin(), programLines_.end(), line) -
               programLines_.begin());
}

QString CalibratedProgramSource::holdNotice(int index) const {
    if (calibration_ && index >= 0 && std::size_t(index) < programLines_.size())
        index = programLines_[std::size_t(index)];
    return laid_ ? laid_->noticeAt(index) : QString();
}

Status CalibratedProgramSource::layOut(const SendPlan& plan) {
    const ProgramText program = list_.snapshot();
    bool marked = false;
    for (qsizetype i = 0; i < program.lineCount() && !marked; ++i)
        marked = program.line(i).startsWith("(") && LayerMarkNumber(program.line(i));
    const bool asked =
        plan.refillEvery ||
        std::any_of(plan.layers.begin(), plan.layers.end(),
                    [](const LayerSettings& s) { return !s.send || s.z || s.feed || s.hold; });
    if (!marked && !asked) {
        laid_.reset();
        return {};
    }
    Result<SendProgram> laid = BuildSendProgram(program, plan);
    if (!laid)
        return laid.failure();
    laid_ = std::move(laid).value();
    return {};
}

Status CalibratedProgramSource::setSendPlan(const SendPlan& plan) {
    std::optional<SendProgram> old = laid_;
    if (Status done = layOut(plan); !done)
        return done;
    if (calibration_) {
        if (Status done = correct(*calibration_); !done) {
            laid_ = std::move(old);
            return done;
        }
    }
    plan_ = plan;
    return {};
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
    // A plan the new program cannot take (a layer it lacks) asks nothing of it.
    if (!layOut(plan_)) {
        plan_ = SendPlan{};
        (void)layOut(plan_);
    }
    if (!calibration_)
        return {};
    if (Status done = correct(*calibration_); !done) {
        corrected_ = ProgramText();
        calibration_.reset();
        return done;
    }
    return {};
}
