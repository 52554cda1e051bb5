#pragma once

#include "hpgl/convertersettings.h"

#include <QObject>
#include <QPointF>
#include <QPointer>

#include <functional>

class Notifier;
class ProgramCommands;
class ProgramList;
class ProgramPage;
class TextDialog;
class QWidget;

// The parts of the main window "Wstaw tekst…" works on.
struct TextCommandParts {
    ProgramCommands* programCommands = nullptr;
    ProgramList* programList = nullptr;
    ProgramPage* programPage = nullptr;
    QWidget* window = nullptr;
    std::function<Notifier&()> notifier;
    // Pen 1's height and the travel height, as the converter's pages hold
    // them (the defaults when not given).
    std::function<ConverterSettings()> converterSettings;
};

// "Edycja" -> "Wstaw tekst…": the dialog (TextDialog), a click on the plot
// while it is open as the text's place, and "Wstaw": the text laid out in
// the single-stroke font at that place, in whole units, optimised, written
// with pen 1's height and the travel height and put into the program before
// its end (InsertDrawingMoves), then prepared and drawn. The memo takes the
// prepared text as one edit, so that "Cofnij" takes the text out again.
// Bad input (an empty text, a broken pen height) is said and changes nothing; while a transfer runs
// or holds the program is not touched.
class TextCommands : public QObject {
    Q_OBJECT
public:
    explicit TextCommands(TextCommandParts parts, QObject* parent = nullptr);
    ~TextCommands() override;

    void open();
    TextDialog* dialog();
    // A click on the plot: the place, while the dialog is open.
    void plotClicked(QPointF plotPosition);
    bool insertText();

private:
    bool refusedWhileSending();

    TextCommandParts parts_;
    QPointer<TextDialog> dialog_; // the window's child: gone with it
};
