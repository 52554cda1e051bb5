#pragma once

#include "base/result.h"

#include <QString>
#include <QStringView>

// A sheet of paper laid in the arm's working area, in program units
// (millimetres): A5, A4 and A3 standing or lying, or any width x height.
struct Sheet {
    QString name; // as the operator named it: "A4", "A4-landscape", "210x297"
    double width = 0;
    double height = 0;
};

// "A5", "A4", "A3" (standing), the same with "-landscape" (lying), or
// "WxH" in millimetres ("210x297", "100,5x80"). Fails with the station's
// text for anything else.
Result<Sheet> ParseSheet(QStringView text);
