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

    void advanceProgramView(const QString& line) override { events << "advance " + line; }
    void drawMovePanel(const SimulationState& s) override {
        moveLines = MotionTexts::movePanelLines(s);
        events << "move";
    }
    void showPenHeight(const SimulationState& s) override {
        events << "pen " + QString::number(s.penHeight);
    }
    void logJointAngles(const SimulationState& s) override {
        logLines << MotionTexts::jointAnglesLine(s);
        events << "log";
    }
    void showPose(const SimulationState&) override { events << "pose"; }
    void plotInterpolationPoint(const SimulationState& s) override {
        points.emplace_back(s.currentX, s.currentY);
        penHeights.push_back(s.penHeight);
        pointLines << InterpolationLogLine(s.nText.toLatin1(), s.currentX, s.currentY, s.z);
        events << "plot";
    }
    void drawPositionPanel(const SimulationState& s) override {
        positionLines = MotionTexts::positionPanelLines(s);
        events << "panel";
    }
    void runEnded(const RunOutcome& outcome) override {
        ends.push_back(outcome);
        events << "end";
    }
};
