#include "app/stationpreferences.h"

#include "app/recentfiles.h"
#include "base/numberformat.h"
#include "base/stationlanguage.h"

#include <QRegularExpression>
#include <QSettings>

#include <algorithm>

namespace {

// The settings bar's pages, "Symulacja" to "Ustawienia programu".
constexpr int kSettingsPageCount = 7;

bool readBool(const QSettings& settings, const QString& key, bool fallback) {
    const QString text = settings.value(key).toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return fallback;
}

QRgb readColour(const QSettings& settings, const QString& key, QRgb fallback) {
    static const QRegularExpression kForm(QStringLiteral("^#[0-9a-fA-F]{6}$"));
    const QVariant value = settings.value(key);
    if (value.typeId() != QMetaType::QString || !kForm.match(value.toString()).hasMatch())
        return fallback;
    return QColor::fromString(value.toString()).rgb();
}

QString colourText(QRgb rgb) {
    return QColor::fromRgb(rgb).name(QColor::HexRgb);
}

QString readWhole(const QSettings& settings, const QString& key, const QString& fallback) {
    const QVariant value = settings.value(key);
    if (value.typeId() != QMetaType::QString || !ParseWhole(value.toString()))
        return fallback;
    return value.toString();
}

QString readText(const QSettings& settings, const QString& key) {
    const QVariant value = settings.value(key);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

WindowPlacement readPlacement(QSettings& settings, const QString& name, bool openByDefault) {
    settings.beginGroup(name);
    WindowPlacement placement;
    const QVariant geometry = settings.value(QStringLiteral("geometry"));
    if (geometry.typeId() == QMetaType::QByteArray)
        placement.geometry = geometry.toByteArray();
    placement.open = readBool(settings, QStringLiteral("open"), openByDefault);
    const QVariant bounds = settings.value(QStringLiteral("bounds"));
    if (bounds.typeId() == QMetaType::QRect && bounds.toRect().isValid()) {
        placement.bounds = bounds.toRect();
        placement.maximized = readBool(settings, QStringLiteral("maximized"), false);
    }
    settings.endGroup();
    return placement;
}

void writePlacement(QSettings& settings, const QString& name, const WindowPlacement& placement) {
    settings.beginGroup(name);
    settings.setValue(QStringLiteral("geometry"), placement.geometry);
    settings.setValue(QStringLiteral("open"), placement.open);
    if (placement.bounds.isValid()) {
        settings.setValue(QStringLiteral("bounds"), placement.bounds);
        settings.setValue(QStringLiteral("maximized"), placement.maximized);
    }
    settings.endGroup();
}

QString shapeKey(int number) {
    return QStringLiteral("colour%1").arg(number);
}

} // namespace

StationPreferences readStationPreferences(QSettings& settings) {
    StationPreferences p;

    settings.beginGroup(QStringLiteral("program"));
    ProgramPreferences& program = p.program;
    program.roundCoordinates =
        readBool(settings, QStringLiteral("roundCoordinates"), program.roundCoordinates);
    program.removeRepeated =
        readBool(settings, QStringLiteral("removeRepeated"), program.removeRepeated);
    program.checkReach = readBool(settings, QStringLiteral("checkReach"), program.checkReach);
    for (int row = 0; row < kPlotRowCount; ++row) {
        QRgb& trajectory = program.colours.trajectory[std::size_t(row)];
        trajectory = readColour(settings, shapeKey(row + 1), trajectory);
        QRgb& interpolation = program.colours.interpolation[std::size_t(row)];
        interpolation = readColour(settings, shapeKey(row + 1 + kPlotRowCount), interpolation);
    }
    program.showRapidMoves =
        readBool(settings, QStringLiteral("showRapidMoves"), program.showRapidMoves);
    program.progressColour =
        readColour(settings, QStringLiteral("progressColour"), program.progressColour);
    program.layers = settings.value(QStringLiteral("layers")).toStringList();
    settings.endGroup();

    settings.beginGroup(QStringLiteral("controller"));
    p.zHeights.rapid = readWhole(settings, QStringLiteral("zHeightG00"), p.zHeights.rapid);
    p.zHeights.feed = readWhole(settings, QStringLiteral("zHeightG01"), p.zHeights.feed);
    settings.endGroup();

    settings.beginGroup(QStringLiteral("windows"));
    WindowLayout& layout = p.layout;
    layout.main = readPlacement(settings, QStringLiteral("main"), true);
    layout.main.open = true; // the main window is always shown
    layout.visualisation = readPlacement(settings, QStringLiteral("visualisation"), false);
    layout.converter = readPlacement(settings, QStringLiteral("converter"), false);
    bool ok = false;
    const int page = settings.value(QStringLiteral("settingsPage")).toString().toInt(&ok);
    if (ok && page >= 0 && page < kSettingsPageCount)
        layout.settingsPage = page;
    layout.settingsBarShown =
        readBool(settings, QStringLiteral("settingsBarShown"), layout.settingsBarShown);
    settings.endGroup();

    settings.beginGroup(QStringLiteral("folders"));
    p.folders.program = readText(settings, QStringLiteral("program"));
    p.folders.picture = readText(settings, QStringLiteral("picture"));
    p.folders.plot = readText(settings, QStringLiteral("plot"));
    p.folders.drawing = readText(settings, QStringLiteral("drawing"));
    settings.endGroup();

    p.language = LanguageChoiceCode(
        LanguageChoiceFromCode(readText(settings, QStringLiteral("view/language"))));
    const QVariant calibration = settings.value(QStringLiteral("arm/calibration"));
    if (calibration.typeId() == QMetaType::QByteArray || calibration.typeId() == QMetaType::QString)
        p.calibration = calibration.toByteArray();

    RecentFiles recent;
    // A count beyond the list's limit reads no further than the limit.
    const int count =
        std::min(settings.beginReadArray(QStringLiteral("recent")), int(RecentFiles::kLimit));
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        recent.append(readText(settings, QStringLiteral("path")));
    }
    settings.endArray();
    p.recentFiles = recent.files();
    return p;
}

void writeStationPreferences(QSettings& settings, const StationPreferences& p) {
    settings.beginGroup(QStringLiteral("program"));
    settings.setValue(QStringLiteral("roundCoordinates"), p.program.roundCoordinates);
    settings.setValue(QStringLiteral("removeRepeated"), p.program.removeRepeated);
    settings.setValue(QStringLiteral("checkReach"), p.program.checkReach);
    for (int row = 0; row < kPlotRowCount; ++row) {
        settings.setValue(shapeKey(row + 1),
                          colourText(p.program.colours.trajectory[std::size_t(row)]));
        settings.setValue(shapeKey(row + 1 + kPlotRowCount),
                          colourText(p.program.colours.interpolation[std::size_t(row)]));
    }
    settings.setValue(QStringLiteral("showRapidMoves"), p.program.showRapidMoves);
    settings.setValue(QStringLiteral("progressColour"), colourText(p.program.progressColour));
    settings.setValue(QStringLiteral("layers"), p.program.layers);
    settings.endGroup();

    settings.beginGroup(QStringLiteral("controller"));
    settings.setValue(QStringLiteral("zHeightG00"), p.zHeights.rapid);
    settings.setValue(QStringLiteral("zHeightG01"), p.zHeights.feed);
    settings.endGroup();

    settings.beginGroup(QStringLiteral("windows"));
    writePlacement(settings, QStringLiteral("main"), p.layout.main);
    writePlacement(settings, QStringLiteral("visualisation"), p.layout.visualisation);
    writePlacement(settings, QStringLiteral("converter"), p.layout.converter);
    settings.setValue(QStringLiteral("settingsPage"), p.layout.settingsPage);
    settings.setValue(QStringLiteral("settingsBarShown"), p.layout.settingsBarShown);
    settings.endGroup();

    settings.beginGroup(QStringLiteral("folders"));
    settings.setValue(QStringLiteral("program"), p.folders.program);
    settings.setValue(QStringLiteral("picture"), p.folders.picture);
    settings.setValue(QStringLiteral("plot"), p.folders.plot);
    settings.setValue(QStringLiteral("drawing"), p.folders.drawing);
    settings.endGroup();

    settings.setValue(QStringLiteral("view/language"), p.language);
    settings.setValue(QStringLiteral("arm/calibration"), p.calibration);

    settings.remove(QStringLiteral("recent"));
    settings.beginWriteArray(QStringLiteral("recent"), int(p.recentFiles.size()));
    for (int i = 0; i < p.recentFiles.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("path"), p.recentFiles[i]);
    }
    settings.endArray();
}
