#pragma once

#include <QByteArrayView>
#include <QString>

// What a file given to the station holds, and so where it goes: a G-code
// program becomes the main window's program, an HPGL plot file goes into the
// converter, an SVG drawing through the drawing import.
enum class FileKind { Gcode, Hpgl, Svg };

// Decides by the file's first bytes and its name: content that is plainly
// SVG (an XML document with an <svg> element) or HPGL (two-letter
// instructions such as "IN;", "SP1;", "PU0,0;", possibly after a device
// control escape) decides; otherwise the extension (.svg; .plt, .hpgl,
// .hpg); anything else is taken for a G-code program.
FileKind DetectFileKind(const QString& fileName, QByteArrayView head);

// The same, reading up to the first 4 KiB of the file (nothing when it cannot
// be read: the extension decides and opening reports the error).
FileKind DetectFileKind(const QString& fileName);
