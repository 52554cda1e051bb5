#include "app/placementcommands.h"

#include "app/appmessages.h"
#include "app/notifier.h"
#include "app/programcommands.h"
#include "app/programpage.h"
#include "app/stationdialogs.h"
#include "app/stationsettings.h"
#include "drawing/programplacement.h"
#include "gcode/programfile.h"
#include "gcode/programlist.h"
#include "gcode/programmemo.h"

#include <QAction>

PlacementCommands::PlacementCommands(PlacementCommandParts parts, QObject* parent)
    : QObject(parent), parts_(std::move(parts)) {}

PlacementSettings PlacementCommands::settings() const {
    PlacementSettings settings;
    if (parts_.stationSettings != nullptr)
        settings.forbiddenRadius = parts_.stationSettings->forbiddenRadius();
    if (parts_.oneSide != nullptr && parts_.oneSide->isChecked())
        settings.sides = SideRule::OneSide;
    for (const QAction* sheet : parts_.sheets) {
        if (!sheet->isChecked() || sheet->data().toString().isEmpty())
            continue;
        if (const Result<Sheet> chosen = ParseSheet(sheet->data().toString()); chosen)
            settings.sheet = *chosen;
    }
    return settings;
}

std::optional<QRectF> PlacementCommands::sheetOnPlot() const {
    const PlacementSettings chosen = settings();
    if (!chosen.sheet)
        return std::nullopt;
    const Result<SheetPlace> place = PlaceSheet(*chosen.sheet, chosen);
    if (!place)
        return std::nullopt;
    return QRectF(place->left, place->bottom, place->sheet.width, place->sheet.height);
}

bool PlacementCommands::refusedWhileSending() {
    if (!parts_.programCommands->programLocked())
        return false;
    parts_.notifier().notify(AppMessages::programLocked());
    return true;
}

bool PlacementCommands::fitProgram() {
    if (refusedWhileSending())
        return false;
    ProgramMemo* memo = parts_.programPage->programMemo();
    const ProgramText before = memo->program();
    const Result<PlacedProgram> placed = PlaceProgram(before, settings());
    if (!placed) {
        parts_.notifier().showError(placed.error());
        return false;
    }
    // Prepared as the program; then the memo takes the prepared text as one
    // edit of the text before, so that "Cofnij" brings that back.
    ProgramList* list = parts_.programList;
    list->replace(placed->lines);
    if (!parts_.programCommands->refreshProgram()) {
        list->replace(before);
        parts_.programCommands->refreshProgram();
        memo->setProgram(before);
        return false;
    }
    const QString after = memo->program().toUnicode();
    memo->setProgram(before);
    memo->selectAll();
    memo->insertText(after);
    parts_.programPage->showReachMessages({PlacementReport(placed->placement)}, 1);
    return true;
}

bool PlacementCommands::outlineProgram() {
    const ProgramText program = parts_.programPage->programMemo()->program();
    const Result<ProgramText> outline = OutlineProgram(program, settings());
    if (!outline) {
        parts_.notifier().showError(outline.error());
        return false;
    }
    const QString file = parts_.dialogs().saveProgramFile();
    if (file.isEmpty())
        return false;
    if (const Status saved = WriteProgramFile(file, *outline); !saved) {
        parts_.notifier().showError(saved.error());
        return false;
    }
    return true;
}
