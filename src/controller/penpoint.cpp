#include "controller/penpoint.h"

namespace {

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The G word's value as a number, or -1 when it is not a plain one.
int gNumber(QByteArrayView value) {
    int number = 0;
    if (value.isEmpty())
        return -1;
    for (char c : value) {
        if (c < '0' || c > '9' || number > 1000)
            return -1;
        number = number * 10 + (c - '0');
    }
    return number;
}

} // namespace

void PenPoint::follow(QByteArrayView line) {
    // Words are a letter and the text up to the next space or letter.
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        const char letter = line[i];
        if (!isLetter(letter)) {
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        while (end < n && line[end] != ' ' && line[end] != '\t' && !isLetter(line[end]))
            ++end;
        const QByteArrayView value = line.sliced(i + 1, end - i - 1);
        switch (letter) {
        case 'X':
        case 'x':
            if (!value.isEmpty())
                x = value.toByteArray();
            break;
        case 'Y':
        case 'y':
            if (!value.isEmpty())
                y = value.toByteArray();
            break;
        case 'G':
        case 'g':
            switch (gNumber(value)) {
            case 0:
                penDown = false;
                break;
            case 1:
            case 2:
            case 3:
                penDown = true;
                break;
            default:
                break;
            }
            break;
        default:
            break;
        }
        i = end;
    }
}

bool IsProgramStop(QByteArrayView line) {
    for (qsizetype i = 0; i < line.size(); ++i) {
        if ((line[i] != 'M' && line[i] != 'm') || (i > 0 && isLetter(line[i - 1])))
            continue;
        qsizetype end = i + 1;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t' && !isLetter(line[end]))
            ++end;
        if (gNumber(line.sliced(i + 1, end - i - 1)) == 0)
            return true;
        i = end - 1;
    }
    return false;
}

QByteArray PenPoint::travelLine() const {
    return "G00 X" + x + " Y" + y;
}
