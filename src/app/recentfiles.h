#pragma once

#include <QString>
#include <QStringList>

// The files opened last, most recent first, at most kLimit of them, each
// once (by its absolute path).
class RecentFiles {
public:
    static constexpr qsizetype kLimit = 10;

    RecentFiles() = default;
    explicit RecentFiles(const QStringList& files);

    // Puts `path` first (moving it up when it is listed already).
    void add(const QString& path);
    // Adds `path` after the ones listed (a list read back in its order);
    // empty and repeated paths and any beyond the limit are left out.
    void append(const QString& path);
    void remove(const QString& path);
    void clear() { files_.clear(); }

    const QStringList& files() const { return files_; }

private:
    static QString normalised(const QString& path);

    QStringList files_;
};
