#pragma once

#include "drawing/penpass.h"

#include <QString>

class QSettings;

// What a drawing's import keeps between runs: the pen pass's choices as the
// operator left them (the spacing kept while hatching is off).
struct PenPreferences {
    static constexpr double kLeastSpacing = 0.05; // program units
    static constexpr double kMostSpacing = 100;
    bool hatch = false;
    double hatchSpacing = 1; // program units
    double hatchAngle = PenPassOptions::kDefaultHatchAngle;
    bool crossHatch = false;
    bool outline = true;
    bool occlude = false;
    PenTextMode text = PenTextMode::SingleStroke;
    QString font = QStringLiteral("futural");

    PenPassOptions penOptions() const;
    bool operator==(const PenPreferences&) const = default;
};

// Reads them under the settings' current group. An entry that is missing
// or could not be used (a spacing out of range, an angle beyond ±180, an
// unknown text mode or font) gives its default.
PenPreferences readPenPreferences(const QSettings& settings);
void writePenPreferences(QSettings& settings, const PenPreferences& preferences);
