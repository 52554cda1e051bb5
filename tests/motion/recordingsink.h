#pragma once

#include "gcode/plotsurface.h"
#include "motion/motionsink.h"
#include "motion/motiontexts.h"
#include "motion/simulationstate.h"

#include <QPointF>
#include <QStringList>

#include <vector>

// Records what the simulation publishes, in order, for the tests.
class RecordingSink : public MotionSink {
public:
    QStringList events;          // every call, in order
    QStringList logLines;        // joint-angle log lines
    QStringList pointLines;      // interpolation log lines
    std::vector<QPointF> points; // plotted points
    std::vector<int> penHeights; // pen heights at the plotted points
    QStringList moveLines;       // move panel lines of the last block
    QStringList positionLines;   // position panel lines of the last point
    std::vector<RunOutcome> ends;

    void blockStarted(const QString& line) override { events << "advance " + line; }
    void moveStarting(const SimulationState& s) override {
        moveLines = MotionTexts::movePanelLines(s);
        events << "move";
    }
    void penMoved(const SimulationState& s) override {
        events << "pen " + QString::number(s.penHeight);
    }
    void jointsStepped(const SimulationState& s) override {
        logLines << MotionTexts::jointAnglesLine(s);
        events << "log";
    }
    void poseReached(const SimulationState&) override { events << "pose"; }
    void pointReached(const SimulationState& s) override {
        points.emplace_back(s.currentX, s.currentY);
        penHeights.push_back(s.penHeight);
        pointLines << InterpolationLogLine(s.nText.toLatin1(), s.currentX, s.currentY, s.z);
        events << "plot";
    }
    void positionChanged(const SimulationState& s) override {
        positionLines = MotionTexts::positionPanelLines(s);
        events << "panel";
    }
    void runEnded(const RunOutcome& outcome) override {
        ends.push_back(outcome);
        events << "end";
    }
};
