#pragma once

#include <QByteArray>
#include <QString>

// A file in the suite's data folder (tests/<area>/data), which scara_add_test
// names in SCARA_TEST_DATA.
inline QString testDataPath(const QString& name) {
    return QStringLiteral(SCARA_TEST_DATA "/") + name;
}

// A program of `strokes` strokes, one at each y from 100 up: a travel to
// x = 100 and a line drawn at Z5 to `x`, numbered N1, N2, ..., then M30.
inline QByteArray strokeDrawing(int strokes, int x = 300) {
    QByteArray text;
    int n = 1;
    for (int i = 0; i < strokes; ++i) {
        const QByteArray y = QByteArray::number(100 + i);
        text += "N" + QByteArray::number(n++) + " G00 X100 Y" + y + "\r\n";
        text +=
            "N" + QByteArray::number(n++) + " G01 X" + QByteArray::number(x) + " Y" + y + " Z5\r\n";
    }
    text += "N" + QByteArray::number(n) + " M30\r\n";
    return text;
}
