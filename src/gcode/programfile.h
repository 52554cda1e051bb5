#pragma once

#include "base/result.h"
#include "gcode/programtext.h"

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
