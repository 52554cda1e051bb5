#pragma once

#include "app/stationsettings.h"
#include "gcode/plotsurface.h"
#include "gcode/programlist.h"

// The station's document: the prepared program that the simulation runs and
// the controller link sends, the plot it is drawn on, and the settings the
// preparation and the controller take. The station holds it; the main window
// edits and shows it, the other parts read it.
class StationDocument {
public:
    ProgramList& program() { return program_; }
    const ProgramList& program() const { return program_; }
    PlotSurface& plot() { return plot_; }
    const PlotSurface& plot() const { return plot_; }
    StationSettings& settings() { return settings_; }
    const StationSettings& settings() const { return settings_; }

private:
    ProgramList program_;
    PlotSurface plot_;
    StationSettings settings_;
};
