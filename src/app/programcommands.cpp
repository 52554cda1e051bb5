#include "app/programcommands.h"

#include "app/appmessages.h"
#include "app/mainmenus.h"
#include "app/notifier.h"
#include "app/plotwidget.h"
#include "app/programpage.h"
#include "app/programsettingspage.h"
#include "app/stationdialogs.h"
#include "app/stationsettings.h"
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
// The forbidden zone's circle and the marks of the path check's findings.
constexpr QRgb kForbiddenZoneColour = 0xff606060;
constexpr QRgb kZoneMarkColour = 0xffff2000;
constexpr QRgb kElbowMarkColour = 0xffff00ff;
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
    // The arm's other limits are checked with its reach.
    if (settings.CheckReach)
        settings.pathCheck = PathCheckSettings{parts_.stationSettings->forbiddenRadius()};
    const ProgramText source = parts_.programList->snapshot();
    Result<PreparedProgram> result = PrepareProgram(source, settings);
    if (!result) {
        parts_.notifier().showError(result.error());
        return false;
    }
    PreparedProgram& prepared = result.value();
    parts_.plot->paintBackground(background_);
    if (settings.pathCheck)
        parts_.plot->drawForbiddenZone(settings.pathCheck->forbiddenRadius, kForbiddenZoneColour);
    // The marks lie under the moves, as a halo on both sides of each line.
    parts_.plot->markFindings(prepared.pathCheck.findings(), kZoneMarkColour, kElbowMarkColour);
    parts_.plot->drawMoves(prepared.moves, page->colours());
    parts_.plotWidget->update();
    parts_.programList->replace(prepared.lines);
    parts_.programPage->programMemo()->setProgram(prepared.lines);
    showCheckReport(prepared.checkReport, prepared.pathCheck);
    emit programPrepared();
    return true;
}

void ProgramCommands::showCheckReport(const CheckReport& report, const PathCheckReport& path) {
    const qsizetype total = report.outOfReachCount();
    parts_.programPage->showReachMessages(report.reachMessages(ProgramPage::kListedReachMessages),
                                          total);
    parts_.programPage->showPathFindings(path);
    QStringList notes;
    if (total > 0)
        notes << AppMessages::reachCount(total);
    const qsizetype zone = path.count(PathFindingKind::Zone);
    const qsizetype elbow = path.count(PathFindingKind::Elbow);
    if (zone > 0 || elbow > 0)
        notes << AppMessages::pathCount(zone, elbow);
    parts_.statusBar->setNote(notes.join(QStringLiteral("; ")));
}

void ProgramCommands::selectProgramLine(qsizetype line) {
    ProgramMemo* memo = parts_.programPage->programMemo();
    if (line < 0 || line >= memo->lineCount())
        return;
    memo->setCaret(TextPosition{line, 0});
    memo->setCaret(TextPosition{line, memo->lines().lineLength(line)}, true);
    memo->setFocus();
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
