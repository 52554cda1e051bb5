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
    // A new name for every input: the settings reader keeps what it read of
    // a file it knows, and would not read the new bytes under the old name.
    static QTemporaryDir* dir = new QTemporaryDir;
    static quint64 count = 0;
    const QString path = dir->filePath(QStringLiteral("station-%1.conf").arg(++count));
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
    QFile::remove(path);
    return 0;
}
