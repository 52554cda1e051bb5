#pragma once

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

// The converter window's progress bar: a position that never passes the
// maximum, as the bar shows it.
struct ConverterProgress {
    int maximum = 100;
    int position = 0;

    void setMaximum(int value);
    void advance();
};

// The conversion command over the input text ('\n' between lines): while the
// first line is not empty it is taken out, converted and the progress
// advanced. Runs in steps so that a window can show the progress between
// them; the visible result equals one uninterrupted loop.
class ConversionLoop {
public:
    enum class Outcome {
        Running,  // more lines to convert: call step() again
        Notice,   // SP0 finished the plot: show "Konwersja zakończona", then step() again
        Finished, // the first remaining line is empty (or nothing is left)
        Failed,   // error(): the failed line is taken out, the rest remains
    };

    ConversionLoop(QString input, ConverterState& state, ConverterSettings settings,
                   ConverterProgress& progress);

    // Converts up to maxLines lines.
    Outcome step(qsizetype maxLines);
    // Runs step() to the end, ignoring notices (for tools and tests).
    Outcome runToEnd();

    // G-code lines emitted since the last call, each followed by '\n'.
    QString takeOutput();
    // The input that the loop has not taken out yet.
    QStringView remainingInput() const;
    // Lines taken out so far (including a failed line).
    qsizetype linesTaken() const { return linesTaken_; }
    const QString& error() const { return error_; }

private:
    QString input_;
    qsizetype position_ = 0;
    qsizetype linesTaken_ = 0;
    bool advancePending_ = false;
    ConverterState& state_;
    ConverterSettings settings_;
    ConverterProgress& progress_;
    QString output_;
    HpglConverter converter_;
    QString error_;
};
