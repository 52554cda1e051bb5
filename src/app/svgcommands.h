#pragma once

#include "base/result.h"
#include "drawing/penpreferences.h"
#include "drawing/placement.h"
#include "hpgl/convertersettings.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class Notifier;
class ProgramCommands;
class ProgramList;
class ProgramPage;
class QWidget;
class SvgOptionsDialog;
struct SvgImportSettings;

// The parts of the main window the SVG and optimiser commands work on.
struct SvgCommandParts {
    ProgramCommands* programCommands = nullptr;
    ProgramList* programList = nullptr;
    ProgramPage* programPage = nullptr;
    QWidget* window = nullptr;
    std::function<Notifier&()> notifier;
    // The open dialog for drawings: a file name, or empty when cancelled.
    std::function<QString()> chooseDrawing;
    // The pen heights and travel height, as the converter's pages hold them
    // (the defaults when not given).
    std::function<ConverterSettings()> converterSettings;
    // Where a drawing is placed: the window's forbidden radius and side choice
    // (the defaults when not given).
    std::function<PlacementSettings()> placementSettings;
};

// "Otwórz rysunek SVG", an SVG file dropped on the window, and "Optymalizuj
// program". A drawing is imported placed in the safe area and optimised, then
// becomes the program as the converter's output does (prepared and drawn),
// with the import report listed where the reach messages are. A drawing
// that cannot be imported leaves the program as it was, and while a transfer
// runs or holds the program is not touched at all. The optimiser's
// figures before and after come in a notice. "Opcje importu SVG…" sets what
// the pen makes of the drawings imported after it (SvgOptionsDialog).
class SvgCommands : public QObject {
    Q_OBJECT
public:
    explicit SvgCommands(SvgCommandParts parts, QObject* parent = nullptr);

    void openDrawing();                        // after the open dialog
    bool openDrawingFile(const QString& file); // the menu's and the drop's
    bool optimizeProgram();                    // "Optymalizuj program"
    SvgOptionsDialog* openOptions();           // "Opcje importu SVG…", shown

    // The pen pass's choices, kept between runs by the station's persistence.
    const PenPreferences& preferences() const { return preferences_; }
    void setPreferences(const PenPreferences& preferences) { preferences_ = preferences; }
    // What a drawing is imported with now: fitted by the window's placement,
    // the converter's heights, the pen pass's choices.
    Result<SvgImportSettings> importSettings() const;

    // Replaces the open dialog (tests answer it).
    void setDrawingChooser(std::function<QString()> choose) {
        parts_.chooseDrawing = std::move(choose);
    }

private:
    // True, after telling the operator, while a transfer holds the program.
    bool refusedWhileSending();

    SvgCommandParts parts_;
    PenPreferences preferences_;
    QPointer<SvgOptionsDialog> options_; // the window's child: gone with it
};

// The open dialog for drawings (*.svg, or all files) over `owner`.
QString ChooseDrawingFile(QWidget* owner);
