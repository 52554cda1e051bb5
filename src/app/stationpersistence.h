#pragma once

#include "app/settingsstore.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <optional>

class Station;

// Carries the stored settings to the station's windows and back: the port
// page's six selectors (the port found again by its adapter), the Z heights,
// "Ustawienia programu", the converter's settings, the SVG import's options,
// the windows' places and which were open, the settings bar, the file
// dialogs' folders and "Ostatnie pliki". Widgets never read or write the store themselves.
class StationPersistence : public QObject {
    Q_OBJECT
public:
    // `store` may be null: nothing is then read or written, and the station
    // starts as at its first start.
    StationPersistence(Station& station, SettingsStore* store, QObject* parent = nullptr);

    // Reads the store and puts every setting in place (the windows are not
    // shown yet; see showWindows()).
    void load();
    void apply(const StoredSettings& settings);
    // The settings as the windows hold them now.
    StoredSettings collect() const;
    // Collects and writes; a failure is reported on standard error (the
    // windows are closing).
    void save();

    // The main window as it was left (maximised at the first start), then
    // the visualisation and the converter windows that were open.
    void showWindows();

    // "Przywróć ustawienia domyślne", once the operator agrees: the port and
    // its line, the Z heights, "Ustawienia programu", the converter's
    // settings and the SVG import's options go back to what the station
    // shows at its first start. The windows' places, the folders and
    // "Ostatnie pliki" stay.
    void restoreDefaults();

    // Every kWriteInterval the settings as the windows hold them are
    // compared with those last written, and written when they differ: a
    // change reaches the disk within a second, and a crash loses nothing.
    static constexpr std::chrono::milliseconds kWriteInterval{500};
    // Starts the comparing (after load(); the station's windows are up).
    void keepWritten();

    void programFileUsed(const QString& fileName);
    void pictureSaved(const QString& fileName);

private:
    void applySettings(const StoredSettings& settings);
    void applyLine(const RememberedLine& line);
    RememberedLine collectLine() const;

    Station& station_;
    SettingsStore* store_;
    void writeIfChanged();

    StationPreferences loaded_; // the layout and folders last read
    QTimer writer_;
    std::optional<StoredSettings> written_; // what the store holds now
    bool writeFailed_ = false;              // said once
};
