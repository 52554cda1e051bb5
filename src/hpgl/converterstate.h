#pragma once

#include <QString>
#include <QtGlobal>

// What the converter remembers across lines and across conversions. One
// instance lives as long as the converter window; only the line number is
// ever set back (on creation and by "Wyczysc wszystko").
struct ConverterState {
    // N number of the next emitted line. Wider than the settings' 32 bits so
    // that a long run with a large step never wraps into negative numbers.
    qint64 LineNumber = 10;
    int CurrentPen = 0;  // pen of the last SP instruction
    qint32 CurrentZ = 0; // Z written into the next move line
    int MotionCode = 0;  // 0 after PU, 1 after PD
    qint32 PointX = 0;
    qint32 PointY = 0;
    QString CurrentLine; // the plot file line being converted
};
