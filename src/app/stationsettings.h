#pragma once

#include "base/armfacts.h"
#include "base/result.h"

#include <QString>

// The settings that are converted when their text changes and held as
// numbers: StepAngle (Edit2), Microstep (Edit3) and GearRatio (Edit11), with
// the minimal move derived from them, StepAngle x GearRatio / Microstep
// (Edit4). Every other setting is read from its control when it is needed.
//
// Each change stores its own new value first and then recomputes from the
// stored values of the other two. A text that does not convert stores
// nothing; a Microstep of 0 is stored and the computation then fails with
// "Floating point division by zero". On any failure the minimal move keeps
// its previous value.
class StationSettings {
public:
    // Start-up: converts all three texts and computes the minimal move.
    Result<QString> initialise(const QString& stepAngle, const QString& microstep,
                               const QString& gearRatio);

    // The change handlers; each returns the new minimal-move text for Edit4.
    Result<QString> changeStepAngle(const QString& text);
    Result<QString> changeMicrostep(const QString& text);
    Result<QString> changeGearRatio(const QString& text);

    double stepAngle() const { return stepAngle_; }
    qint32 microstep() const { return microstep_; }
    double gearRatio() const { return gearRatio_; }
    double minimalMove() const { return minimalMove_; }

    // "Obszar zabroniony:" (Edit15): the radius around the base that no move
    // may come closer to. A text that is not a positive number is refused and
    // the radius keeps its value.
    Result<double> changeForbiddenRadius(const QString& text);
    double forbiddenRadius() const { return forbiddenRadius_; }

private:
    Result<QString> recompute();

    double stepAngle_ = 1.8;
    qint32 microstep_ = 16;
    double gearRatio_ = 0.25;
    double minimalMove_ = 1.8 * 0.25 / 16;
    double forbiddenRadius_ = arm::kDefaultForbiddenRadius;
};
