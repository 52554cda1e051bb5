#include "app/recentfiles.h"

#include <QDir>
#include <QFileInfo>

RecentFiles::RecentFiles(const QStringList& files) {
    for (const QString& file : files)
        append(file);
}

QString RecentFiles::normalised(const QString& path) {
    if (path.isEmpty())
        return {};
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

void RecentFiles::add(const QString& path) {
    const QString file = normalised(path);
    if (file.isEmpty())
        return;
    files_.removeAll(file);
    files_.prepend(file);
    while (files_.size() > kLimit)
        files_.removeLast();
}

void RecentFiles::append(const QString& path) {
    const QString file = normalised(path);
    if (file.isEmpty() || files_.size() >= kLimit || files_.contains(file))
        return;
    files_.append(file);
}

void RecentFiles::remove(const QString& path) {
    files_.removeAll(normalised(path));
}
