#include "plottergenerator.h"

#include <QFile>

#include <cmath>
#include <random>
#include <string>

namespace {

void appendCoordinate(std::string& out, double value, int decimals, char separator) {
    char buffer[32];
    const int n = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    for (int i = 0; i < n; ++i)
        out.push_back(buffer[i] == '.' ? separator : buffer[i]);
}

} // namespace

qint64 WritePlotterProgram(const QString& fileName, qint64 lines, std::uint32_t seed) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return -1;
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    double x = 0, y = 250, heading = 0;
    bool penDown = false;
    std::string out;
    out.reserve(1 << 20);
    qint64 written = 0;
    for (qint64 n = 1; n <= lines; ++n) {
        out += 'N';
        out += std::to_string(n * 10);
        const double r = unit(random);
        if (n == lines) {
            out += " M30";
        } else if (r < 0.01) { // lift or lower the pen
            penDown = !penDown;
            out += penDown ? " G01 Z1" : " G00 Z6";
        } else {
            if (r > 0.03) { // else the previous point again
                heading += (unit(random) - 0.5) * 0.8;
                const double step = penDown ? 2.0 + 10.0 * unit(random) : 40.0 * unit(random);
                x += step * std::cos(heading);
                y += step * std::sin(heading);
                if (x * x + y * y > 480.0 * 480.0 || y < 5) {
                    x *= 0.5;
                    y = std::fabs(y) * 0.5 + 10;
                    heading += 2.0;
                }
            }
            out += penDown ? " G01 X" : " G00 X";
            const int decimals = 1 + int(n % 3);
            const char separator = n % 5 == 0 ? ',' : '.';
            appendCoordinate(out, x, decimals, separator);
            out += " Y";
            appendCoordinate(out, y, decimals, separator);
            if (penDown && n % 7 == 0)
                out += " Z1";
        }
        out += "\r\n";
        if (out.size() > (1 << 20) - 256 || n == lines) {
            if (file.write(out.data(), qint64(out.size())) != qint64(out.size()))
                return -1;
            written += qint64(out.size());
            out.clear();
        }
    }
    return file.flush() ? written : -1;
}
