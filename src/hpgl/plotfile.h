#pragma once

#include "base/result.h"
#include "gcode/programtext.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

// Plot files and G-code files as the converter reads and writes them:
// 8-bit Windows-1250 text; any of CR LF, LF or CR ends a line on reading,
// CR LF ends every line on writing.

// The file's lines, byte for byte (a final line end starts no line).
Result<ProgramText> readPlotLines(const QString& path);
// The file's text with '\n' between lines (a final line end is dropped).
Result<QString> readPlotFile(const QString& path);
// The same for bytes already read.
QString plotTextFromBytes(QByteArrayView bytes);
// The lines of a text with '\n' between them, as a memo or the normaliser
// gives it: split at every '\n' only ("a\n" is "a" and an empty line), each
// line encoded to Windows-1250.
ProgramText plotLinesFromText(QStringView text);

// The lines of `text` ('\n' between lines; a final '\n' ends the last line
// and adds none), each ended by CR LF, in Windows-1250.
QByteArray gcodeFileBytes(QStringView text);
// Writes the lines, each ended by CR LF, through OutputFile: a failed write
// keeps the old file, a device or FIFO is written into, a directory refused.
Status writeGcodeFile(const QString& path, const ProgramText& lines);
