#include "app/stationsettings.h"

#include "app/appmessages.h"
#include "base/numberformat.h"

#include <cmath>

Result<QString> StationSettings::initialise(const QString& stepAngle, const QString& microstep,
                                            const QString& gearRatio) {
    const Result<double> step = ParseReal(stepAngle);
    if (!step)
        return step.failure();
    stepAngle_ = *step;
    const Result<double> gear = ParseReal(gearRatio);
    if (!gear)
        return gear.failure();
    gearRatio_ = *gear;
    const Result<qint32> micro = ParseWhole(microstep);
    if (!micro)
        return micro.failure();
    microstep_ = *micro;
    return recompute();
}

Result<double> StationSettings::changeForbiddenRadius(const QString& text) {
    const Result<double> value = ParseReal(text);
    if (!value)
        return value.failure();
    if (!(*value > 0.0) || !std::isfinite(*value))
        return Failure{AppMessages::notPositive(text)};
    forbiddenRadius_ = *value;
    return forbiddenRadius_;
}

Result<QString> StationSettings::changeStepAngle(const QString& text) {
    const Result<double> value = ParseReal(text);
    if (!value)
        return value.failure();
    stepAngle_ = *value;
    return recompute();
}

Result<QString> StationSettings::changeMicrostep(const QString& text) {
    const Result<qint32> value = ParseWhole(text);
    if (!value)
        return value.failure();
    microstep_ = *value;
    return recompute();
}

Result<QString> StationSettings::changeGearRatio(const QString& text) {
    const Result<double> value = ParseReal(text);
    if (!value)
        return value.failure();
    gearRatio_ = *value;
    return recompute();
}

Result<QString> StationSettings::recompute() {
    if (microstep_ == 0)
        return Failure{AppMessages::divisionByZero()};
    const double move = stepAngle_ * gearRatio_ / microstep_;
    if (!std::isfinite(move))
        return Failure{AppMessages::overflow()};
    minimalMove_ = move;
    return FormatReal(move);
}
