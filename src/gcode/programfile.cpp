#include "gcode/programfile.h"

#include "base/inputfile.h"
#include "base/outputfile.h"
#include "gcode/gcodemessages.h"

#include <QFileInfo>

#include <algorithm>

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

namespace {
constexpr qsizetype kPiece = 1 << 20;
} // namespace

// Written in pieces of about 1 MiB, so a large program needs no second copy.
Status WriteProgramFile(const QString& fileName, const ProgramText& program) {
    OutputFile file(fileName);
    auto failure = [&] {
        return Failure{GcodeMessages::cannotCreateFile(fullName(fileName), file.errorString())};
    };
    if (!file.open())
        return failure();
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

void ProgramBytesSink::reserve(qsizetype bytes) {
    if (bytes > data_.size())
        data_.resize(bytes);
}

void ProgramBytesSink::grow(qsizetype needed) {
    data_.resize(std::max(used_ + needed, 2 * data_.size() + 4096));
}

ProgramFileWriter::ProgramFileWriter(const QString& fileName, qsizetype expectedBytes)
    : fileName_(fileName) {
    if (ClassifyOutput(fileName).kind != OutputKind::NewOrRegular) {
        bytes_.reserve(expectedBytes);
        return; // opened once the program is whole
    }
    file_ = std::make_unique<OutputFile>(fileName);
    failed_ = !file_->open();
    bytes_.reserve(std::min(expectedBytes, kPiece + 4096));
}

ProgramFileWriter::~ProgramFileWriter() = default; // OutputFile gives up a file not committed

char* ProgramFileWriter::addLine(qsizetype size) {
    if (file_ && bytes_.bytes().size() >= kPiece)
        spill();
    return bytes_.addLine(size);
}

// Passes the collected lines on to the open file; after a failure they are
// dropped, as commit() reports it anyway.
bool ProgramFileWriter::spill() {
    if (!failed_ && !file_->write(bytes_.bytes())) {
        failed_ = true;
        file_->cancel();
    }
    bytes_.clear();
    return !failed_;
}

Status ProgramFileWriter::commit() {
    if (!file_) { // a device or a FIFO
        file_ = std::make_unique<OutputFile>(fileName_);
        failed_ = !file_->open();
    }
    if (!spill() || !file_->commit())
        return Failure{GcodeMessages::cannotCreateFile(fullName(fileName_), file_->errorString())};
    return Status::success();
}
