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

#include <cmath>

namespace {
// Status bar panels of the pointer readout.
constexpr int kPanelX = 3;
constexpr int kPanelY = 4;
// The forbidden zone's circle and the marks of the path check's findings.
constexpr QRgb kForbiddenZoneColour = 0xff606060;
constexpr QRgb kSheetColour = 0xfff0f0f0; // paper white, beside the grid's greys
constexpr QRgb kZoneMarkColour = 0xffff2000;
constexpr QRgb kElbowMarkColour = 0xffff00ff;
} // namespace

ProgramCommands::ProgramCommands(ProgramCommandParts parts, QObject* parent)
    : QObject(parent), parts_(std::move(parts)) {
    connect(parts_.programPage->programMemo(), &ProgramMemo::editedByOperator, this,
            [this] { unsavedEdits_ = true; });
}

bool ProgramCommands::mayReplaceProgram() {
    if (!unsavedEdits_)
        return true;
    switch (parts_.dialogs().askUnsavedProgram()) {
    case StationDialogs::UnsavedAnswer::Save:
        return saveProgram();
    case StationDialogs::UnsavedAnswer::Discard:
        return true;
    case StationDialogs::UnsavedAnswer::Cancel:
        break;
    }
    return false;
}

bool ProgramCommands::refusedWhileSending() {
    if (!programLocked())
        return false;
    parts_.notifier().showError(AppMessages::programLocked());
    return true;
}

void ProgramCommands::openProgramFile() {
    if (refusedWhileSending() || !mayReplaceProgram())
        return;
    shift_ = {};
    const QString fileName = parts_.dialogs().openProgramFile();
    if (fileName.isEmpty())
        return;
    openProgramFile(fileName);
}

bool ProgramCommands::openProgramFile(const QString& fileName) {
    if (refusedWhileSending())
        return false;
    // The file is read and prepared before anything changes: a file that is
    // not a program leaves the window as it was.
    Result<ProgramText> text = ReadProgramFile(fileName);
    if (!text) {
        parts_.notifier().showError(text.error());
        return false;
    }
    const PrepareSettings settings = preparationSettings(ProgramShift{});
    Result<PreparedProgram> result = PrepareProgram(*text, settings);
    if (!result) {
        parts_.notifier().showError(AppMessages::programFileRefused(
            QDir::toNativeSeparators(fileName), result.failure().line + 1, result.error()));
        return false;
    }
    shift_ = {};
    emit startPointReset();
    parts_.menus->stopSimulation->setEnabled(false);
    parts_.menus->setSimulationMenuEnabled(true);
    parts_.programList->replace(std::move(text).value());
    unsavedEdits_ = false;
    emit programFileUsed(fileName);
    const QString fullName = QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
    parts_.window->setWindowTitle(AppMessages::captionWithFile(fullName));
    parts_.programPage->showImportReport({}); // it spoke of the program before
    showPrepared(result.value());
    parts_.notifier().notify(GcodeMessages::fileLoaded());
    if (referenceSet_ && referenceSet_())
        parts_.menus->sendProgram->setEnabled(true);
    emit programOpened();
    emit programFileOpened(QFileInfo(fileName).absoluteFilePath());
    return true;
}

void ProgramCommands::newProgram() {
    if (refusedWhileSending() || !mayReplaceProgram())
        return;
    shift_ = {};
    unsavedEdits_ = false;
    emit startPointReset();
    parts_.programList->clear();
    parts_.programPage->programMemo()->clear();
    parts_.programPage->showReachMessages({}, 0);
    parts_.programPage->showImportReport({});
    parts_.programPage->showPathFindings(PathCheckReport());
    parts_.statusBar->setNote(QString());
    parts_.window->setWindowTitle(QString::fromUtf16(AppMessages::kCaption));
    plotMoves_.clear();
    plotFindings_.clear();
    drawPlot();
    parts_.menus->stopSimulation->setEnabled(false);
    parts_.menus->setSimulationMenuEnabled(false);
    emit programPrepared();
}

void ProgramCommands::refreshFromMemo() {
    if (refusedWhileSending())
        return;
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
    if (refusedWhileSending())
        return;
    ProgramMemo* memo = parts_.programPage->programMemo();
    QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty())
        return;
    // Where the pasted text will start: the selection's start when there is
    // one (it is replaced), else the caret.
    const TextPosition start =
        memo->hasSelection() ? std::min(memo->caret(), memo->anchor()) : memo->caret();
    const TextPosition end =
        memo->hasSelection() ? std::max(memo->caret(), memo->anchor()) : memo->caret();
    if (start.column > 0)
        text.prepend(QLatin1Char('\n'));
    const bool restOfDocument =
        end.line + 1 < memo->lineCount() || end.column < memo->lines().lineLength(end.line);
    if (restOfDocument && !text.endsWith(QLatin1Char('\n')) && !text.endsWith(QLatin1Char('\r')))
        text.append(QLatin1Char('\n'));
    memo->insertText(text);
    parts_.menus->setSimulationMenuEnabled(true);
}

bool ProgramCommands::saveProgram() {
    const QString fileName = parts_.dialogs().saveProgramFile();
    if (fileName.isEmpty())
        return false;
    const Status saved = WriteProgramFile(fileName, parts_.programPage->programMemo()->program());
    if (!saved) {
        parts_.notifier().showError(saved.error());
        return false;
    }
    unsavedEdits_ = false;
    emit programFileUsed(fileName);
    return true;
}

void ProgramCommands::savePicture() {
    const QString fileName = parts_.dialogs().savePictureFile();
    if (fileName.isEmpty())
        return;
    const Status saved = parts_.plot->save(fileName);
    if (!saved)
        parts_.notifier().showError(saved.error());
    else
        emit pictureSaved(fileName);
}

bool ProgramCommands::refreshProgram() {
    if (!parts_.programList->exists())
        return true;
    const bool prepared = prepare();
    parts_.plotWidget->update();
    return prepared;
}

bool ProgramCommands::insertConvertedProgram(const ProgramText& lines,
                                             const QString& hpglFileName) {
    if (refusedWhileSending() || !mayReplaceProgram())
        return false;
    shift_ = {};
    unsavedEdits_ = false;
    emit startPointReset();
    parts_.programList->clear();
    parts_.programList->replace(lines);
    parts_.programPage->showImportReport({}); // the importer gives its own after
    // Memo1 holds the lines before the pass, so that a pass stopping on an
    // error leaves them there to be corrected.
    parts_.programPage->programMemo()->setProgram(lines);
    parts_.menus->setSimulationMenuEnabled(true);
    QString caption = QString::fromUtf16(AppMessages::kCaption);
    if (!hpglFileName.isEmpty()) {
        const QString fullName =
            QDir::toNativeSeparators(QFileInfo(hpglFileName).absoluteFilePath());
        caption = AppMessages::captionWithFile(fullName);
    }
    parts_.window->setWindowTitle(caption);
    if (!refreshProgram())
        return false;
    if (referenceSet_ && referenceSet_())
        parts_.menus->sendProgram->setEnabled(true);
    return true;
}

PrepareSettings ProgramCommands::preparationSettings(ProgramShift shift) const {
    const ProgramSettingsPage* page = parts_.settingsPage;
    PrepareSettings settings;
    settings.RoundCoordinates = page->roundCoordinates();
    settings.RemoveRepeated = page->removeRepeated();
    settings.CheckReach = page->checkReach();
    settings.shift = shift;
    // The arm's other limits are checked with its reach.
    if (settings.CheckReach)
        settings.pathCheck = PathCheckSettings{parts_.stationSettings->forbiddenRadius()};
    return settings;
}

bool ProgramCommands::prepare() {
    const PrepareSettings settings = preparationSettings(shift_);
    const ProgramText source = parts_.programList->snapshot();
    Result<PreparedProgram> result = PrepareProgram(source, settings);
    if (!result) {
        parts_.notifier().showError(result.error());
        return false;
    }
    showPrepared(result.value());
    return true;
}

void ProgramCommands::showPrepared(PreparedProgram& prepared) {
    // Kept, so that the plot can be drawn again in other colours.
    plotMoves_ = std::move(prepared.moves);
    plotFindings_ = prepared.pathCheck.findings();
    drawPlot();
    parts_.programList->replace(prepared.lines);
    parts_.programPage->programMemo()->setProgram(prepared.lines);
    showCheckReport(prepared.checkReport, prepared.pathCheck);
    emit programPrepared();
}

void ProgramCommands::drawPlot() {
    parts_.plot->paintBackground(background_);
    // The circle shows with the reach check, with a program or without one.
    if (parts_.settingsPage->checkReach())
        parts_.plot->drawForbiddenZone(parts_.stationSettings->forbiddenRadius(),
                                       kForbiddenZoneColour);
    if (const std::optional<QRectF> sheet = sheet_ ? sheet_() : std::nullopt)
        parts_.plot->drawSheet(*sheet, kSheetColour);
    // The marks lie under the moves, as a halo on both sides of each line.
    parts_.plot->markFindings(plotFindings_, kZoneMarkColour, kElbowMarkColour);
    parts_.plot->drawMoves(plotMoves_, parts_.settingsPage->colours());
    parts_.plotWidget->update();
}

void ProgramCommands::showCheckReport(const CheckReport& report, const PathCheckReport& path) {
    const qsizetype total = report.outOfReachCount();
    parts_.programPage->showReachMessages(report.reachMessages(ProgramPage::kListedReachMessages),
                                          total);
    parts_.programPage->showPathFindings(path);
    QStringList notes, details;
    if (total > 0) {
        notes << AppMessages::reachCountShort(total);
        details << AppMessages::reachCount(total);
    }
    const qsizetype zone = path.count(PathFindingKind::Zone);
    const qsizetype elbow = path.count(PathFindingKind::Elbow);
    if (zone > 0 || elbow > 0) {
        notes << AppMessages::pathCountShort(zone, elbow);
        details << AppMessages::pathCount(zone, elbow);
    }
    parts_.statusBar->setNote(notes.join(QStringLiteral("; ")), details.join(u'\n'));
}

void ProgramCommands::selectProgramLine(qsizetype line) {
    ProgramMemo* memo = parts_.programPage->programMemo();
    if (line < 0 || line >= memo->lineCount())
        return;
    memo->setCaret(TextPosition{line, 0});
    memo->setCaret(TextPosition{line, memo->lines().lineLength(line)}, true);
    memo->setFocus();
}

void ProgramCommands::plotPressed(QPointF plotPosition) {
    pressPosition_ = plotPosition;
}

void ProgramCommands::plotReleased(QPointF plotPosition) {
    const QPointF press = pressPosition_.value_or(plotPosition);
    pressPosition_.reset();
    const QPointF travel = plotPosition - press;
    const ProgramShift shift{qint32(std::lround(travel.x())), qint32(std::lround(travel.y()))};
    if (shift.dx == 0 && shift.dy == 0)
        return; // a click: nothing moves, the simulation's trace stays
    if (programLocked()) {
        parts_.notifier().notify(AppMessages::programLocked());
        return;
    }
    shift_ = shift;
    if (refreshProgram() && parts_.programList->exists())
        unsavedEdits_ = true;
    shift_ = {};
}

void ProgramCommands::plotMoved(QPointF plotPosition) {
    parts_.statusBar->setPanelText(kPanelX,
                                   QStringLiteral("X:%1").arg(std::lround(plotPosition.x())));
    parts_.statusBar->setPanelText(kPanelY,
                                   QStringLiteral("Y:%1").arg(std::lround(plotPosition.y())));
}
