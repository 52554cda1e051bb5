#pragma once

#include <QMetaType>
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

Q_DECLARE_METATYPE(RunOutcome)

// Where the simulation publishes what happens to the arm. The simulation
// thread calls these in a fixed order; a window implementation carries each
// call out on the user-interface thread and returns when it is done
// (synchronous hand-over), a headless one prints or records. The state passed
// in may be read during the call only.
class MotionSink {
public:
    virtual ~MotionSink() = default;

    // A block was read (its program line).
    virtual void blockStarted(const QString& line) { (void)line; }
    // A block with X and Y is about to move from the start point.
    virtual void moveStarting(const SimulationState& state) { (void)state; }
    // The pen moved by one unit (state.penHeight).
    virtual void penMoved(const SimulationState& state) { (void)state; }
    // The joints of a grid point have been stepped (state.current).
    virtual void jointsStepped(const SimulationState& state) { (void)state; }
    // The arm has reached the stepped pose of the point.
    virtual void poseReached(const SimulationState& state) { (void)state; }
    // The pen has reached the grid point (state.currentX, currentY, z).
    virtual void pointReached(const SimulationState& state) { (void)state; }
    // The current position changed: the point is done.
    virtual void positionChanged(const SimulationState& state) { (void)state; }
    // The run has ended (not called when it ends before reading a block).
    virtual void runEnded(const RunOutcome& outcome) { (void)outcome; }
};
