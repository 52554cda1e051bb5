#pragma once

#include "gcode/programtext.h"

#include <QByteArray>

// A plotter-like program of about `points` simulated grid points: rows of
// 10-unit drawing strokes (G01 at Z1), a rapid move every tenth stroke, all
// within the arm's reach, ending with M30. Rows run from x 20 to 420, or from
// -300 to 300 when `acrossYAxis`: every point on the Y axis then lifts the pen
// and turns the elbow to the other side (up to 360 degrees of joint stepping).
inline ProgramText GeneratePlotterProgram(int points, bool acrossYAxis) {
    const int left = acrossYAxis ? -300 : 20;
    const int right = acrossYAxis ? 300 : 420;
    ProgramText program;
    int n = 10;
    int x = right;
    int y = 100;
    int walked = 500 - x; // from the home point to the first stroke
    int direction = -1;
    auto add = [&](const QByteArray& block) {
        program.appendLine("N" + QByteArray::number(n) + ' ' + block);
        n += 10;
    };
    add("G00 X" + QByteArray::number(x) + " Y" + QByteArray::number(y));
    for (int stroke = 0; walked < points; ++stroke) {
        if (x + 10 * direction < left || x + 10 * direction > right) {
            y += 10;
            direction = -direction;
        } else {
            x += 10 * direction;
        }
        const char* g = stroke % 10 == 9 ? "G00" : "G01";
        add(QByteArray(g) + " X" + QByteArray::number(x) + " Y" + QByteArray::number(y) + " Z1");
        walked += 10;
    }
    add("M30");
    return program;
}
