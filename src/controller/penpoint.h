#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Where the arm stands after the lines the controller has acknowledged, and
// whether its pen is down, as the program's interpreter (gcode/programwalk.h)
// reads the lines: X and Y are modal, G00 lifts the pen and G01 lowers it,
// any other G keeps it; a line whose X, Y or Z does not convert changes
// nothing. The texts are kept as the program wrote them, so that a travel
// line names the point byte for byte.
struct PenPoint {
    QByteArray x = "500"; // the home point
    QByteArray y = "0";
    bool penDown = false;

    // The point and pen after `line` has been carried out.
    void follow(QByteArrayView line);

    // A travel to this point with the pen up: "G00 X<x> Y<y>". Sent to lift
    // the pen where it stands, or to travel in before a transfer that starts
    // in the middle of a program.
    QByteArray travelLine() const;

    bool operator==(const PenPoint&) const = default;
};

// A program stop: the line's M word is 0 ("M0", "M00"), the walker's stop.
// Drawings written with a hold between pens put one before each change of
// pen.
bool IsProgramStop(QByteArrayView line);
