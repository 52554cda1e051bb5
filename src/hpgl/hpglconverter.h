#pragma once

#include "base/result.h"
#include "gcode/programlinesink.h"
#include "gcode/programtext.h"
#include "hpgl/convertersettings.h"
#include "hpgl/converterstate.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// What a converted line asks of its caller besides the emitted text.
enum class LineEvent {
    None,
    PlotFinished, // SP0 emitted the footer: show "Konwersja zakończona"
};

// Turns plot file lines (IN, SP, PU, PD, one instruction a line) into
// numbered G-code lines. Each emitted line goes to `output` in Windows-1250
// (header and footer characters outside the code page as '?'): a program, or
// a sink that passes the lines on as they come.
// The settings are read when a line needs them; the state carries over from
// one conversion to the next.
class HpglConverter {
public:
    HpglConverter(ConverterState& state, const ConverterSettings& settings,
                  PreparedLineSink& output);

    // Converts one line; an error stops the conversion with the station's text.
    Result<LineEvent> ConvertLine(QStringView line);
    // The same for a line of Windows-1250 bytes, as plot files hold them.
    Result<LineEvent> ConvertLine(QByteArrayView line);

private:
    // The steps of one line, in the design's names.
    Status HandleIN();
    Result<LineEvent> HandleSP();
    Status HandlePU();
    Status HandlePD();
    Status ParseCoordinates();
    Status SelectPenHeight();
    Status EmitMove();
    Status EmitHeader();
    Status EmitFooter();

    Result<LineEvent> convertCurrentLine();
    Status emitNumbered(QStringView body);
    Status emitLines(const QStringList& lines);
    Status advanceLineNumber();
    Result<qint32> travelHeight();
    Result<qint32> penHeight(int pen);

    ConverterState& state_;
    const ConverterSettings& settings_;
    PreparedLineSink& output_;
    // Settings already read; the settings do not change during a conversion.
    std::optional<qint32> step_;
    std::optional<qint32> travel_;
    std::array<std::optional<qint32>, 8> pens_;
};
