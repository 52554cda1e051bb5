#pragma once

#include "gcode/prepareprogram.h"

#include <QImage>
#include <QObject>
#include <QPointF>
#include <QRectF>

#include <functional>
#include <optional>

struct MainMenus;
class Notifier;
class PlotSurface;
class PlotWidget;
class ProgramList;
class ProgramPage;
class ProgramSettingsPage;
class StationDialogs;
class StationSettings;
class StationStatusBar;
class QWidget;

// The parts of the main window the program commands work on.
struct ProgramCommandParts {
    ProgramList* programList = nullptr;
    PlotSurface* plot = nullptr;
    PlotWidget* plotWidget = nullptr;
    ProgramPage* programPage = nullptr;
    ProgramSettingsPage* settingsPage = nullptr;
    const StationSettings* stationSettings = nullptr;
    StationStatusBar* statusBar = nullptr;
    MainMenus* menus = nullptr;
    QWidget* window = nullptr;
    std::function<Notifier&()> notifier;
    std::function<StationDialogs&()> dialogs;
};

// The window commands around a program: open, refresh, paste, save, save the
// picture, the shift gesture and the pointer readout on the plot. The logic
// (reading, preparing, drawing, writing) is the G-code library's; these
// commands ask the operator, call it and show the results.
class ProgramCommands : public QObject {
    Q_OBJECT
public:
    ProgramCommands(ProgramCommandParts parts, QObject* parent = nullptr);

    // The background painted at the start of every preparation.
    void setBackground(const QImage& background) { background_ = background; }
    // Draws the plot again from the last preparation: the background, the
    // forbidden circle (with the reach check), the findings' marks and the
    // moves in the colours set now.
    void drawPlot();
    const QImage& background() const { return background_; }
    // Tells whether the reference travel has been completed (the controller
    // link's ReferenceSet); opening a file then enables "Wyslij program".
    void setReferenceSetQuery(std::function<bool()> query) { referenceSet_ = std::move(query); }
    // Tells whether a transfer to the controller runs or holds: the program
    // is locked then, and every command that would change it is refused
    // with a message, so that the lines on the wire never change.
    void setTransferQuery(std::function<bool()> query) { transferring_ = std::move(query); }
    // The sheet chosen for placing, drawn on the plot with every preparation
    // (none when the query gives nothing).
    void setSheetQuery(std::function<std::optional<QRectF>()> query) { sheet_ = std::move(query); }
    bool programLocked() const { return transferring_ && transferring_(); }

    void newProgram();                             // Nowyprogram1: an empty program
    void openProgramFile();                        // Otwrz1Click
    bool openProgramFile(const QString& fileName); // the same after the dialog
    void refreshFromMemo();                        // Wyczy1Click
    // WklejGkodze1Click: the clipboard's text goes in at the caret on lines of
    // its own (a line break before it when the caret is inside a line, and
    // after it when it does not end with one), so no two programs fuse.
    void pasteFromClipboard();
    bool saveProgram(); // Zapiszgcode1Click; true when the program was saved
    void savePicture(); // Zapisz1Click
    // RefreshProgram: prepares ProgramList again (nothing while none exists).
    bool refreshProgram();
    // The converter's "Wstaw do programu": its G-code replaces ProgramList and
    // Memo1 and is prepared as a refresh would; the caption names the plot
    // file it was converted from. The simulation starts again from home.
    bool insertConvertedProgram(const ProgramText& lines, const QString& hpglFileName);

    // The shift gesture and the pointer readout, in plot units: a drag moves
    // the drawing by the pointer's travel (a click without travel changes
    // nothing); the status bar shows where the pointer is.
    void plotPressed(QPointF plotPosition);  // Image1MouseDown
    void plotReleased(QPointF plotPosition); // Image1MouseUp
    void plotMoved(QPointF plotPosition);    // Image1MouseMove
    // Selects line `line` (from 0) of the program in Memo1 (a path finding
    // was chosen).
    void selectProgramLine(qsizetype line);

    // Whether the program has edits not saved to a file: the operator's
    // typing and pasting in Memo1 or a shift on the plot since the program
    // was opened, saved, made new or converted.
    bool hasUnsavedEdits() const { return unsavedEdits_; }
    // Before the program is replaced or the station ends: true when nothing
    // would be lost (no unsaved edits, the operator saved them or let them
    // go); false when the operator cancelled or the save failed.
    bool mayReplaceProgram();

signals:
    // A program file is being opened: the simulation's start point goes back
    // to the home point X 500, Y 0.
    void startPointReset();
    // A preparation completed; ProgramList and Memo1 hold the new program.
    void programPrepared();
    // A program file was opened and prepared.
    void programOpened();
    // A program file was read or written; a picture of the plot was saved.
    void programFileUsed(const QString& fileName);
    void pictureSaved(const QString& fileName);
    // ... the same, with the file's full name.
    void programFileOpened(const QString& fullFileName);

private:
    bool prepare();
    PrepareSettings preparationSettings(ProgramShift shift) const;
    void showPrepared(PreparedProgram& prepared);
    // True, after telling the operator, when the program is locked.
    bool refusedWhileSending();
    void showCheckReport(const CheckReport& report, const PathCheckReport& path);

    ProgramCommandParts parts_;
    QImage background_;
    std::vector<PlotMove> plotMoves_; // of the last preparation
    std::vector<PathFinding> plotFindings_;
    ProgramShift shift_;
    std::optional<QPointF> pressPosition_;
    std::function<bool()> referenceSet_;
    std::function<bool()> transferring_;
    std::function<std::optional<QRectF>()> sheet_;
    bool unsavedEdits_ = false;
};
