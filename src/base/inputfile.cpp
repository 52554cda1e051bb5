#include "base/inputfile.h"

#include "base/memoryadvice.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The reason a file is not read, or an empty text for one that is.
QString refusal(const QString& fileName) {
    struct stat info {};
    if (::stat(QFile::encodeName(fileName).constData(), &info) != 0)
        return {}; // missing or unreadable: opening says why
    if (S_ISREG(info.st_mode) || S_ISFIFO(info.st_mode))
        return {};
    if (S_ISDIR(info.st_mode))
        return QCoreApplication::translate("InputFile", "It is a directory, not a file.");
    if (S_ISCHR(info.st_mode))
        return QCoreApplication::translate("InputFile", "It is a character device, not a file.");
    if (S_ISBLK(info.st_mode))
        return QCoreApplication::translate("InputFile", "It is a block device, not a file.");
    if (S_ISSOCK(info.st_mode))
        return QCoreApplication::translate("InputFile", "It is a socket, not a file.");
    return QCoreApplication::translate("InputFile", "It is not a file.");
}

} // namespace

Result<QByteArray> ReadInputFile(const QString& fileName, qint64 mostStreamBytes) {
    if (const QString why = refusal(fileName); !why.isEmpty())
        return Failure{why};
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return Failure{file.errorString()};
    QByteArray bytes;
    const qint64 size = file.isSequential() ? 0 : file.size();
    if (size > 0) {
        bytes.resize(size);
        AdviseLargeBuffer(bytes.data(), std::size_t(size));
        qint64 got = 0;
        while (got < size) {
            const qint64 n = file.read(bytes.data() + got, size - got);
            if (n <= 0)
                break;
            got += n;
        }
        bytes.truncate(got);
    }
    // What follows (a stream, or a file grown since its size was read), in
    // pieces, up to the limit; read() returns what a pipe holds now instead
    // of waiting for a whole piece.
    const qint64 most = bytes.size() + mostStreamBytes;
    const int fd = file.handle();
    QByteArray piece(1 << 16, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::read(fd, piece.data(), std::size_t(piece.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Failure{QString::fromLocal8Bit(std::strerror(errno))};
        if (n == 0)
            break;
        if (bytes.size() + n > most)
            return Failure{
                QCoreApplication::translate("InputFile", "It does not end within %1 bytes.")
                    .arg(most)};
        bytes.append(piece.constData(), qsizetype(n));
    }
    if (file.error() != QFileDevice::NoError)
        return Failure{file.errorString()};
    return bytes;
}
