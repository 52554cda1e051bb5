#include "layeroptions.h"

#include "base/numberformat.h"
#include "command.h"
#include "controller/penpoint.h"
#include "gcode/prepareprogram.h"
#include "gcode/programfile.h"

#include <QCoreApplication>

#include <cmath>

namespace cli {

const char kLayerHelp[] = QT_TRANSLATE_NOOP(
    "cli", "  --layers L,...     only these layers (a layer begins at a line \"(warstwa N)\",\n"
           "                     or, without such lines, with each pen's Z)\n"
           "  --layer-z L:Z      the pen's Z on layer L's drawing moves\n"
           "  --layer-feed L:F   an F word (F > 0) on layer L's drawing moves\n"
           "  --layer-hold L:TEXT  the notice of the hold before layer L (by default\n"
           "                     \"Załóż pisak L\"; with any layer option every layer but\n"
           "                     the first is held for)\n"
           "  --refill-every D   hold, pen up, after every D units drawn (D > 0)\n");

namespace {

Result<double> numberOrError(const QString& text) {
    const Result<double> value = ParseReal(text.toUtf8().replace('.', ','));
    if (value && !std::isfinite(*value))
        return Failure{QCoreApplication::translate("cli", "'%1' is not a valid floating point "
                                                          "value")
                           .arg(text)};
    return value;
}

Result<int> layerNumber(const QString& text) {
    const Result<qint32> value = ParseWhole(text.trimmed());
    if (!value)
        return value.failure();
    return int(*value);
}

// "L:value" split at the first colon.
Result<std::pair<int, QString>> layerValue(const QString& option, const QString& text) {
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0)
        return Failure{
            QCoreApplication::translate("cli", "%1 takes LAYER:VALUE, not '%2'").arg(option, text)};
    const Result<int> layer = layerNumber(text.first(colon));
    if (!layer)
        return layer.failure();
    return std::pair<int, QString>{*layer, text.sliced(colon + 1)};
}

LayerSettings& settingsOf(SendPlan& plan, int layer) {
    for (LayerSettings& s : plan.layers) {
        if (s.number == layer)
            return s;
    }
    LayerSettings s;
    s.number = layer;
    return plan.layers.emplace_back(s);
}

} // namespace

bool readLayerOption(const QStringList& args, qsizetype& i, LayerOptions& options, QString& error) {
    const QString& arg = args[i];
    const bool mine = arg == QLatin1String("--layers") || arg == QLatin1String("--refill-every") ||
                      arg == QLatin1String("--layer-z") || arg == QLatin1String("--layer-feed") ||
                      arg == QLatin1String("--layer-hold");
    if (!mine)
        return false;
    if (i + 1 >= args.size()) {
        error = QCoreApplication::translate("cli", "%1 needs a value").arg(arg);
        return true;
    }
    const QString value = args[++i];
    if (arg == QLatin1String("--layers"))
        options.layers = value;
    else if (arg == QLatin1String("--refill-every"))
        options.refillEvery = value;
    else if (arg == QLatin1String("--layer-z"))
        options.z << value;
    else if (arg == QLatin1String("--layer-feed"))
        options.feed << value;
    else
        options.hold << value;
    return true;
}

Result<SendPlan> MakeSendPlan(const LayerOptions& options, const ProgramText& program) {
    SendPlan plan;
    if (!options.given())
        return plan; // the marks left out, nothing else
    const std::vector<ProgramLayer> layers = SplitLayers(program);
    for (size_t k = 0; k < layers.size(); ++k) {
        LayerSettings& s = settingsOf(plan, layers[k].number);
        s.hold = k > 0;
        s.send = !options.layers;
    }
    if (options.layers) {
        for (const QString& text : options.layers->split(u',')) {
            const Result<int> layer = layerNumber(text);
            if (!layer)
                return layer.failure();
            settingsOf(plan, *layer).send = true;
        }
    }
    if (options.refillEvery) {
        const Result<double> distance = numberOrError(*options.refillEvery);
        if (!distance)
            return distance.failure();
        plan.refillEvery = *distance;
    }
    for (const auto& [list, option] : {std::pair{&options.z, "--layer-z"},
                                       {&options.feed, "--layer-feed"},
                                       {&options.hold, "--layer-hold"}}) {
        for (const QString& text : *list) {
            const Result<std::pair<int, QString>> read = layerValue(QLatin1String(option), text);
            if (!read)
                return read.failure();
            LayerSettings& s = settingsOf(plan, read->first);
            if (list == &options.hold) {
                s.hold = true;
                s.holdMessage = read->second;
                continue;
            }
            const Result<double> value = numberOrError(read->second);
            if (!value)
                return value.failure();
            (list == &options.z ? s.z : s.feed) = *value;
        }
    }
    return plan;
}

QString LayerHelp() {
    return QCoreApplication::translate("cli", "\nLayer options:\n") + text(kLayerHelp);
}

Status ApplyLayers(const LayerOptions& options, ProgramText& lines, QStringList* stopNotices) {
    const Result<SendPlan> plan = MakeSendPlan(options, lines);
    if (!plan)
        return plan.failure();
    Result<SendProgram> sent = BuildSendProgram(lines, *plan);
    if (!sent)
        return sent.failure();
    lines = sent->lines;
    if (stopNotices) {
        stopNotices->clear();
        for (qsizetype i = 0; i < lines.lineCount(); ++i) {
            if (IsProgramStop(lines.line(i)))
                *stopNotices << sent->noticeAt(i);
        }
    }
    return Status::success();
}

QString StopNotice(const QStringList& stopNotices, const ProgramSource& program, int index) {
    qsizetype stops = 0;
    for (int i = 0; i < index; ++i) {
        if (const std::optional<QByteArray> line = program.lineAt(i); line && IsProgramStop(*line))
            ++stops;
    }
    return stops < stopNotices.size() ? stopNotices[stops] : QString();
}

QString LayerEstimate(const QString& file, bool raw,
                      const std::function<double(qint64, qint64)>& seconds) {
    Result<ProgramText> program = ReadProgramFile(file);
    if (program && !raw) {
        const Result<PreparedProgram> prepared = PrepareProgram(*program, PrepareSettings{});
        program = prepared ? Result<ProgramText>(prepared->lines)
                           : Result<ProgramText>(prepared.failure());
    }
    if (!program)
        return {}; // the estimate has said why already
    const std::vector<ProgramLayer> layers = SplitLayers(*program);
    if (layers.size() < 2)
        return {};
    QString out;
    for (const ProgramLayer& layer : layers)
        out += QStringLiteral("layer %1: lines %2, drawn %3, transfer %4 s\n")
                   .arg(layer.number)
                   .arg(layer.sentLines)
                   .arg(layer.drawnLength, 0, 'f', 1)
                   .arg(seconds(layer.sentLines, layer.sentBytes), 0, 'f', 2);
    return out;
}

} // namespace cli
