#include "gcode/programfile.h"

#include "gcode/gcodemessages.h"
#include "base/memoryadvice.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString fullName(const QString& fileName) {
    return QFileInfo(fileName).absoluteFilePath();
}

} // namespace

Result<ProgramText> ReadProgramFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{GcodeMessages::cannotOpenFile(fullName(fileName), file.errorString())};
    // One buffer of the file's size, read in one go where the size is known.
    QByteArray bytes;
    const qint64 size = file.size();
    if (size > 0 && !file.isSequential()) {
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
        bytes.append(file.readAll()); // grown since its size was read
    } else {
        bytes = file.readAll();
    }
    if (file.error() != QFileDevice::NoError)
        return Failure{GcodeMessages::cannotOpenFile(fullName(fileName), file.errorString())};
    return ProgramText::fromBytes(std::move(bytes));
}

// Written in pieces of about 1 MiB, so a large program needs no second copy.
Status WriteProgramFile(const QString& fileName, const ProgramText& program) {
    QSaveFile file(fileName);
    auto failure = [&] {
        return Failure{GcodeMessages::cannotCreateFile(fullName(fileName), file.errorString())};
    };
    if (!file.open(QIODevice::WriteOnly))
        return failure();
    constexpr qsizetype kPiece = 1 << 20;
    QByteArray piece;
    piece.reserve(kPiece + 1024);
    for (qsizetype i = 0; i < program.lineCount(); ++i) {
        piece.append(program.line(i));
        piece.append("\r\n", 2);
        if (piece.size() >= kPiece || i + 1 == program.lineCount()) {
            if (file.write(piece) != piece.size()) {
                file.cancelWriting();
                return failure();
            }
            piece.clear();
        }
    }
    if (!file.commit())
        return failure();
    return Status::success();
}
