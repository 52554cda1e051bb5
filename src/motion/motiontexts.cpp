#include "motion/motiontexts.h"

#include "base/numberformat.h"
#include "motion/simulationstate.h"

#include <QCoreApplication>

namespace MotionTexts {

QString jointAnglesLine(const SimulationState& state) {
    return QStringLiteral("N") + state.nText + QStringLiteral(" alfa:") +
           FormatReal(state.current.alfa) + QStringLiteral(" beta:") +
           FormatReal(state.current.beta);
}

QString alfaField(double alfa) {
    return QCoreApplication::translate("MotionTexts", "alfa= %1").arg(FormatReal(alfa));
}
QString betaField(double beta) {
    return QCoreApplication::translate("MotionTexts", "beta= %1").arg(FormatReal(beta));
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

QString moveFrom() {
    return QCoreApplication::translate("MotionTexts", "JAZDA Z PUNKTU:");
}

QString moveTo() {
    return QCoreApplication::translate("MotionTexts", "DO PUNKTU:");
}

QString currentPosition() {
    return QCoreApplication::translate("MotionTexts", "POZYCJA AKTUALNA:");
}

QStringList movePanelLines(const SimulationState& s) {
    const QString z = QStringLiteral("Z= ") + FormatWhole(s.z);
    return {moveFrom(),
            QStringLiteral("X= ") + FormatReal(s.startX),
            QStringLiteral("Y= ") + FormatReal(s.startY),
            z,
            moveTo(),
            QStringLiteral("X= ") + FormatWhole(s.x),
            QStringLiteral("Y= ") + FormatWhole(s.y),
            z};
}

QStringList positionPanelLines(const SimulationState& s) {
    return {currentPosition(),
            QStringLiteral("N= ") + s.nText,
            QStringLiteral("G= ") + s.gText,
            QStringLiteral("T= ") + s.tText,
            QStringLiteral("X= ") + FormatReal(s.currentX),
            QStringLiteral("Y= ") + FormatReal(s.currentY),
            QStringLiteral("Z= ") + s.zText};
}

QString noProgram() {
    return QCoreApplication::translate(
        "MotionTexts",
        "Brak przygotowanego programu do symulacji. Otwórz plik z G-kodem lub odśwież g-kod.");
}

QString runFailed(const QString& nText, const QString& error) {
    return QCoreApplication::translate("MotionTexts", "Symulacja przerwana w bloku N%1: %2")
        .arg(nText, error);
}

QString progress(ProgressState state, qsizetype block, qsizetype totalBlocks, qint64 points) {
    const QString b = QString::number(block);
    const QString total = QString::number(totalBlocks);
    const QString p = QString::number(points);
    switch (state) {
    case ProgressState::Ended:
        return QCoreApplication::translate("MotionTexts",
                                           "Symulacja zakończona: %1 bloków, %2 punktów")
            .arg(b, p);
    case ProgressState::Stopped:
        return QCoreApplication::translate("MotionTexts",
                                           "Symulacja przerwana: blok %1 z %2, punkt %3")
            .arg(b, total, p);
    case ProgressState::Running:
    case ProgressState::Held:
        break;
    }
    const QString percent = QString::number(totalBlocks > 0 ? block * 100 / totalBlocks : 0);
    return (state == ProgressState::Held
                ? QCoreApplication::translate("MotionTexts",
                                              "Symulacja wstrzymana: blok %1 z %2 (%3%), punkt %4")
                : QCoreApplication::translate("MotionTexts",
                                              "Symulacja: blok %1 z %2 (%3%), punkt %4"))
        .arg(b, total, percent, p);
}

} // namespace MotionTexts
