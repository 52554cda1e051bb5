#pragma once

#include "gcode/programtext.h"
#include "hpgl/convertersettings.h"
#include "hpgl/converterstate.h"
#include "hpgl/hpglconverter.h"

#include <QString>
#include <QStringView>

#include <optional>

// Index (from 0) of the first line equal to "SP0;" in any letter case, or
// nothing when the plot file has none and so is invalid. Lines are
// separated by '\n'.
std::optional<qsizetype> CheckPlotFile(QStringView text);
// The same over the plot file's lines.
std::optional<qsizetype> CheckPlotFile(const ProgramText& lines);

// The converter window's progress bar: a position that never passes the
// maximum, as the bar shows it.
struct ConverterProgress {
    int maximum = 100;
    int position = 0;

    void setMaximum(int value);
    void advance();
};

// The conversion command over the plot file's lines: while the first line
// is not empty it is taken out, converted and the progress advanced. Runs in
// steps so that a window can show the progress between them; the visible
// result equals one uninterrupted loop.
class ConversionLoop {
public:
    enum class Outcome {
        Running,  // more lines to convert: call step() again
        Notice,   // SP0 finished the plot: show "Konwersja zakończona", then step() again
        Finished, // the first remaining line is empty (or nothing is left)
        Failed,   // error(): the failed line is taken out, the rest remains
    };

    // `input` holds the plot file's lines in Windows-1250.
    ConversionLoop(ProgramText input, ConverterState& state, ConverterSettings settings,
                   ConverterProgress& progress);
    // The lines of `text`, split at every '\n' ("a\n" is "a" and an empty
    // line), each encoded to Windows-1250.
    ConversionLoop(QStringView text, ConverterState& state, ConverterSettings settings,
                   ConverterProgress& progress);
    // The G-code lines go to `output` as they are made, not to takeOutput():
    // a tool writes them to their file in pieces, never holding them whole.
    ConversionLoop(ProgramText input, ConverterState& state, ConverterSettings settings,
                   ConverterProgress& progress, PreparedLineSink& output);
    Q_DISABLE_COPY_MOVE(ConversionLoop)

    // Converts up to maxLines lines.
    Outcome step(qsizetype maxLines);
    // Runs step() to the end, ignoring notices (for tools and tests).
    Outcome runToEnd();

    // Takes the empty lines at the front out unconverted, so that a tool can
    // go on past the empty line the conversion stopped at; returns how many.
    qsizetype skipEmptyLines();
    // Whether lines other than empty ones or spaces remain.
    bool hasRemainingContent() const;

    // G-code lines (Windows-1250) emitted since the last call.
    ProgramText takeOutput();
    // The lines that the loop has not taken out yet, joined by '\n'.
    QString remainingText() const;
    // Lines taken out so far (including a failed line).
    qsizetype linesTaken() const { return linesTaken_; }
    const QString& error() const { return error_; }

private:
    ProgramText input_;
    qsizetype linesTaken_ = 0; // also the index of the next line
    bool advancePending_ = false;
    ConverterState& state_;
    ConverterSettings settings_;
    ConverterProgress& progress_;
    ProgramText output_;
    ProgramTextSink outputSink_{output_};
    HpglConverter converter_;
    QString error_;
};
