#include "app/calibrationcommands.h"

#include "app/appmessages.h"
#include "app/calibratedprogramsource.h"
#include "app/calibrationdialog.h"
#include "app/mainwindow.h"
#include "app/programcommands.h"
#include "app/stationstatusbar.h"
#include "controller/linktexts.h"
#include "motion/calibrationpattern.h"

CalibrationCommands::CalibrationCommands(MainWindow& window, CalibratedProgramSource& source,
                                         QObject* parent)
    : QObject(parent), window_(window), source_(source) {
    showInForce();
}

const std::optional<ArmCalibration>& CalibrationCommands::calibration() const {
    return source_.calibration();
}

// The pattern in the safe area of the forbidden radius set now.
CalibrationPatternSettings CalibrationCommands::patternSettings() const {
    CalibrationPatternSettings settings;
    settings.forbiddenRadius = window_.stationSettings().forbiddenRadius();
    return settings;
}

bool CalibrationCommands::refusedWhileSending() {
    if (!window_.programCommands()->programLocked())
        return false;
    window_.showError(LinkTexts::refusedWhileSending());
    return true;
}

void CalibrationCommands::open() {
    if (!dialog_) {
        dialog_ = new CalibrationDialog(&window_);
        connect(dialog_, &CalibrationDialog::patternWanted, this,
                &CalibrationCommands::loadPattern);
        connect(dialog_, &CalibrationDialog::applyChosen, this,
                [this](const ArmCalibration& calibration) { use(calibration); });
        connect(dialog_, &CalibrationDialog::withoutChosen, this, [this] { use(std::nullopt); });
        dialog_->setPattern(MakeCalibrationPattern(patternSettings()));
    }
    dialog_->showCalibration(source_.calibration());
    dialog_->show();
    dialog_->raise();
}

void CalibrationCommands::loadPattern() {
    if (refusedWhileSending())
        return;
    const CalibrationPatternSettings settings = patternSettings();
    const CalibrationPattern pattern = MakeCalibrationPattern(settings);
    // The pattern is drawn by the arm as it is: without the calibration
    // that it is there to find.
    if (source_.calibration() && !use(std::nullopt))
        return;
    if (!window_.programCommands()->insertConvertedProgram(
            WriteCalibrationPattern(pattern, settings), QString()))
        return;
    dialog_->setPattern(pattern);
}

bool CalibrationCommands::use(const std::optional<ArmCalibration>& calibration) {
    if (refusedWhileSending())
        return false;
    if (const Status used = source_.setCalibration(calibration); !used) {
        window_.showError(used.error());
        return false;
    }
    showInForce();
    return true;
}

void CalibrationCommands::programChanged() {
    if (const Status corrected = source_.programChanged(); !corrected) {
        window_.showError(corrected.error());
        showInForce();
    }
}

void CalibrationCommands::showInForce() {
    window_.stationStatusBar()->setCalibrationText(CalibrationSummary(source_.calibration()));
    if (dialog_)
        dialog_->showCalibration(source_.calibration());
}
