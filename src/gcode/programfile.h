#pragma once

#include "base/result.h"
#include "gcode/prepareprogram.h"
#include "gcode/programtext.h"

#include "base/outputfile.h"

#include <memory>

#include <QString>

// Program files: 8-bit Windows-1250 text, read with CR LF, LF or CR line ends,
// written with CR LF after every line. A CR LF file read and written back
// unchanged is byte-identical.

// Reads a program file (see ReadInputFile: a regular file or a pipe, never a
// device such as /dev/zero). A file that cannot be read gives
// "Cannot open file "<full name>". <reason>".
Result<ProgramText> ReadProgramFile(const QString& fileName);

// Writes the program through OutputFile: a regular file is replaced only once
// the whole text has been written, so a failed save leaves the old file
// whole; a character device or a FIFO is written into and stays what it is; a
// directory, a socket or a block device is refused. A failure gives
// "Cannot create file "<full name>". <reason>".
Status WriteProgramFile(const QString& fileName, const ProgramText& program);

// Prepared lines as program file bytes, each followed by CR LF, in one
// buffer that grows as lines come (untouched room costs no memory).
class ProgramBytesSink : public PreparedLineSink {
public:
    char* addLine(qsizetype size) override {
        if (data_.size() - used_ < size + 2)
            grow(size + 2);
        char* const at = data_.data() + used_;
        used_ += size + 2;
        at[size] = '\r';
        at[size + 1] = '\n';
        return at;
    }
    // Room for `bytes` in all, so that collecting allocates once.
    void reserve(qsizetype bytes);
    QByteArrayView bytes() const { return QByteArrayView(data_.constData(), used_); }
    // Starts over, keeping the room.
    void clear() { used_ = 0; }

private:
    void grow(qsizetype needed);

    QByteArray data_; // its whole size is room; the first used_ bytes hold lines
    qsizetype used_ = 0;
};

// A program file written as its lines are prepared, with WriteProgramFile's
// rules and texts. A regular file (or a new name) is opened at once and the
// lines go to its new copy in pieces of about 1 MiB, so a long program is
// never held whole; the old file is replaced only by commit(). A device or a
// FIFO gets nothing before commit(), which writes the whole program into it.
// Destroyed without commit(), the writer gives the file up and nothing of it
// is written.
class ProgramFileWriter final : public PreparedLineSink {
public:
    // `expectedBytes`: about how many bytes the program will take.
    ProgramFileWriter(const QString& fileName, qsizetype expectedBytes);
    ~ProgramFileWriter() override;

    char* addLine(qsizetype size) override;
    // Writes what is left and completes the file; "Cannot create file ..."
    // when anything went wrong on the way.
    Status commit();

private:
    bool spill();

    QString fileName_;
    std::unique_ptr<OutputFile> file_; // open while the lines are passed on
    bool failed_ = false;              // the file could not be opened or written
    ProgramBytesSink bytes_;
};
