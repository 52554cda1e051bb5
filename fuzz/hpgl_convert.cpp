// The HPGL converter and the normaliser under arbitrary plot file bytes: the
// station's error text or a conversion, never a crash, and the same result
// from the lines as bytes and as text. The first line of the input, when it
// starts with '#', replaces the travel height and line step texts.
#include "base/windows1250.h"
#include "hpgl/conversionloop.h"
#include "hpgl/hpglnormalizer.h"
#include "hpgl/plotfile.h"
#include "hpgl/plotfitting.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const ProgramText file =
        ProgramText::fromBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    ConverterSettings settings;
    ProgramText lines = file;
    if (!file.isEmpty() && file.line(0).startsWith('#')) {
        const QStringList fields = DecodeWindows1250(file.line(0).sliced(1)).split(u'|');
        settings.travelHeight = fields.value(0);
        settings.lineStep = fields.value(1);
        lines = ProgramText();
        for (qsizetype i = 1; i < file.lineCount(); ++i)
            lines.appendLine(file.line(i));
    }
    CheckPlotFile(lines);
    const QString text = lines.toUnicode();
    ConverterState state;
    ConverterProgress progress;
    ConversionLoop loop(lines, state, settings, progress);
    const ConversionLoop::Outcome outcome = loop.runToEnd();
    if (outcome == ConversionLoop::Outcome::Failed && loop.error().isEmpty())
        __builtin_trap();
    const ProgramText output = loop.takeOutput();
    output.toBytes();
    // The same lines handed over as text ('\n' between them) convert alike.
    ConverterState viaText;
    ConversionLoop textLoop(text, viaText, settings, progress);
    if (textLoop.runToEnd() != outcome || !(textLoop.takeOutput() == output) ||
        textLoop.error() != loop.error())
        __builtin_trap();

    // The normaliser, the fitting and the conversion of what they write.
    Result<NormalizedPlot> plot = NormalizePlot(text);
    if (!plot)
        return plot.error().isEmpty() ? (__builtin_trap(), 0) : 0;
    if (data[0] & 1)
        FitToWorkingArea(plot.value());
    const Result<QString> normalized = FormatNormalizedPlot(*plot);
    if (!normalized)
        return 0;
    ConverterState again;
    ConversionLoop second(*normalized, again, ConverterSettings{}, progress);
    second.runToEnd();
    return 0;
}
