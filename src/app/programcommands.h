#pragma once

#include "gcode/prepareprogram.h"

#include <QImage>
#include <QObject>
#include <QPoint>

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
    const QImage& background() const { return background_; }
    // Tells whether the reference travel has been completed (the controller
    // link's ReferenceSet); opening a file then enables "Wyslij program".
    void setReferenceSetQuery(std::function<bool()> query) { referenceSet_ = std::move(query); }

    void openProgramFile();                        // Otwrz1Click
    bool openProgramFile(const QString& fileName); // the same after the dialog
    void refreshFromMemo();                        // Wyczy1Click
    void pasteFromClipboard();                     // WklejGkodze1Click
    void saveProgram();                            // Zapiszgcode1Click
    void savePicture();                            // Zapisz1Click
    // RefreshProgram: prepares ProgramList again (nothing while none exists).
    bool refreshProgram();

    void plotPressed(QPoint screenPosition);  // Image1MouseDown
    void plotReleased(QPoint screenPosition); // Image1MouseUp
    void plotMoved(QPoint screenPosition);    // Image1MouseMove
    // Selects line `line` (from 0) of the program in Memo1 (a path finding
    // was chosen).
    void selectProgramLine(qsizetype line);

signals:
    // A program file is being opened: the simulation's start point goes back
    // to the home point X 500, Y 0.
    void startPointReset();
    // A preparation completed; ProgramList and Memo1 hold the new program.
    void programPrepared();

private:
    bool prepare();
    void showCheckReport(const CheckReport& report, const PathCheckReport& path);

    ProgramCommandParts parts_;
    QImage background_;
    ProgramShift shift_;
    std::optional<QPoint> pressPosition_;
    std::function<bool()> referenceSet_;
};
