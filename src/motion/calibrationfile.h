#pragma once

#include "base/result.h"
#include "motion/armcalibration.h"

#include <QByteArray>
#include <QString>

#include <optional>

struct CalibrationFit;

// The calibration file (CAL) in the station's plain text form:
//   scara-calibration 1
//   # comments
//   L1 250,412
//   L2 249,803
//   k1 1,00297
//   k2 0,99812
//   o2 0,4987
// one value a line, numbers in the station's format (a decimal point is
// read as well); the five values each once, in any order. The first line
// names the form and its version.
inline constexpr char kCalibrationHeader[] = "scara-calibration";
inline constexpr int kCalibrationVersion = 1;

// The text of the file; with `fit`, its uncertainties and residual RMS as
// comments.
QByteArray WriteCalibrationFile(const ArmCalibration& calibration,
                                const CalibrationFit* fit = nullptr);

// Reads a calibration file. Fails with the station's text for a file that is
// not one, one of another version, or a damaged one (a value missing,
// repeated, unknown, not a number or outside what an arm can be).
Result<ArmCalibration> ReadCalibrationFile(const QByteArray& text);

// Reads the file `fileName` (ReadCalibrationFile), with the station's text
// when it cannot be opened.
Result<ArmCalibration> LoadCalibrationFile(const QString& fileName);

// Writes `text` to `fileName` whole or not at all (OutputFile).
Status SaveCalibrationFile(const QString& fileName, const QByteArray& text);
