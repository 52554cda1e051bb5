#include "app/reachmessages.h"

#include "gcode/blockview.h"
#include "gcode/gcodemessages.h"

QStringList ListReachMessages(const ProgramText& source, const PreparedProgram& prepared,
                              qsizetype limit) {
    QStringList listed;
    if (prepared.checkReport.outOfReachCount() == 0)
        return listed;
    const std::vector<PlotMove>& moves = prepared.moves;
    std::size_t move = 0;
    BlockView block;
    for (qsizetype i = 0; i < source.lineCount() && move < moves.size(); ++i) {
        block.parse(source.line(i));
        if (block.has(GcodeWord::X) && block.has(GcodeWord::Y)) {
            const double x = moves[move].toX;
            const double y = moves[move].toY;
            ++move;
            if (x * x + y * y > kReachSquared) {
                listed.append(GcodeMessages::outOfReach(block.word(GcodeWord::N)));
                if (listed.size() >= limit)
                    break;
            }
        }
        if (block.word(GcodeWord::M) == QByteArrayView("30"))
            break;
    }
    return listed;
}
