#include "app/svgcommands.h"

#include "app/appmessages.h"
#include "app/notifier.h"
#include "app/programcommands.h"
#include "app/programpage.h"
#include "app/svgoptionsdialog.h"
#include "controller/transferprogress.h"
#include "drawing/pathoptimizer.h"
#include "gcode/programlist.h"
#include "svg/svgimport.h"

#include <QFileDialog>
#include <QWidget>

namespace {

// The transfer's time for the figures, at the station's default line speed.
double transferSeconds(const DrawingFigures& figures) {
    return TransferModel{}.seconds(figures.lines, figures.bytes);
}

} // namespace

SvgCommands::SvgCommands(SvgCommandParts parts, QObject* parent)
    : QObject(parent), parts_(std::move(parts)) {}

void SvgCommands::openDrawing() {
    const QString file = parts_.chooseDrawing ? parts_.chooseDrawing() : QString();
    if (!file.isEmpty())
        openDrawingFile(file);
}

bool SvgCommands::refusedWhileSending() {
    if (!parts_.programCommands->programLocked())
        return false;
    parts_.notifier().notify(AppMessages::programLocked());
    return true;
}

Result<SvgImportSettings> SvgCommands::importSettings() const {
    SvgImportSettings fitted;
    fitted.fit = true;
    if (parts_.placementSettings)
        fitted.placement = parts_.placementSettings();
    fitted.pen = preferences_.penOptions();
    return WithConverterHeights(fitted, parts_.converterSettings ? parts_.converterSettings()
                                                                 : ConverterSettings{});
}

SvgOptionsDialog* SvgCommands::openOptions() {
    if (!options_) {
        options_ = new SvgOptionsDialog(parts_.window);
        connect(options_, &QDialog::accepted, this,
                [this] { preferences_ = options_->preferences(); });
    }
    options_->setPreferences(preferences_);
    options_->open();
    return options_;
}

bool SvgCommands::openDrawingFile(const QString& file) {
    if (refusedWhileSending())
        return false;
    const Result<SvgImportSettings> settings = importSettings();
    if (!settings) {
        parts_.notifier().showError(settings.error());
        return false;
    }
    const Result<SvgImport> imported = ImportSvgFile(file, *settings);
    if (!imported) {
        parts_.notifier().showError(imported.error());
        return false;
    }
    if (!parts_.programCommands->insertConvertedProgram(imported->program, file))
        return false;
    const QStringList report =
        imported->report + FiguresReport(imported->before, imported->after, &transferSeconds);
    parts_.programPage->showImportReport(report);
    return true;
}

bool SvgCommands::optimizeProgram() {
    if (refusedWhileSending())
        return false;
    const ProgramText program = parts_.programList->snapshot();
    if (program.isEmpty())
        return false;
    const Result<ProgramOptimization> optimized = OptimizeProgram(program, {});
    if (!optimized) {
        parts_.notifier().showError(optimized.error());
        return false;
    }
    // The program keeps its caption: it is the same drawing.
    const QString caption = parts_.window->windowTitle();
    const bool prepared = parts_.programCommands->insertConvertedProgram(optimized->lines, {});
    parts_.window->setWindowTitle(caption);
    // The figures in a notice: the reach messages of the pass stay listed.
    if (prepared)
        parts_.notifier().notify(
            FiguresReport(optimized->before, optimized->after, &transferSeconds).join(u'\n'));
    return prepared;
}

QString ChooseDrawingFile(QWidget* owner) {
    return QFileDialog::getOpenFileName(
        owner, SvgCommands::tr("Otwórz rysunek SVG"), QString(),
        SvgCommands::tr("Rysunki SVG (*.svg);;Wszystkie pliki (*)"));
}
