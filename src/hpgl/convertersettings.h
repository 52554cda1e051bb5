#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The converter window's settings as the operator typed them. Numbers stay
// text until the conversion uses them, so that a field is only an error when
// it is read.
struct ConverterSettings {
    // Z of feed moves while pen 1 to 8 is selected ("Pisak 1" to "Pisak 8").
    std::array<QString, 8> penHeights{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                      QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                                      QStringLiteral("7"), QStringLiteral("8")};
    // Z of every rapid move ("G00").
    QString travelHeight = QStringLiteral("10");
    // First line number after a reset and the increment after every line ("Do:").
    QString lineStep = QStringLiteral("10");
    // Emitted on IN and on SP0, each up to its first empty line.
    QStringList header{QStringLiteral("M03 T0"), QStringLiteral("G00 X 0 Y 0 Z 10")};
    QStringList footer{QStringLiteral("M30")};

    bool operator==(const ConverterSettings&) const = default;
};
