#include "view3d/viewinfo.h"

#include "base/numberformat.h"
#include "motion/viewpose.h"
#include "view3d/visualisationtexts.h"

namespace {

// Arm1Angle is alfa minus 90.
constexpr double kArm1AngleOffset = 90.0;

// The pen's x, y and z as the simulation last published them; nothing before
// the first move.
QString penText(double value) {
    return ViewPose::isPublished(value) ? FormatReal(value) : QString();
}

QString penHeightText(int height) {
    return ViewPose::isPublished(height) ? FormatWhole(height) : QString();
}

} // namespace

ViewInfoTexts ViewInfoTexts::initial() {
    using namespace VisualisationTexts;
    return {kInitialX, kInitialY, kInitialZ, initialAlfa(), initialBeta()};
}

ViewInfoTexts ViewInfoTexts::fromPose(const ViewPose& pose) {
    using namespace VisualisationTexts;
    const double alfa = static_cast<double>(pose.Arm1Angle.load()) + kArm1AngleOffset;
    const double beta = static_cast<double>(pose.Arm2Angle.load());
    return {kXPrefix + penText(pose.PenX.load()), kYPrefix + penText(pose.PenY.load()),
            kZPrefix + penHeightText(pose.PenHeight.load()), alfaField(FormatReal(alfa)),
            betaField(FormatReal(beta))};
}
