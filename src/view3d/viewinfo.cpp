#include "view3d/viewinfo.h"

#include "gcode/numberformat.h"
#include "view3d/viewpose.h"
#include "view3d/visualisationtexts.h"

namespace {

// Arm1Angle is alfa minus 90.
constexpr double kArm1AngleOffset = 90.0;

} // namespace

ViewInfoTexts ViewInfoTexts::initial() {
    using namespace VisualisationTexts;
    return {kInitialX, kInitialY, kInitialZ, kInitialAlfa, kInitialBeta};
}

ViewInfoTexts ViewInfoTexts::fromPose(const ViewPose& pose) {
    using namespace VisualisationTexts;
    const double alfa = static_cast<double>(pose.Arm1Angle.load()) + kArm1AngleOffset;
    const double beta = static_cast<double>(pose.Arm2Angle.load());
    return {kXPrefix + pose.XText(), kYPrefix + pose.YText(), kZPrefix + pose.ZText(),
            kAlfaPrefix + FormatReal(alfa), kBetaPrefix + FormatReal(beta)};
}
