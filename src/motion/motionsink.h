#pragma once

#include <QString>

struct SimulationState;

// How a simulation run ended.
enum class RunEnd {
    EndBlock,  // the block whose M word is "30" was executed
    EndOfList, // the last line of the program was executed
    Stopped,   // a stop was requested
    Failed,    // a word could not be converted; `error` holds the text
};

struct RunOutcome {
    RunEnd end = RunEnd::EndBlock;
    QString error;
    int blocks = 0; // blocks read
};

// Where the simulation publishes what it changes. The simulation thread
// calls these in a fixed order; a window implementation carries each call
// out on the user-interface thread and returns when it is done (synchronous
// hand-over), a headless one prints or records. The state passed in may be
// read during the call only.
class MotionSink {
public:
    virtual ~MotionSink() = default;

    // A block was read: the program view advances by one line.
    virtual void advanceProgramView(const QString& line) { (void)line; }
    // A block with X and Y is about to move: the move panel.
    virtual void drawMovePanel(const SimulationState& state) { (void)state; }
    // The pen moved by one unit (state.penHeight): the 3D window's z field.
    virtual void showPenHeight(const SimulationState& state) { (void)state; }
    // The joints of a point have been stepped: the joint-angle log line.
    virtual void logJointAngles(const SimulationState& state) { (void)state; }
    // The stepped pose of the point: the 3D window's alfa, beta, x, y fields.
    virtual void showPose(const SimulationState& state) { (void)state; }
    // The point on the plot and its interpolation log line.
    virtual void plotInterpolationPoint(const SimulationState& state) { (void)state; }
    // The current-position panel.
    virtual void drawPositionPanel(const SimulationState& state) { (void)state; }
    // The run has ended (not called when it ends before reading a block).
    virtual void runEnded(const RunOutcome& outcome) { (void)outcome; }
};
