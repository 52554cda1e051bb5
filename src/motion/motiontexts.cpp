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

QString progress(ProgressState state, qsizetype block, qsizetype totalBlocks, qint64 points) {
    if (state == ProgressState::Ended)
        return QStringLiteral("Symulacja zakończona: %1 bloków, %2 punktów").arg(block).arg(points);
    const QString where = QStringLiteral("blok %1 z %2").arg(block).arg(totalBlocks);
    if (state == ProgressState::Stopped)
        return QStringLiteral("Symulacja przerwana: %1, punkt %2").arg(where).arg(points);
    const qsizetype percent = totalBlocks > 0 ? block * 100 / totalBlocks : 0;
    return (state == ProgressState::Held ? QStringLiteral("Symulacja wstrzymana: ")
                                         : QStringLiteral("Symulacja: ")) +
           QStringLiteral("%1 (%2%), punkt %3").arg(where).arg(percent).arg(points);
}

} // namespace MotionTexts
