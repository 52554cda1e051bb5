#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A whole file's bytes; a file that cannot be read gives "<cannot read PATH>",
// so that a missing file never compares equal to an empty one.
QByteArray readFileBytes(const QString& path);

// Writes (replaces) the file; true when every byte was written.
bool writeFileBytes(const QString& path, const QByteArray& bytes);

// A temporary folder, removed with this object, that can be filled with files.
class TempDir : public QTemporaryDir {
public:
    // Writes `name` in the folder and returns its path, or an empty string
    // when the folder or the file could not be made.
    QString writeFile(const QString& name, const QByteArray& bytes) const;
};
