#pragma once

#include "hpgl/convertersettings.h"

#include <QString>

class QSettings;

// What the converter window keeps between runs: the conversion settings and
// the two fields of "Normalizacja HPGL", all as the operator typed them.
struct ConverterPreferences {
    ConverterSettings conversion;
    QString chordDegrees = QStringLiteral("5");
    QString margin = QStringLiteral("10");

    bool operator==(const ConverterPreferences&) const = default;
};

// Reads them under the settings' current group. Each entry the converter
// could not use (a pen height that is no whole number, a chord angle out of
// range, a missing entry) gives its default.
ConverterPreferences readConverterPreferences(const QSettings& settings);
void writeConverterPreferences(QSettings& settings, const ConverterPreferences& preferences);
