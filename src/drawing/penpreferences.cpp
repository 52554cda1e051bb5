#include "drawing/penpreferences.h"

#include <QSettings>

#include <cmath>

namespace {

bool readBool(const QSettings& settings, const QString& key, bool fallback) {
    const QVariant value = settings.value(key);
    const QString text = value.toString();
    if (text == u"true" || text == u"false")
        return text == u"true";
    return fallback;
}

double readNumber(const QSettings& settings, const QString& key, double low, double high,
                  double fallback) {
    bool ok = false;
    const double value = settings.value(key).toString().toDouble(&ok);
    return ok && std::isfinite(value) && value >= low && value <= high ? value : fallback;
}

} // namespace

PenPassOptions PenPreferences::penOptions() const {
    PenPassOptions options;
    options.text = text;
    options.font = font;
    if (hatch)
        options.hatchSpacing = hatchSpacing;
    options.hatchAngle = hatchAngle;
    options.crossHatch = crossHatch;
    options.outline = outline;
    options.occlude = occlude;
    return options;
}

PenPreferences readPenPreferences(const QSettings& settings) {
    PenPreferences p;
    p.hatch = readBool(settings, QStringLiteral("hatch"), p.hatch);
    p.hatchSpacing =
        readNumber(settings, QStringLiteral("hatchSpacing"), PenPreferences::kLeastSpacing,
                   PenPreferences::kMostSpacing, p.hatchSpacing);
    p.hatchAngle = readNumber(settings, QStringLiteral("hatchAngle"), -180, 180, p.hatchAngle);
    p.crossHatch = readBool(settings, QStringLiteral("crossHatch"), p.crossHatch);
    p.outline = readBool(settings, QStringLiteral("outline"), p.outline);
    p.occlude = readBool(settings, QStringLiteral("occlude"), p.occlude);
    const QString text = settings.value(QStringLiteral("text")).toString();
    if (text == u"single" || text == u"outline")
        p.text = text == u"single" ? PenTextMode::SingleStroke : PenTextMode::Outline;
    const QString font = settings.value(QStringLiteral("font")).toString();
    if (StrokeFontNames().contains(font))
        p.font = font;
    return p;
}

void writePenPreferences(QSettings& settings, const PenPreferences& p) {
    const auto flag = [](bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); };
    settings.setValue(QStringLiteral("hatch"), flag(p.hatch));
    settings.setValue(QStringLiteral("hatchSpacing"), QString::number(p.hatchSpacing));
    settings.setValue(QStringLiteral("hatchAngle"), QString::number(p.hatchAngle));
    settings.setValue(QStringLiteral("crossHatch"), flag(p.crossHatch));
    settings.setValue(QStringLiteral("outline"), flag(p.outline));
    settings.setValue(QStringLiteral("occlude"), flag(p.occlude));
    settings.setValue(QStringLiteral("text"), p.text == PenTextMode::SingleStroke
                                                  ? QStringLiteral("single")
                                                  : QStringLiteral("outline"));
    settings.setValue(QStringLiteral("font"), p.font);
}
