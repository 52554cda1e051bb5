#pragma once

#include "drawing/placement.h"

#include <QObject>
#include <QRectF>

#include <functional>
#include <optional>
#include <vector>

class Notifier;
class ProgramCommands;
class ProgramList;
class ProgramPage;
class QAction;
class StationDialogs;
class StationSettings;

// The parts of the main window placing works on.
struct PlacementCommandParts {
    ProgramCommands* programCommands = nullptr;
    ProgramList* programList = nullptr;
    ProgramPage* programPage = nullptr;
    const StationSettings* stationSettings = nullptr; // the forbidden radius (Edit15)
    QAction* oneSide = nullptr;                       // checked: one side of the Y axis always
    std::vector<QAction*> sheets; // the checked one's data names the sheet (empty: none)
    std::function<Notifier&()> notifier;
    std::function<StationDialogs&()> dialogs;
};

// "Dopasuj do obszaru roboczego": the program in Memo1 placed in the arm's
// safe area and prepared, the prepared text put in the memo as one edit of
// the text before (so that "Cofnij" in the memo brings that back); the placement's report listed
// where the reach messages are. "Obrysuj rysunek": a pen-up program around the drawing's box (and
// the sheet's, when one is chosen in "Arkusz"), saved where the operator chooses. Both leave the
// program as it is on an error (shown) and while a transfer runs or holds.
class PlacementCommands : public QObject {
    Q_OBJECT
public:
    explicit PlacementCommands(PlacementCommandParts parts, QObject* parent = nullptr);

    // The settings the window places by: the controller settings' forbidden
    // radius and the side choice (margin 10).
    PlacementSettings settings() const;
    // Where the chosen sheet lies, for the plot; none without a sheet or
    // when it does not fit.
    std::optional<QRectF> sheetOnPlot() const;

    bool fitProgram();
    bool outlineProgram();

private:
    bool refusedWhileSending();

    PlacementCommandParts parts_;
};
