#pragma once

#include "gcode/plotcolours.h"

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>

#include <utility>

class QSettings;

// What the main window keeps between runs, as plain values; the window
// state is applied and collected by the station (StationPersistence).
// Each member's default is what the station shows at its first start.

// "Ustawienia programu": the three preparation switches, the sixteen colours,
// "Pokaż ruch G00" and the transfer's progress colour.
struct ProgramPreferences {
    bool roundCoordinates = true;
    bool removeRepeated = true;
    bool checkReach = true;
    PlotColours colours = PlotColours::defaults();
    bool showRapidMoves = true;
    QRgb progressColour = kDefaultProgressColour; // "Postęp wysyłania"
    // The layer table's values, one layer an entry (LayerTable::settingsText).
    QStringList layers;

    bool operator==(const ProgramPreferences&) const = default;
};

// The Z heights of "Ustawienia sterownika" (Edit13, Edit14), as typed.
struct ZHeightPreferences {
    QString rapid = QStringLiteral("050");
    QString feed = QStringLiteral("045");

    bool operator==(const ZHeightPreferences&) const = default;
};

// A window's place (QWidget::saveGeometry()) and whether it was open.
struct WindowPlacement {
    WindowPlacement(QByteArray kept = {}, bool shown = false)
        : geometry(std::move(kept)), open(shown) {}

    QByteArray geometry;
    bool open = false;
    // The window's own rectangle (without the frame) as it was left, and
    // whether a window manager had maximized it; the main window is placed
    // from these, so that it comes back as it was with a window manager or
    // without one. An invalid rectangle: none was kept.
    QRect bounds;
    bool maximized = false;

    bool operator==(const WindowPlacement&) const = default;
};

struct WindowLayout {
    WindowPlacement main{QByteArray(), true};
    WindowPlacement visualisation;
    WindowPlacement converter;
    int settingsPage = kDefaultSettingsPage; // the page of the settings bar shown
    bool settingsBarShown = true;

    static constexpr int kDefaultSettingsPage = 3; // "G-kod III"
    bool operator==(const WindowLayout&) const = default;
};

// The folders the file dialogs start in.
struct LastFolders {
    QString program; // G-code programs, opened and saved
    QString picture; // pictures of the plot
    QString plot;    // HPGL plot files (the converter's)
    QString drawing; // SVG drawings

    bool operator==(const LastFolders&) const = default;
};

struct StationPreferences {
    ProgramPreferences program;
    ZHeightPreferences zHeights;
    WindowLayout layout;
    LastFolders folders;
    QStringList recentFiles; // most recent first
    // "Widok" -> "Język": "pl", "en", or empty for the system's language.
    // "Przywróć ustawienia domyślne" leaves it as chosen.
    QString language;
    // The arm calibration in force, as its file's text; empty for none.
    QByteArray calibration;

    bool operator==(const StationPreferences&) const = default;
};

// Reads the groups "program", "controller", "windows", "folders", "view"
// and "recent" of `settings`. Any entry that is missing or that the station
// could not use (a colour that is no "#rrggbb", a Z height that is no whole
// number, a page number out of range) gives its default.
StationPreferences readStationPreferences(QSettings& settings);
void writeStationPreferences(QSettings& settings, const StationPreferences& preferences);
