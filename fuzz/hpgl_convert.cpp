// The HPGL converter and the normaliser under arbitrary plot file bytes: the station's error
// text or a conversion, never a crash. The first line of the input, when it
// starts with '#', replaces the travel height and line step texts.
#include "hpgl/conversionloop.h"
#include "hpgl/hpglnormalizer.h"
#include "hpgl/plotfile.h"
#include "hpgl/plotfitting.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    QString text =
        plotTextFromBytes(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    ConverterSettings settings;
    if (text.startsWith(u'#')) {
        const qsizetype end = text.indexOf(u'\n');
        const QStringList fields = text.mid(1, end < 0 ? -1 : end - 1).split(u'|');
        settings.travelHeight = fields.value(0);
        settings.lineStep = fields.value(1);
        text = end < 0 ? QString() : text.mid(end + 1);
    }
    CheckPlotFile(text);
    ConverterState state;
    ConverterProgress progress;
    ConversionLoop loop(text, state, settings, progress);
    if (loop.runToEnd() == ConversionLoop::Outcome::Failed && loop.error().isEmpty())
        __builtin_trap();
    gcodeFileBytes(loop.takeOutput());

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
