#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

struct SimulationState;

// The simulation's own texts and the lines it writes, in one place for the
// window, the tools and the tests.
namespace MotionTexts {

// The panels' headings.
QString moveFrom();        // JAZDA Z PUNKTU:
QString moveTo();          // DO PUNKTU:
QString currentPosition(); // POZYCJA AKTUALNA:

// The joint-angle log line: "N" + N text + " alfa:" + alfa + " beta:" + beta.
// Like the interpolation log's lines it is the log's own format, the one the
// headless run writes to its log file, and is not translated.
QString jointAnglesLine(const SimulationState& state);

// The 3D window's fields: "alfa= 12,5", "beta= -3", "x=500", "y=0", "z=50";
// the joints' names are translated, the axes' letters are not.
QString alfaField(double alfa);
QString betaField(double beta);
QString xField(double x);
QString yField(double y);
QString zField(int penHeight);

// The eight lines of the move panel and the seven of the position panel,
// top to bottom.
QStringList movePanelLines(const SimulationState& state);
QStringList positionPanelLines(const SimulationState& state);

// The station's minimum interpolation angle and resolution-error count, as
// the fields "Minimalny kąt interpolacji:" and "Ilosc bledow rozdzielczosci"
// show them once a simulation has run; nothing changes them.
inline constexpr QStringView kMinimumInterpolationAngle = u"180";
inline constexpr QStringView kResolutionErrors = u"0";

// Shown when "Start symulacja" finds no prepared program.
QString noProgram();

// Shown when a run ends on a word that cannot be converted:
// "Symulacja przerwana w bloku N20: <error>".
QString runFailed(const QString& nText, const QString& error);

// How far a run has got, for the status bar: "Symulacja: blok 12 z 340 (3%),
// punkt 1450", "Symulacja wstrzymana: ..." while held; at the end
// "Symulacja zakończona: 340 bloków, 12345 punktów" or, stopped or failed,
// "Symulacja przerwana: blok 12 z 340, punkt 1450".
enum class ProgressState { Running, Held, Ended, Stopped };
QString progress(ProgressState state, qsizetype block, qsizetype totalBlocks, qint64 points);

} // namespace MotionTexts
