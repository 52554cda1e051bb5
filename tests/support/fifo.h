#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QSocketNotifier;

// A FIFO made at `path`, with its reading end open from the start, so that a
// writer's open() never waits for a reader. What is written is collected
// while the event loop runs (a tool run by support/toolrun.h may write more
// than the pipe holds) and by take().
class FifoReader {
public:
    explicit FifoReader(const QString& path);
    ~FifoReader();
    FifoReader(const FifoReader&) = delete;
    FifoReader& operator=(const FifoReader&) = delete;

    bool isValid() const { return fd_ >= 0; }
    QString path() const { return path_; }
    // Everything written so far.
    QByteArray take();

private:
    void drain();

    QString path_;
    int fd_ = -1;
    QByteArray got_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

// Whether `path` is a FIFO, a character device or a regular file now
// (without following a symbolic link).
bool isFifo(const QString& path);
bool isCharacterDevice(const QString& path);
bool isRegularFile(const QString& path);
