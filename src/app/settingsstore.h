#pragma once

#include "app/stationpreferences.h"
#include "base/result.h"
#include "controller/portmemory.h"
#include "drawing/penpreferences.h"
#include "hpgl/converterpreferences.h"

#include <QString>

#include <memory>

class QSettings;

// Everything the station keeps between runs, one part per library that owns
// it. A new part (an importer's settings, say) is a value struct with read
// and write functions in its own library, a member here and a group of its
// own in SettingsStore::load() and save().
struct StoredSettings {
    StationPreferences station;
    RememberedLine line;
    ConverterPreferences converter;
    PenPreferences svg; // the SVG import's pen pass

    bool operator==(const StoredSettings&) const = default;
};

// Where the settings live: the platform's usual place for the user's
// settings (on Linux ~/.config/scara-station/scara-station.conf, or under
// XDG_CONFIG_HOME), or a file the caller names. Reading never fails: a file
// that cannot be read or parsed gives the defaults, and each entry that does
// not hold a usable value gives its own default.
class SettingsStore {
public:
    // The entries' layout; a file written by another version is still read
    // entry by entry.
    static constexpr int kVersion = 1;

    SettingsStore();
    explicit SettingsStore(const QString& fileName); // an INI file
    ~SettingsStore();

    QString fileName() const;
    StoredSettings load();
    // Writes every entry and flushes the file (replaced whole by Qt). A file
    // that could not be parsed is first moved aside to "<name>.bad".
    Status save(const StoredSettings& settings);

private:
    std::unique_ptr<QSettings> settings_;
};
