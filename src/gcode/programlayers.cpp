#include "gcode/programlayers.h"

#include "base/numberformat.h"
#include "gcode/gcodeblock.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

constexpr QByteArrayView kMarkStart = "(warstwa ";

// The arm as the lines leave it: the modal G, X, Y and Z.
struct Walker {
    bool draws = false;
    double x = 500, y = 0; // the home point
    std::optional<double> z;

    // Follows a line; the length it draws (0 for any other line), and
    // whether it is a drawing move.
    std::pair<double, bool> follow(const GcodeBlock& block) {
        if (block.has(GcodeWord::G)) {
            const Result<double> g = ParseWordReal(block.word(GcodeWord::G));
            if (g && (*g == 0 || *g == 1))
                draws = *g == 1;
        }
        if (const Result<double> v = ParseWordReal(block.word(GcodeWord::Z)); v)
            z = *v;
        if (!block.has(GcodeWord::X) && !block.has(GcodeWord::Y))
            return {0, false};
        const double fromX = x, fromY = y;
        if (const Result<double> v = ParseWordReal(block.word(GcodeWord::X)); v)
            x = *v;
        if (const Result<double> v = ParseWordReal(block.word(GcodeWord::Y)); v)
            y = *v;
        if (!draws)
            return {0, false};
        return {std::hypot(x - fromX, y - fromY), true};
    }
};

bool isEndBlock(const GcodeBlock& block) {
    return block.word(GcodeWord::M) == "30";
}

bool isProgramStop(const GcodeBlock& block) {
    const QByteArray& m = block.word(GcodeWord::M);
    return m == "0" || m == "00";
}

ProgramLayer layerAt(int number, qsizetype firstLine) {
    ProgramLayer layer;
    layer.number = number;
    layer.firstLine = firstLine;
    return layer;
}

// Where the layers begin: at the marks, or at changes of pen.
std::vector<ProgramLayer> layerStarts(const ProgramText& program) {
    std::vector<ProgramLayer> layers;
    for (qsizetype i = 0; i < program.lineCount(); ++i) {
        if (const std::optional<int> number = LayerMarkNumber(program.line(i)))
            layers.push_back(layerAt(*number, i));
    }
    if (!layers.empty())
        return layers;
    layers.push_back(layerAt(1, 0));
    Walker walker;
    std::optional<double> pen;
    qsizetype afterLastDraw = 0;
    for (qsizetype i = 0; i < program.lineCount(); ++i) {
        if (!walker.follow(ParseBlock(program.line(i))).second)
            continue;
        if (pen && walker.z != pen)
            layers.push_back(layerAt(int(layers.size()) + 1, afterLastDraw));
        pen = walker.z;
        afterLastDraw = i + 1;
    }
    return layers;
}

QString defaultHold(int layer) {
    return QCoreApplication::translate("ProgramLayers", "Załóż pisak %1").arg(layer);
}

Status checkPlan(const std::vector<ProgramLayer>& layers, const SendPlan& plan) {
    if (plan.refillEvery && !(*plan.refillEvery > 0))
        return Failure{QCoreApplication::translate(
                           "ProgramLayers", "Odległość uzupełniania tuszu musi być większa od "
                                            "zera, a nie %1")
                           .arg(FormatReal(*plan.refillEvery))};
    for (const LayerSettings& settings : plan.layers) {
        const bool exists = std::any_of(layers.begin(), layers.end(), [&](const ProgramLayer& l) {
            return l.number == settings.number;
        });
        if (!exists) {
            QStringList numbers;
            for (const ProgramLayer& layer : layers)
                numbers << QString::number(layer.number);
            return Failure{QCoreApplication::translate("ProgramLayers",
                                                       "Program nie ma warstwy %1 (ma warstwy: %2)")
                               .arg(settings.number)
                               .arg(numbers.join(QStringLiteral(", ")))};
        }
        if (settings.feed && !(*settings.feed > 0))
            return Failure{QCoreApplication::translate(
                               "ProgramLayers", "Posuw warstwy %1 musi być większy od zera, a "
                                                "nie %2")
                               .arg(settings.number)
                               .arg(FormatReal(*settings.feed))};
    }
    return Status::success();
}

} // namespace

std::optional<int> LayerMarkNumber(QByteArrayView line) {
    if (!line.startsWith(kMarkStart) || !line.endsWith(')'))
        return std::nullopt;
    for (const char c : line) {
        if (std::memchr(kGcodeWordLetters, c, kGcodeWordCount) || c == '\0')
            return std::nullopt; // a word letter would make it a block
    }
    QByteArrayView rest = line.sliced(kMarkStart.size(), line.size() - kMarkStart.size() - 1);
    qsizetype digits = 0;
    while (digits < rest.size() && digits < 9 && rest[digits] >= '0' && rest[digits] <= '9')
        ++digits;
    if (digits == 0 || (digits < rest.size() && rest[digits] != ':'))
        return std::nullopt;
    return rest.first(digits).toInt();
}

QByteArray LayerMark(int number) {
    return kMarkStart.toByteArray() + QByteArray::number(number) + ')';
}

std::vector<ProgramLayer> SplitLayers(const ProgramText& program) {
    std::vector<ProgramLayer> layers = layerStarts(program);
    for (size_t k = 0; k < layers.size(); ++k)
        layers[k].endLine = k + 1 < layers.size() ? layers[k + 1].firstLine : program.lineCount();
    Walker walker;
    size_t k = 0;
    for (qsizetype i = 0; i < program.lineCount(); ++i) {
        const QByteArrayView line = program.line(i);
        const GcodeBlock block = ParseBlock(line);
        const auto [length, drawing] = walker.follow(block);
        if (i < layers.front().firstLine)
            continue; // before the first layer
        while (i >= layers[k].endLine)
            ++k;
        ProgramLayer& layer = layers[k];
        if (!line.isEmpty() && !LayerMarkNumber(line))
            ++layer.sentLines, layer.sentBytes += line.size();
        if (drawing) {
            layer.drawnLength += length;
            ++layer.drawingMoves;
            if (!layer.penZ)
                layer.penZ = walker.z;
        }
    }
    return layers;
}

QString SendProgram::noticeAt(qsizetype index) const {
    for (const auto& [at, notice] : holdNotices) {
        if (at == index)
            return notice;
    }
    return {};
}

namespace {

// Writes the lines of a sent program, with the holds and their notices.
// The drawn length for the refill counts each layer (a pen of its own)
// from its start; a refill is due after the drawing move that reaches the
// next multiple and held for before the next move of the layer, so a layer
// that ends there is not held for twice.
struct SendWriter {
    SendProgram out;
    Walker walker;
    std::optional<double> refillEvery;
    double drawn = 0;
    double nextRefill = 0;
    QString refillDue; // the notice of a refill due, empty when none is

    qsizetype source = 0; // the program line now written

    void hold(const QString& notice) {
        out.holdNotices.push_back({out.lines.lineCount(), notice});
        out.lines.appendLine("M00");
        out.programLines.push_back(source);
    }
    void startLayer() {
        drawn = 0;
        nextRefill = refillEvery.value_or(0);
        refillDue.clear();
    }
    void line(QByteArrayView text, const GcodeBlock& block, const LayerSettings* settings) {
        if (!refillDue.isEmpty() && (block.has(GcodeWord::X) || block.has(GcodeWord::Y)))
            hold(std::exchange(refillDue, QString()));
        const auto [length, drawing] = walker.follow(block);
        if (drawing && settings && (settings->z || settings->feed)) {
            GcodeBlock changed = block;
            if (settings->z)
                changed.word(GcodeWord::Z) = FormatReal(*settings->z).toLatin1();
            if (settings->feed)
                changed.word(GcodeWord::F) = FormatReal(*settings->feed).toLatin1();
            out.lines.appendLine(FormatBlock(changed));
        } else {
            out.lines.appendLine(text);
        }
        out.programLines.push_back(source);
        if (!drawing || !refillEvery)
            return;
        drawn += length;
        if (drawn < nextRefill)
            return;
        refillDue = QCoreApplication::translate("ProgramLayers",
                                                "Uzupełnij tusz: narysowano %1 (co %2 jednostek)")
                        .arg(FormatReal(std::round(drawn)), FormatReal(*refillEvery));
        nextRefill = (std::floor(drawn / *refillEvery) + 1) * *refillEvery;
    }
};

} // namespace

Result<SendProgram> BuildSendProgram(const ProgramText& program, const SendPlan& plan) {
    const std::vector<ProgramLayer> layers = SplitLayers(program);
    if (const Status checked = checkPlan(layers, plan); !checked)
        return checked.failure();
    SendWriter writer;
    writer.refillEvery = plan.refillEvery;
    writer.startLayer();
    writer.out.lines.reserve(program.lineCount() + 16, program.byteCount() + 64);
    size_t k = 0;
    const LayerSettings* settings = nullptr;
    bool sent = true;
    for (qsizetype i = 0; i < program.lineCount(); ++i) {
        const QByteArrayView line = program.line(i);
        writer.source = i;
        if (i >= layers.front().firstLine) {
            while (i >= layers[k].endLine)
                ++k;
            if (i == layers[k].firstLine) {
                auto found = std::find_if(
                    plan.layers.begin(), plan.layers.end(),
                    [&](const LayerSettings& s) { return s.number == layers[k].number; });
                settings = found == plan.layers.end() ? nullptr : &*found;
                sent = !settings || settings->send;
                writer.startLayer();
                qsizetype first = i;
                while (first < layers[k].endLine && LayerMarkNumber(program.line(first)))
                    ++first;
                const bool beginsWithHold =
                    first < layers[k].endLine && isProgramStop(ParseBlock(program.line(first)));
                if (sent && settings && settings->hold && !beginsWithHold)
                    writer.hold(settings->holdMessage.isEmpty() ? defaultHold(settings->number)
                                                                : settings->holdMessage);
            }
        }
        if (LayerMarkNumber(line))
            continue;
        const GcodeBlock block = ParseBlock(line);
        if (sent || isEndBlock(block))
            writer.line(line, block, sent ? settings : nullptr);
    }
    return std::move(writer.out);
}
