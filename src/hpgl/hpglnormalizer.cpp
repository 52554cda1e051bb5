#include "hpgl/hpglnormalizer.h"

#include "hpgl/hpglmessages.h"
#include "hpgl/hpglreader.h"
#include "hpgl/integertext.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double kFewestChordDegrees = 0.5;
constexpr double kMostChordDegrees = 180;

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

// Follows the pen through the instructions and collects the converter's form.
class PlotNormalizer {
public:
    explicit PlotNormalizer(const NormalizerSettings& settings) : settings_(settings) {}

    Status apply(const HpglInstruction& in);
    NormalizedPlot finish();
    size_t size() const { return plot_.ops.size(); }

private:
    Status movePairs(const HpglInstruction& in);
    Status circle(const HpglInstruction& in);
    Status arc(const HpglInstruction& in, bool relative);
    double chordFor(const HpglInstruction& in, size_t index) const;
    void move(PlotOp::Kind kind, double x, double y);

    const NormalizerSettings& settings_;
    NormalizedPlot plot_;
    bool initWritten_ = false;
    bool penDown_ = false;
    bool absolute_ = true;
    double x_ = 0;
    double y_ = 0;
};

void PlotNormalizer::move(PlotOp::Kind kind, double x, double y) {
    plot_.ops.push_back({kind, x, y});
    x_ = x;
    y_ = y;
}

Status PlotNormalizer::apply(const HpglInstruction& in) {
    const QString& m = in.mnemonic;
    if (m == u"IN") {
        // The converter writes the header on every IN; a plot file's later
        // IN (drawing programs end with one) only resets the plotter.
        if (!initWritten_)
            plot_.ops.push_back({PlotOp::Kind::Init, 0, 0});
        initWritten_ = true;
        penDown_ = false;
        absolute_ = true;
        x_ = y_ = 0;
        return {};
    }
    if (m == u"SP") {
        const double pen = in.params.empty() ? 0 : in.params[0];
        if (in.params.size() > 1 || pen < 0 || pen != std::floor(pen) || pen > 1e9)
            return Failure{hpgl::badParameterCount(m, in.line)};
        // To the converter SP0 ends the program, so it is written once, at
        // the end; a pen put away in between selects nothing.
        if (pen != 0)
            plot_.ops.push_back({PlotOp::Kind::SelectPen, pen, 0});
        return {};
    }
    if (m == u"PU" || m == u"PD") {
        penDown_ = m == u"PD";
        return movePairs(in);
    }
    if (m == u"PA" || m == u"PR") {
        absolute_ = m == u"PA";
        return movePairs(in);
    }
    if (m == u"CI")
        return circle(in);
    if (m == u"AA" || m == u"AR")
        return arc(in, m == u"AR");
    ++plot_.dropped[m];
    return {};
}

Status PlotNormalizer::movePairs(const HpglInstruction& in) {
    if (in.params.size() % 2 != 0)
        return Failure{hpgl::badParameterCount(in.mnemonic, in.line)};
    const PlotOp::Kind kind = penDown_ ? PlotOp::Kind::PenDown : PlotOp::Kind::PenUp;
    for (size_t i = 0; i < in.params.size(); i += 2) {
        if (absolute_)
            move(kind, in.params[i], in.params[i + 1]);
        else
            move(kind, x_ + in.params[i], y_ + in.params[i + 1]);
    }
    return {};
}

double PlotNormalizer::chordFor(const HpglInstruction& in, size_t index) const {
    const double chord =
        in.params.size() > index ? std::abs(in.params[index]) : settings_.chordDegrees;
    return std::clamp(chord, kFewestChordDegrees, kMostChordDegrees);
}

Status PlotNormalizer::circle(const HpglInstruction& in) {
    // Pen up to the start on the circle, chords all round with the pen
    // down, pen up back to the centre; the pen state stays as it was.
    if (in.params.empty() || in.params.size() > 2)
        return Failure{hpgl::badParameterCount(in.mnemonic, in.line)};
    const double radius = in.params[0];
    if (radius == 0)
        return {};
    const double cx = x_;
    const double cy = y_;
    const int chords = int(std::ceil(360 / chordFor(in, 1)));
    move(PlotOp::Kind::PenUp, cx + radius, cy);
    for (int k = 1; k <= chords; ++k) {
        const double angle = radians(360.0 * k / chords);
        if (k == chords)
            move(PlotOp::Kind::PenDown, cx + radius, cy);
        else
            move(PlotOp::Kind::PenDown, cx + radius * std::cos(angle),
                 cy + radius * std::sin(angle));
    }
    move(PlotOp::Kind::PenUp, cx, cy);
    return {};
}

Status PlotNormalizer::arc(const HpglInstruction& in, bool relative) {
    // From the current point round the centre by the sweep (degrees,
    // positive counter-clockwise), with the pen as it is.
    if (in.params.size() < 3 || in.params.size() > 4)
        return Failure{hpgl::badParameterCount(in.mnemonic, in.line)};
    const double cx = relative ? x_ + in.params[0] : in.params[0];
    const double cy = relative ? y_ + in.params[1] : in.params[1];
    const double sweep = std::clamp(in.params[2], -360.0, 360.0);
    const double radius = std::hypot(x_ - cx, y_ - cy);
    const double start = std::atan2(y_ - cy, x_ - cx);
    const int chords = std::max(1, int(std::ceil(std::abs(sweep) / chordFor(in, 3))));
    const PlotOp::Kind kind = penDown_ ? PlotOp::Kind::PenDown : PlotOp::Kind::PenUp;
    for (int k = penDown_ ? 1 : chords; k <= chords; ++k) {
        const double angle = start + radians(sweep * k / chords);
        move(kind, cx + radius * std::cos(angle), cy + radius * std::sin(angle));
    }
    return {};
}

NormalizedPlot PlotNormalizer::finish() {
    plot_.ops.push_back({PlotOp::Kind::SelectPen, 0, 0});
    return std::move(plot_);
}

bool appendCoordinate(QString& out, double value, QString& error) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<qint32>::min() &&
          rounded <= std::numeric_limits<qint32>::max())) {
        error = hpgl::coordinateOutOfRange(value);
        return false;
    }
    appendInteger(out, qint64(rounded));
    return true;
}

} // namespace

Result<NormalizedPlot> NormalizePlot(QStringView text, const NormalizerSettings& settings) {
    HpglReader reader(text);
    PlotNormalizer normalizer(settings);
    HpglInstruction instruction;
    for (;;) {
        const Result<bool> read = reader.next(instruction);
        if (!read)
            return read.failure();
        if (!*read)
            break;
        if (Status applied = normalizer.apply(instruction); !applied)
            return applied.failure();
        if (normalizer.size() > settings.mostInstructions)
            return Failure{hpgl::plotTooLarge(settings.mostInstructions)};
    }
    return normalizer.finish();
}

Result<double> readChordDegrees(QStringView text) {
    QString number = text.trimmed().toString();
    number.replace(u',', u'.');
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok)
        return Failure{hpgl::notValidReal(text)};
    if (!(value >= kFewestChordDegrees && value <= kMostChordDegrees))
        return Failure{hpgl::chordOutOfRange(text)};
    return value;
}

Result<QString> FormatNormalizedPlot(const NormalizedPlot& plot) {
    QString out;
    out.reserve(qsizetype(plot.ops.size()) * 12);
    QString error;
    for (const PlotOp& op : plot.ops) {
        if (!out.isEmpty())
            out.append(u'\n');
        switch (op.kind) {
        case PlotOp::Kind::Init:
            out.append(u"IN;");
            continue;
        case PlotOp::Kind::SelectPen:
            out.append(u"SP");
            appendInteger(out, qint64(op.x));
            out.append(u';');
            continue;
        case PlotOp::Kind::PenUp:
        case PlotOp::Kind::PenDown:
            out.append(op.kind == PlotOp::Kind::PenUp ? u"PU" : u"PD");
            break;
        }
        if (!appendCoordinate(out, op.x, error))
            return Failure{error};
        out.append(u' ');
        if (!appendCoordinate(out, op.y, error))
            return Failure{error};
        out.append(u';');
    }
    return out;
}

QString droppedSummary(const NormalizedPlot& plot) {
    if (plot.dropped.isEmpty())
        return QCoreApplication::translate("hpgl", "Nie pominięto żadnej instrukcji");
    QStringList parts;
    for (auto it = plot.dropped.cbegin(); it != plot.dropped.cend(); ++it)
        parts << QStringLiteral("%1 (%2)").arg(it.key()).arg(it.value());
    return QCoreApplication::translate("hpgl", "Pominięte instrukcje: %1")
        .arg(parts.join(QStringLiteral(", ")));
}
