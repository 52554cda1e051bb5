#include "hpgl/converterpreferences.h"

#include "hpgl/hpglnormalizer.h"
#include "hpgl/integertext.h"

#include <QSettings>

namespace {

QString readWhole(const QSettings& settings, const QString& key, const QString& fallback) {
    const QVariant value = settings.value(key);
    if (!value.isValid() || value.typeId() == QMetaType::QStringList)
        return fallback;
    const QString text = value.toString();
    return readInteger(text) ? text : fallback;
}

// Header and footer lines are kept as one text, a line break between lines.
QStringList readLines(const QSettings& settings, const QString& key, const QStringList& fallback) {
    const QVariant value = settings.value(key);
    if (!value.isValid() || value.typeId() != QMetaType::QString)
        return fallback;
    const QString text = value.toString();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

} // namespace

ConverterPreferences readConverterPreferences(const QSettings& settings) {
    ConverterPreferences p;
    ConverterSettings& c = p.conversion;
    for (size_t pen = 0; pen < c.penHeights.size(); ++pen)
        c.penHeights[pen] =
            readWhole(settings, QStringLiteral("pen%1").arg(pen + 1), c.penHeights[pen]);
    c.travelHeight = readWhole(settings, QStringLiteral("travelHeight"), c.travelHeight);
    c.lineStep = readWhole(settings, QStringLiteral("lineStep"), c.lineStep);
    c.header = readLines(settings, QStringLiteral("header"), c.header);
    c.footer = readLines(settings, QStringLiteral("footer"), c.footer);
    const QVariant chord = settings.value(QStringLiteral("chordDegrees"));
    if (chord.typeId() == QMetaType::QString && readChordDegrees(chord.toString()))
        p.chordDegrees = chord.toString();
    p.margin = readWhole(settings, QStringLiteral("margin"), p.margin);
    return p;
}

void writeConverterPreferences(QSettings& settings, const ConverterPreferences& p) {
    const ConverterSettings& c = p.conversion;
    for (size_t pen = 0; pen < c.penHeights.size(); ++pen)
        settings.setValue(QStringLiteral("pen%1").arg(pen + 1), c.penHeights[pen]);
    settings.setValue(QStringLiteral("travelHeight"), c.travelHeight);
    settings.setValue(QStringLiteral("lineStep"), c.lineStep);
    settings.setValue(QStringLiteral("header"), c.header.join(QLatin1Char('\n')));
    settings.setValue(QStringLiteral("footer"), c.footer.join(QLatin1Char('\n')));
    settings.setValue(QStringLiteral("chordDegrees"), p.chordDegrees);
    settings.setValue(QStringLiteral("margin"), p.margin);
}
