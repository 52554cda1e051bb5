#pragma once

#include "base/result.h"
#include "gcode/programtext.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

// A program's layers, one a pen or colour, and what each is sent with.
//
// A layer begins at the station's mark, a line of its own:
//     (warstwa 2)            or      (warstwa 2: czerwony)
// Lower case and brackets: the mark holds no word letter (a line that does
// is no mark), so it parses to
// an empty block and the simulation, the plot and the checks pass over it;
// the preparation keeps it as it stands (PrepareProgram), and the program
// sent to the controller never holds it (BuildSendProgram). A program
// without marks has its layers by pen: a new one begins after the last
// drawing move of a Z when a drawing move of another Z follows, so the
// travel to the new pen and a hold before it (M00) belong to the new layer.
// Lines before the first layer are always sent.

// The number of a mark line, or nothing when the line is no mark.
std::optional<int> LayerMarkNumber(QByteArrayView line);
// The mark of layer `number`.
QByteArray LayerMark(int number);

struct ProgramLayer {
    int number = 1;
    qsizetype firstLine = 0; // its first line (its mark, when marked)
    qsizetype endLine = 0;   // one past its last line
    double drawnLength = 0;  // pen-down moves
    qsizetype drawingMoves = 0;
    std::optional<double> penZ; // Z of its first drawing move
    qint64 sentLines = 0;       // what the transfer sends of it: lines and
    qint64 sentBytes = 0;       // their bytes (marks and empty lines left out)
};

// The layers in program order. Numbers come from the marks, or 1, 2, ... by
// pen; a program that draws with one pen and has no mark is one layer.
std::vector<ProgramLayer> SplitLayers(const ProgramText& program);

// What one layer is sent with.
struct LayerSettings {
    int number = 1;
    bool send = true;
    std::optional<double> z;    // the pen's Z on its drawing moves (G01)
    std::optional<double> feed; // an F word on its drawing moves, > 0
    bool hold = false;          // a hold (M00) before it, with `holdMessage`
    QString holdMessage;        // empty: "Załóż pisak <number>"
};

struct SendPlan {
    std::vector<LayerSettings> layers; // layers not named are sent as they are
    std::optional<double> refillEvery; // a hold after every so much drawing (> 0)
};

// The program as the transfer sends it, and the notice of each hold it
// added (by line index from 0).
struct SendProgram {
    ProgramText lines;
    // Per sent line, the program line it comes from (a hold: the line after it).
    std::vector<qsizetype> programLines;
    std::vector<std::pair<qsizetype, QString>> holdNotices;
    // The notice of a hold before line `index`, empty when there is none.
    QString noticeAt(qsizetype index) const;
};

// Builds what is sent from a prepared program: marks left out, the layers
// not sent left out (an end block M30 stays), each layer's Z and feed
// written into its drawing moves, its hold before it (unless it begins with
// one), and with refillEvery a hold (M00) once the length a layer has drawn
// reaches each multiple of it: after that drawing move, before the layer's
// next move, so the pen is lifted where it stopped. Fails with the station's text for a layer the
// program does not have, a feed or a refill distance of 0 or less.
Result<SendProgram> BuildSendProgram(const ProgramText& program, const SendPlan& plan);
