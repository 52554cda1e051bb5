#pragma once

#include "motion/armcalibration.h"
#include "motion/calibrationpattern.h"

#include <QObject>

#include <optional>

class CalibratedProgramSource;
class CalibrationDialog;
class MainWindow;

// "Manipulator" -> "Kalibracja ramienia…": the pattern loaded as the program
// (to be sent as any program), the fit of the distances measured on it, and
// the calibration put in force for every transfer or taken off. The one in
// force shows in the status bar (StatusCalibration) and is remembered with
// the settings. Refused while a transfer runs or holds.
class CalibrationCommands : public QObject {
    Q_OBJECT
public:
    CalibrationCommands(MainWindow& window, CalibratedProgramSource& source,
                        QObject* parent = nullptr);

    // Opens the dialog.
    void open();
    CalibrationDialog* dialog() const { return dialog_; }

    const std::optional<ArmCalibration>& calibration() const;
    // Puts `calibration` in force (none: the program goes uncorrected);
    // false, with the reason shown, when it cannot be.
    bool use(const std::optional<ArmCalibration>& calibration);
    // The program was prepared anew.
    void programChanged();

private:
    bool refusedWhileSending();
    CalibrationPatternSettings patternSettings() const;
    void loadPattern();
    void showInForce();

    MainWindow& window_;
    CalibratedProgramSource& source_;
    CalibrationDialog* dialog_ = nullptr;
};
