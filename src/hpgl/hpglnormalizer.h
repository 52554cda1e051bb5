#pragma once

#include "base/result.h"

#include <QMap>
#include <QString>
#include <QStringView>

#include <vector>

// One instruction of the converter's form: IN;, SPn;, PUx y; or PDx y;.
struct PlotOp {
    enum class Kind { Init, SelectPen, PenUp, PenDown };
    Kind kind = Kind::Init;
    double x = 0; // for PenUp and PenDown; the pen number for SelectPen
    double y = 0;
};

// A plot file brought to the converter's form: its instructions in plotter
// units, and the instructions left out, counted by mnemonic.
struct NormalizedPlot {
    std::vector<PlotOp> ops;
    QMap<QString, int> dropped;
};

struct NormalizerSettings {
    double chordDegrees = 5; // arcs and circles become chords of this angle
    // More instructions than this are refused rather than filling the
    // memory (a small file of circles can ask for billions of chords).
    size_t mostInstructions = 20'000'000;
};

// Reads HPGL in any common layout and writes what the converter
// understands: IN, SP, PU and PD (with or without coordinate lists), PA and
// PR following the current pen state, CI, AA and AR as chords. Every other
// instruction is dropped and counted. IN is written once (a later IN only
// resets the pen), SP0 once, as the last line: to the converter it ends the
// program.
Result<NormalizedPlot> NormalizePlot(QStringView text, const NormalizerSettings& settings = {});

// The chord angle as the operator types it ("5", "2,5"), between 0.5 and 180.
Result<double> readChordDegrees(QStringView text);

// The normalised plot as text, one instruction a line ('\n' between lines,
// none after the last), coordinates rounded to whole units (halves to even).
Result<QString> FormatNormalizedPlot(const NormalizedPlot& plot);

// "Pominięte instrukcje: LB (2), SC (1)" or the text that none was dropped.
QString droppedSummary(const NormalizedPlot& plot);
