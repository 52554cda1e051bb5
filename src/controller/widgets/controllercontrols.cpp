#include "controller/widgets/controllercontrols.h"

#include <algorithm>

const char* ControllerControls::firstMissing() const {
    const auto anyNull = [](const auto& controls) {
        return std::any_of(controls.begin(), controls.end(),
                           [](const auto* control) { return control == nullptr; });
    };
    if (anyNull(portSelectors))
        return "portSelectors";
    if (anyNull(lamps))
        return "lamps";
    if (anyNull(statusPanels))
        return "statusPanels";
    const std::pair<const void*, const char*> single[] = {
        {connectButton, "connectButton"},
        {disconnectButton, "disconnectButton"},
        {manualModeBox, "manualModeBox"},
        {addressField, "addressField"},
        {g00HeightField, "g00HeightField"},
        {sendG00Height, "sendG00Height"},
        {g01HeightField, "g01HeightField"},
        {sendG01Height, "sendG01Height"},
        {arm1MoveField, "arm1MoveField"},
        {sendArm1Move, "sendArm1Move"},
        {arm2MoveField, "arm2MoveField"},
        {sendArm2Move, "sendArm2Move"},
        {zMoveField, "zMoveField"},
        {sendZMove, "sendZMove"},
        {heightCorrection, "heightCorrection"},
        {setReference, "setReference"},
        {frameLog, "frameLog"},
        {terminal, "terminal"},
        {connectItem, "connectItem"},
        {referenceTravelItem, "referenceTravelItem"},
        {sendProgramItem, "sendProgramItem"},
        {pauseItem, "pauseItem"},
        {holdItem, "holdItem"},
        {holdNowItem, "holdNowItem"},
        {resumeItem, "resumeItem"},
        {abortItem, "abortItem"},
        {traceItem, "traceItem"},
        {window, "window"},
    };
    for (const auto& [control, name] : single) {
        if (control == nullptr)
            return name;
    }
    return nullptr;
}
