#include "base/outputfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <sys/stat.h>

OutputTarget ClassifyOutput(const QString& fileName) {
    struct stat info {};
    if (::stat(QFile::encodeName(fileName).constData(), &info) != 0)
        return {}; // a new name; whatever is wrong with it, opening says
    if (S_ISREG(info.st_mode))
        return {OutputKind::NewOrRegular, {}};
    if (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode))
        return {OutputKind::Stream, {}};
    if (S_ISDIR(info.st_mode))
        return {OutputKind::Refused,
                QCoreApplication::translate("OutputFile", "It is a directory, not a file.")};
    if (S_ISBLK(info.st_mode))
        return {OutputKind::Refused,
                QCoreApplication::translate("OutputFile", "It is a block device, not a file.")};
    if (S_ISSOCK(info.st_mode))
        return {OutputKind::Refused,
                QCoreApplication::translate("OutputFile", "It is a socket, not a file.")};
    return {OutputKind::Refused, QCoreApplication::translate("OutputFile", "It is not a file.")};
}

OutputFile::OutputFile(const QString& fileName) : fileName_(fileName) {}

OutputFile::~OutputFile() {
    if (device_ && !finished_)
        cancel();
}

bool OutputFile::open() {
    const OutputTarget target = ClassifyOutput(fileName_);
    kind_ = target.kind;
    if (kind_ == OutputKind::Refused) {
        error_ = target.refusal;
        return false;
    }
    if (kind_ == OutputKind::Stream) {
        device_ = std::make_unique<QFile>(fileName_);
        save_ = nullptr;
    } else {
        auto save = std::make_unique<QSaveFile>(fileName_);
        save_ = save.get();
        device_ = std::move(save);
    }
    finished_ = false;
    // Unbuffered into a stream: what write() accepted has reached the device.
    const QIODevice::OpenMode mode = kind_ == OutputKind::Stream
                                         ? QIODevice::WriteOnly | QIODevice::Unbuffered
                                         : QIODevice::WriteOnly;
    if (!device_->open(mode))
        return fail();
    return true;
}

bool OutputFile::write(QByteArrayView bytes) {
    if (!device_ || !device_->isOpen())
        return false;
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = device_->write(bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            return fail();
        done += n;
    }
    return true;
}

bool OutputFile::commit() {
    if (!device_)
        return false;
    finished_ = true;
    if (save_)
        return save_->commit() || fail();
    const bool flushed = device_->flush();
    const bool clean = device_->error() == QFileDevice::NoError;
    if (!flushed || !clean) {
        fail();
        device_->close();
        return false;
    }
    device_->close();
    return true;
}

void OutputFile::cancel() {
    if (!device_)
        return;
    finished_ = true;
    // QSaveFile is never closed: it drops the new file when told so.
    if (save_)
        save_->cancelWriting();
    else
        device_->close();
}

bool OutputFile::fail() {
    error_ = device_->errorString();
    return false;
}
