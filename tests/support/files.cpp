#include "support/files.h"

#include <QFile>

QByteArray readFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<cannot read " + path.toUtf8() + ">";
    return file.readAll();
}

bool writeFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

QString TempDir::writeFile(const QString& name, const QByteArray& bytes) const {
    if (!isValid())
        return {};
    const QString path = filePath(name);
    return writeFileBytes(path, bytes) ? path : QString();
}
