#include "motion/motiontexts.h"

#include "base/numberformat.h"
#include "motion/simulationstate.h"

namespace MotionTexts {

QString jointAnglesLine(const SimulationState& state) {
    return QStringLiteral("N") + state.nText + QStringLiteral(" alfa:") +
           FormatReal(state.current.alfa) + QStringLiteral(" beta:") +
           FormatReal(state.current.beta);
}

QString alfaField(double alfa) {
    return QStringLiteral("alfa= ") + FormatReal(alfa);
}
QString betaField(double beta) {
    return QStringLiteral("beta= ") + FormatReal(beta);
}
QString xField(double x) {
    return QStringLiteral("x=") + FormatReal(x);
}
QString yField(double y) {
    return QStringLiteral("y=") + FormatReal(y);
}
QString zField(int penHeight) {
    return QStringLiteral("z=") + FormatWhole(penHeight);
}

QStringList movePanelLines(const SimulationState& s) {
    const QString z = QStringLiteral("Z= ") + FormatWhole(s.z);
    return {kMoveFrom.toString(),
            QStringLiteral("X= ") + FormatReal(s.startX),
            QStringLiteral("Y= ") + FormatReal(s.startY),
            z,
            kMoveTo.toString(),
            QStringLiteral("X= ") + FormatWhole(s.x),
            QStringLiteral("Y= ") + FormatWhole(s.y),
            z};
}

QStringList positionPanelLines(const SimulationState& s) {
    return {kCurrentPosition.toString(),
            QStringLiteral("N= ") + s.nText,
            QStringLiteral("G= ") + s.gText,
            QStringLiteral("T= ") + s.tText,
            QStringLiteral("X= ") + FormatReal(s.currentX),
            QStringLiteral("Y= ") + FormatReal(s.currentY),
            QStringLiteral("Z= ") + s.zText};
}

QString runFailed(const QString& nText, const QString& error) {
    return QStringLiteral("Symulacja przerwana w bloku N") + nText + QStringLiteral(": ") + error;
}

} // namespace MotionTexts
