#pragma once

#include "base/result.h"
#include "controller/programsource.h"
#include "gcode/programlayers.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The layer options prepare and send share: --layers, --refill-every and
// each layer's Z, feed and hold.
namespace cli {

// The options' help lines, marked for translation in the context "cli".
extern const char kLayerHelp[];

struct LayerOptions {
    std::optional<QString> layers; // "1,3"
    std::optional<QString> refillEvery;
    QStringList z, feed, hold; // "L:value" each
    bool given() const {
        return layers || refillEvery || !z.isEmpty() || !feed.isEmpty() || !hold.isEmpty();
    }
};

// Takes the layer option at args[i] and its value (advancing i); false when
// args[i] is none of them. A missing value sets `error`.
bool readLayerOption(const QStringList& args, qsizetype& i, LayerOptions& options, QString& error);

// What the options ask of `program`'s layers: with any option given, every
// layer but the program's first has a hold before it ("Załóż pisak N").
// A value that does not read or a layer the program lacks fails with the
// station's text.
Result<SendPlan> MakeSendPlan(const LayerOptions& options, const ProgramText& program);

// The help of the layer options under a heading, for a command's help.
QString LayerHelp();

// Makes `lines` what is sent (BuildSendProgram: the marks always left out)
// and, when asked, lists per program stop (M00) of the result its notice.
Status ApplyLayers(const LayerOptions& options, ProgramText& lines, QStringList* stopNotices);

// The notice of the program stop at line `index` of `program`, from the
// list ApplyLayers made; empty when it has none.
QString StopNotice(const QStringList& stopNotices, const ProgramSource& program, int index);

// The estimate's lines for a program of more than one layer, one a layer:
// "layer N: lines L, drawn D, transfer T s", the time from `seconds`
// (lines, bytes); empty for one layer. The layers are those of `file`
// prepared with the defaults (as it is with `raw`), marks and all.
QString LayerEstimate(const QString& file, bool raw,
                      const std::function<double(qint64, qint64)>& seconds);

} // namespace cli
