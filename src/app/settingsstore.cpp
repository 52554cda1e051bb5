#include "app/settingsstore.h"

#include "app/appmessages.h"

#include <QFile>
#include <QSettings>

namespace {
const QString kName = QStringLiteral("scara-station");
const QString kVersionKey = QStringLiteral("version");
const QString kPortGroup = QStringLiteral("port");
const QString kConverterGroup = QStringLiteral("converter");
const QString kSvgGroup = QStringLiteral("svg");
} // namespace

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kName,
                                            kName)) {}

SettingsStore::SettingsStore(const QString& fileName)
    : settings_(std::make_unique<QSettings>(fileName, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::fileName() const {
    return settings_->fileName();
}

StoredSettings SettingsStore::load() {
    StoredSettings stored;
    QSettings& s = *settings_;
    if (s.status() != QSettings::NoError)
        return stored;
    stored.station = readStationPreferences(s);
    s.beginGroup(kPortGroup);
    stored.line = readRememberedLine(s);
    s.endGroup();
    s.beginGroup(kConverterGroup);
    stored.converter = readConverterPreferences(s);
    s.endGroup();
    s.beginGroup(kSvgGroup);
    stored.svg = readPenPreferences(s);
    s.endGroup();
    return stored;
}

Status SettingsStore::save(const StoredSettings& stored) {
    if (settings_->status() == QSettings::FormatError) {
        // Qt does not write over a file it could not parse: the broken file
        // is kept beside as "<name>.bad" and a new one written.
        const QString fileName = settings_->fileName();
        const QSettings::Format format = settings_->format();
        settings_.reset();
        const QString aside = fileName + QStringLiteral(".bad");
        QFile::remove(aside);
        if (!QFile::rename(fileName, aside))
            QFile::remove(fileName);
        settings_ = std::make_unique<QSettings>(fileName, format);
    }
    QSettings& s = *settings_;
    s.setValue(kVersionKey, kVersion);
    writeStationPreferences(s, stored.station);
    s.beginGroup(kPortGroup);
    writeRememberedLine(s, stored.line);
    s.endGroup();
    s.beginGroup(kConverterGroup);
    writeConverterPreferences(s, stored.converter);
    s.endGroup();
    s.beginGroup(kSvgGroup);
    writePenPreferences(s, stored.svg);
    s.endGroup();
    s.sync();
    if (s.status() != QSettings::NoError)
        return Failure{AppMessages::settingsNotSaved(s.fileName())};
    return {};
}
