#pragma once

#include "motion/armcalibration.h"
#include "motion/calibrationfit.h"
#include "motion/calibrationpattern.h"

#include <QDialog>

#include <optional>

class QLabel;
class QPushButton;
class QTableWidget;

// "Manipulator" -> "Kalibracja ramienia…" (KalibracjaDialog): the pattern
// to draw, a table of its pairs (CalibrationTable) where the operator types
// the distances measured with a ruler, the fit with each value and its
// uncertainty (CalibrationValues) and each pair's residual, and the choice
// to apply the fitted values or to go without a calibration.
class CalibrationDialog : public QDialog {
    Q_OBJECT
public:
    explicit CalibrationDialog(QWidget* parent = nullptr);

    // The pattern whose pairs the table lists (the distances typed so far go).
    void setPattern(const CalibrationPattern& pattern);
    // The calibration in force, shown until a fit replaces it.
    void showCalibration(const std::optional<ArmCalibration>& calibration);
    // Fits the distances typed; false, with the reason shown, when they do
    // not give a calibration.
    bool fit();
    const std::optional<CalibrationFit>& lastFit() const { return fit_; }
    QTableWidget* table() const { return table_; }

signals:
    void patternWanted();                                // "Wczytaj wzór do programu"
    void applyChosen(const ArmCalibration& calibration); // "Zastosuj"
    void withoutChosen();                                // "Bez kalibracji"

private:
    std::optional<std::vector<CalibrationMeasure>> measures();

    QTableWidget* table_;
    QLabel* values_;
    QPushButton* apply_;
    CalibrationPattern pattern_;
    std::optional<CalibrationFit> fit_;
};

// The calibration in a few words for the status bar: "Kalibracja: L1 250,41
// L2 249,80 k1 1,0030 k2 0,9981 o2 0,50°", or "Bez kalibracji".
QString CalibrationSummary(const std::optional<ArmCalibration>& calibration);
