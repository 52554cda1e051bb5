#pragma once

#include "gcode/programtext.h"
#include "base/result.h"

#include <QString>

// Program files: 8-bit Windows-1250 text, read with CR LF, LF or CR line ends,
// written with CR LF after every line. A CR LF file read and written back
// unchanged is byte-identical.

// Reads a program file. A file that cannot be read gives
// "Cannot open file "<full name>". <system reason>".
Result<ProgramText> ReadProgramFile(const QString& fileName);

// Writes the program through QSaveFile: the file is replaced only once the
// whole text has been written, so a failed save leaves the old file whole. A
// failure gives "Cannot create file "<full name>". <system reason>".
Status WriteProgramFile(const QString& fileName, const ProgramText& program);
