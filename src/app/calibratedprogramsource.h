#pragma once

#include "controller/programsource.h"
#include "gcode/programlayers.h"
#include "gcode/programlist.h"
#include "motion/armcalibration.h"

#include <optional>
#include <vector>

// The station's program as the controller link sends it: the list as it
// stands, or, with an arm calibration in force, the list corrected for that
// arm, so that the real arm draws the intended points. The plot, the
// simulation and the 3D view read the list itself and keep showing the
// intended drawing. The corrected program is made again when the program or
// the calibration changes (never while a transfer runs: both are locked then).
// Before the correction the program's layers are laid out as the layer
// table asks (BuildSendProgram): the layers not sent left out, their Z,
// feed and holds in, and the layer marks, which the controller never sees,
// always left out.
class CalibratedProgramSource : public ProgramSource {
public:
    explicit CalibratedProgramSource(const ProgramList& list) : list_(list) {}

    int lineCount() const override;
    std::optional<QByteArray> lineAt(int index) const override;

    const std::optional<ArmCalibration>& calibration() const { return calibration_; }
    // Puts `calibration` in force (none: the list goes as it is). Fails, the
    // old calibration kept, when the program cannot be corrected.
    Status setCalibration(const std::optional<ArmCalibration>& calibration);
    // The list was prepared anew: corrects it again. A failure leaves the
    // program going uncorrected and says why.
    Status programChanged();

    // The program line (from 0) whose correction the sent line `index` is
    // part of; without a calibration, the same line.
    int programLineOf(int index) const;
    // The first sent line of program line `line`: the pieces of its move,
    // else its own.
    int sentIndexOf(int line) const;

    // What the layers are sent with; fails, the old plan kept, when the
    // program cannot be laid out so.
    Status setSendPlan(const SendPlan& plan);
    // The notice of the hold the layer layout put before sent line `index`
    // (empty when it put none there).
    QString holdNotice(int index) const;

private:
    Status correct(const ArmCalibration& calibration);
    // The list with its layers laid out (the list itself when it has no
    // mark and the plan asks nothing).
    Status layOut(const SendPlan& plan);
    ProgramText base() const { return laid_ ? laid_->lines : list_.snapshot(); }

    const ProgramList& list_;
    std::optional<ArmCalibration> calibration_;
    ProgramText corrected_;
    std::vector<int> programLines_; // of each sent line, while corrected
    SendPlan plan_;
    std::optional<SendProgram> laid_;
};
