#include "gcode/plotcolours.h"

PlotColours PlotColours::defaults() {
    PlotColours c;
    c.trajectory = {qRgb(255, 255, 255), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 0, 128),
                    qRgb(128, 0, 0),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 251, 240)};
    c.interpolation = {qRgb(128, 128, 0), qRgb(128, 0, 128),   qRgb(192, 192, 192),
                       qRgb(255, 255, 0), qRgb(166, 202, 240), qRgb(192, 220, 192),
                       qRgb(128, 0, 0),   qRgb(255, 0, 255)};
    return c;
}

QRgb PlotColours::colour(PlotColumn column, PlotRow row) const {
    if (row == PlotRow::NoRow)
        return kUnmatchedMoveColour;
    const auto& list = column == PlotColumn::Trajectory ? trajectory : interpolation;
    return list[std::size_t(row)];
}

void PlotColours::setColour(PlotColumn column, PlotRow row, QRgb rgb) {
    if (row == PlotRow::NoRow)
        return;
    auto& list = column == PlotColumn::Trajectory ? trajectory : interpolation;
    list[std::size_t(row)] = rgb;
}

PlotRow MoveColourRow(QByteArrayView g, QByteArrayView z) {
    // Exact texts "00", "0", "01", "1": a last digit, optionally after a '0'.
    const qsizetype size = g.size();
    if (size < 1 || size > 2 || (size == 2 && g[0] != '0'))
        return PlotRow::NoRow;
    const char last = g[size - 1];
    if (last == '0')
        return PlotRow::G00;
    if (last == '1') {
        if (z.size() == 1 && z[0] >= '0' && z[0] <= '6')
            return PlotRow(int(PlotRow::Z0) + (z[0] - '0'));
        return PlotRow::NoRow;
    }
    return PlotRow::NoRow;
}

QRgb MoveColour(QByteArrayView g, QByteArrayView z, PlotColumn column, const PlotColours& colours) {
    return colours.colour(column, MoveColourRow(g, z));
}
