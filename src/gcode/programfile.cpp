#include "gcode/programfile.h"

#include "base/inputfile.h"
#include "base/outputfile.h"
#include "gcode/gcodemessages.h"

#include <QFileInfo>

namespace {

QString fullName(const QString& fileName) {
    return QFileInfo(fileName).absoluteFilePath();
}

} // namespace

Result<ProgramText> ReadProgramFile(const QString& fileName) {
    Result<QByteArray> bytes = ReadInputFile(fileName);
    if (!bytes)
        return Failure{GcodeMessages::cannotOpenFile(fullName(fileName), bytes.error())};
    return ProgramText::fromBytes(std::move(bytes).value());
}

// Written in pieces of about 1 MiB, so a large program needs no second copy.
Status WriteProgramFile(const QString& fileName, const ProgramText& program) {
    OutputFile file(fileName);
    auto failure = [&] {
        return Failure{GcodeMessages::cannotCreateFile(fullName(fileName), file.errorString())};
    };
    if (!file.open())
        return failure();
    constexpr qsizetype kPiece = 1 << 20;
    QByteArray piece;
    piece.reserve(kPiece + 1024);
    for (qsizetype i = 0; i < program.lineCount(); ++i) {
        piece.append(program.line(i));
        piece.append("\r\n", 2);
        if (piece.size() >= kPiece || i + 1 == program.lineCount()) {
            if (!file.write(piece)) {
                file.cancel();
                return failure();
            }
            piece.clear();
        }
    }
    if (!file.commit())
        return failure();
    return Status::success();
}
