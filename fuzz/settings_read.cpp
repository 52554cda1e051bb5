// The settings reader under arbitrary bytes as the settings file: every
// entry it cannot use falls back to its default, never a crash; what it
// read is written back and read again the same.
#include "app/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir* dir = new QTemporaryDir;
    const QString path = dir->filePath(QStringLiteral("station.conf"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    StoredSettings read;
    {
        SettingsStore store(path);
        read = store.load();
        if (!store.save(read))
            return 0;
    }
    SettingsStore again(path);
    if (!(again.load() == read))
        std::abort();
    return 0;
}
