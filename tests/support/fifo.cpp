#include "support/fifo.h"

#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

mode_t modeOf(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return info.st_mode;
}

} // namespace

FifoReader::FifoReader(const QString& path) : path_(path) {
    const QByteArray name = QFile::encodeName(path);
    if (::mkfifo(name.constData(), 0600) != 0)
        return;
    fd_ = ::open(name.constData(), O_RDONLY | O_NONBLOCK);
    if (fd_ < 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { drain(); });
}

FifoReader::~FifoReader() {
    notifier_.reset();
    if (fd_ >= 0)
        ::close(fd_);
}

QByteArray FifoReader::take() {
    drain();
    return std::exchange(got_, QByteArray());
}

void FifoReader::drain() {
    if (fd_ < 0)
        return;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n > 0) {
            got_.append(buffer, qsizetype(n));
            continue;
        }
        if (n == 0 && notifier_)
            notifier_->setEnabled(false); // the writer is gone: no more to wait for
        if (n < 0 && errno == EINTR)
            continue;
        return;
    }
}

bool isFifo(const QString& path) {
    return S_ISFIFO(modeOf(path));
}

bool isCharacterDevice(const QString& path) {
    return S_ISCHR(modeOf(path));
}

bool isRegularFile(const QString& path) {
    return S_ISREG(modeOf(path));
}
