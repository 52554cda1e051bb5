#pragma once

#include <QByteArrayView>
#include <QColor>

#include <array>
#include <cstdint>

// The two columns of the plot colours: lines of the prepared program and
// points of the simulation.
enum class PlotColumn : std::uint8_t { Trajectory, Interpolation };

// The eight rows: rapid moves (any Z), then working moves at Z 0 to Z 6.
// NoRow is a move that matches no row.
enum class PlotRow : std::uint8_t { G00, Z0, Z1, Z2, Z3, Z4, Z5, Z6, NoRow };
inline constexpr int kPlotRowCount = 8;

// The colour the plot draws acknowledged moves over in while a program is
// sent to the controller: orange, which no other default uses.
inline constexpr QRgb kDefaultProgressColour = 0xffff8000;

// The colour of moves that match no row of PlotColours: red, which no default
// uses.
inline constexpr QRgb kUnmatchedMoveColour = 0xffff0000;

// The sixteen plot colours (the window's Shape1 to Shape8 hold the trajectory
// column, Shape9 to Shape16 the interpolation column).
struct PlotColours {
    std::array<QRgb, kPlotRowCount> trajectory;
    std::array<QRgb, kPlotRowCount> interpolation;

    // The defaults set at start-up.
    static PlotColours defaults();
    // Colour of a row in a column; kUnmatchedMoveColour for NoRow.
    QRgb colour(PlotColumn column, PlotRow row) const;
    void setColour(PlotColumn column, PlotRow row, QRgb rgb);

    bool operator==(const PlotColours&) const = default;
};

// The row of a move by exact text comparison: G "00" or "0" is G00 whatever Z
// is; G "01" or "1" with Z one of "0" to "6" is that Z row; anything else
// ("001", Z "00", "-1", "7") is NoRow.
PlotRow MoveColourRow(QByteArrayView g, QByteArrayView z);

// The colour of a move with texts g and z in `column`.
QRgb MoveColour(QByteArrayView g, QByteArrayView z, PlotColumn column, const PlotColours& colours);
