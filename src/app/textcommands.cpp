#include "app/textcommands.h"

#include "app/appmessages.h"
#include "app/notifier.h"
#include "app/programcommands.h"
#include "app/programpage.h"
#include "app/textdialog.h"
#include "base/numberformat.h"
#include "drawing/programinsert.h"
#include "drawing/strokeprogram.h"
#include "drawing/textlayout.h"
#include "gcode/programlist.h"
#include "gcode/programmemo.h"

#include <QWidget>

TextCommands::TextCommands(TextCommandParts parts, QObject* parent)
    : QObject(parent), parts_(std::move(parts)) {}

TextCommands::~TextCommands() {
    delete dialog_.data();
}

TextDialog* TextCommands::dialog() {
    if (dialog_ == nullptr) {
        dialog_ = new TextDialog(parts_.window);
        connect(dialog_, &TextDialog::insertChosen, this, &TextCommands::insertText);
    }
    return dialog_;
}

void TextCommands::open() {
    dialog()->show();
    dialog_->raise();
    dialog_->activateWindow();
}

void TextCommands::plotClicked(QPointF plotPosition) {
    if (dialog_ != nullptr && dialog_->isVisible())
        dialog_->setPlace({RoundHalfEven(plotPosition.x()), RoundHalfEven(plotPosition.y())});
}

bool TextCommands::refusedWhileSending() {
    if (!parts_.programCommands->programLocked())
        return false;
    parts_.notifier().notify(AppMessages::programLocked());
    return true;
}

namespace {

// Pen 1's height and the travel height as whole numbers.
Result<StrokeProgramSettings> heights(const ConverterSettings& converter) {
    StrokeProgramSettings settings;
    const Result<qint32> pen = ParseWhole(converter.penHeights[0].trimmed());
    if (!pen)
        return pen.failure();
    const Result<qint32> travel = ParseWhole(converter.travelHeight.trimmed());
    if (!travel)
        return travel.failure();
    settings.penHeight = *pen;
    settings.travelHeight = *travel;
    return settings;
}

} // namespace

bool TextCommands::insertText() {
    if (refusedWhileSending())
        return false;
    const TextChoice choice = dialog()->choice();
    Result<StrokeProgramSettings> settings =
        heights(parts_.converterSettings ? parts_.converterSettings() : ConverterSettings{});
    QString error;
    const StrokeFont* font = dialog_->font(choice.font, &error);
    if (!settings || font == nullptr) {
        parts_.notifier().showError(settings ? error : settings.error());
        return false;
    }
    TextSettings text;
    text.height = choice.height;
    const Result<TextLayout> layout = LayOutText(*font, choice.text, text);
    StrokeProgramSettings placed = *settings;
    placed.origin = {choice.place.x(), choice.place.y()};
    const Result<StrokeDrawing> drawing = layout ? MakeStrokeDrawing(layout->strokes, placed)
                                                 : Result<StrokeDrawing>(layout.failure());
    if (!drawing) {
        parts_.notifier().showError(drawing.error());
        return false;
    }
    // Prepared as the program; then the memo takes the prepared text as one
    // edit of the text before, so that "Cofnij" brings that back.
    ProgramMemo* memo = parts_.programPage->programMemo();
    const ProgramText before = memo->program();
    parts_.programList->replace(InsertDrawingMoves(before, drawing->drawing));
    if (!parts_.programCommands->refreshProgram()) {
        parts_.programList->replace(before);
        parts_.programCommands->refreshProgram();
        memo->setProgram(before);
        return false;
    }
    const QString after = memo->program().toUnicode();
    memo->setProgram(before);
    memo->selectAll();
    memo->insertText(after);
    return true;
}
