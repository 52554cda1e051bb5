#include "app/programcommands.h"

#include "app/appmessages.h"
#include "app/mainmenus.h"
#include "app/notifier.h"
#include "app/plotwidget.h"
#include "app/programpage.h"
#include "app/programsettingspage.h"
#include "app/stationdialogs.h"
#include "app/stationstatusbar.h"
#include "gcode/gcodemessages.h"
#include "gcode/plotsurface.h"
#include "gcode/programfile.h"
#include "gcode/programlist.h"
#include "gcode/programmemo.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>

namespace {
// Status bar panels of the pointer readout.
constexpr int kPanelX = 3;
constexpr int kPanelY = 4;
} // namespace

ProgramCommands::ProgramCommands(ProgramCommandParts parts, QObject* parent)
    : QObject(parent), parts_(std::move(parts)) {}

void ProgramCommands::openProgramFile() {
    shift_ = {};
    const QString fileName = parts_.dialogs().openProgramFile();
    if (fileName.isEmpty())
        return;
    openProgramFile(fileName);
}

bool ProgramCommands::openProgramFile(const QString& fileName) {
    shift_ = {};
    emit startPointReset();
    parts_.programList->clear();
    parts_.menus->stopSimulation->setEnabled(false);
    parts_.menus->setSimulationMenuEnabled(true);
    Result<ProgramText> text = ReadProgramFile(fileName);
    if (!text) {
        parts_.notifier().showError(text.error());
        return false;
    }
    parts_.programList->replace(std::move(text).value());
    const QString fullName = QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
    parts_.window->setWindowTitle(AppMessages::captionWithFile(fullName));
    // The empty plot shows before the pass; repaint() draws it now without
    // running other handlers in between.
    parts_.plot->clear();
    parts_.plotWidget->repaint();
    if (!prepare())
        return false;
    parts_.notifier().notify(QString::fromUtf16(GcodeMessages::kFileLoaded));
    if (referenceSet_ && referenceSet_())
        parts_.menus->sendProgram->setEnabled(true);
    return true;
}

void ProgramCommands::refreshFromMemo() {
    ProgramMemo* memo = parts_.programPage->programMemo();
    const ProgramText lines = memo->program();
    parts_.programList->clear();
    memo->clear();
    parts_.programList->replace(lines);
    // A pass that stops on an error leaves the memo empty; the operator's
    // lines are put back so that nothing typed is lost.
    if (!refreshProgram())
        memo->setProgram(lines);
}

void ProgramCommands::pasteFromClipboard() {
    parts_.programPage->programMemo()->insertText(QGuiApplication::clipboard()->text());
    parts_.menus->setSimulationMenuEnabled(true);
}

void ProgramCommands::saveProgram() {
    const QString fileName = parts_.dialogs().saveProgramFile();
    if (fileName.isEmpty())
        return;
    const Status saved = WriteProgramFile(fileName, parts_.programPage->programMemo()->program());
    if (!saved)
        parts_.notifier().showError(saved.error());
}

void ProgramCommands::savePicture() {
    const QString fileName = parts_.dialogs().savePictureFile();
    if (fileName.isEmpty())
        return;
    const Status saved = parts_.plot->save(fileName);
    if (!saved)
        parts_.notifier().showError(saved.error());
}

bool ProgramCommands::refreshProgram() {
    if (!parts_.programList->exists())
        return true;
    const bool prepared = prepare();
    parts_.plotWidget->update();
    return prepared;
}

bool ProgramCommands::prepare() {
    const ProgramSettingsPage* page = parts_.settingsPage;
    PrepareSettings settings;
    settings.RoundCoordinates = page->roundCoordinates();
    settings.RemoveRepeated = page->removeRepeated();
    settings.CheckReach = page->checkReach();
    settings.shift = shift_;
    const ProgramText source = parts_.programList->snapshot();
    Result<PreparedProgram> result = PrepareProgram(source, settings);
    if (!result) {
        parts_.notifier().showError(result.error());
        return false;
    }
    PreparedProgram& prepared = result.value();
    parts_.plot->paintBackground(background_);
    parts_.plot->drawMoves(prepared.moves, page->colours());
    parts_.plotWidget->update();
    parts_.programList->replace(prepared.lines);
    parts_.programPage->programMemo()->setProgram(prepared.lines);
    showCheckReport(prepared.checkReport);
    emit programPrepared();
    return true;
}

void ProgramCommands::showCheckReport(const CheckReport& report) {
    const qsizetype total = report.outOfReachCount();
    parts_.programPage->showReachMessages(report.reachMessages(ProgramPage::kListedReachMessages),
                                          total);
    parts_.statusBar->setNote(total > 0 ? AppMessages::reachCount(total) : QString());
}

void ProgramCommands::plotPressed(QPoint screenPosition) {
    pressPosition_ = screenPosition;
}

void ProgramCommands::plotReleased(QPoint screenPosition) {
    const QPoint press = pressPosition_.value_or(screenPosition);
    pressPosition_.reset();
    // Screen rows grow downwards, program Y upwards.
    shift_ = {screenPosition.x() - press.x(), press.y() - screenPosition.y()};
    refreshProgram();
    shift_ = {};
}

void ProgramCommands::plotMoved(QPoint screenPosition) {
    parts_.statusBar->setPanelText(kPanelX, QStringLiteral("X:%1").arg(screenPosition.x() - 520));
    parts_.statusBar->setPanelText(
        kPanelY, QStringLiteral("Y:%1").arg(PlotSurface::kHeight - screenPosition.y() + 151));
}
