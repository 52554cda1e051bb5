#include "drawing/programplacement.h"

#include "base/memoryadvice.h"
#include "base/numberformat.h"
#include "drawing/drawingprogram.h"
#include "drawing/placementtexts.h"
#include "drawing/programmoves.h"
#include "drawing/travelroute.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr double kDefaultTravelZ = 10;

// The value to a thousandth in the station's number format, as AppendReal
// writes it, without its general (and slower) formatting.
void appendValue(std::string& out, double value) {
    const double thousandths = RoundHalfEven(value * 1000);
    if (!(std::abs(thousandths) < 1e15)) {
        AppendReal(out, thousandths / 1000);
        return;
    }
    qint64 n = qint64(thousandths);
    if (n < 0)
        out += '-', n = -n;
    AppendWhole(out, n / 1000);
    if (const int fraction = int(n % 1000); fraction != 0) {
        const char digits[3] = {char('0' + fraction / 100), char('0' + fraction / 10 % 10),
                                char('0' + fraction % 10)};
        size_t length = 3;
        while (digits[length - 1] == '0')
            --length;
        out += ',';
        out.append(digits, length);
    }
}

// Where a move line's X and Y values stand, read once.
struct MoveText {
    qsizetype line = 0;
    qint32 xBegin = 0, xEnd = 0, yBegin = 0, yEnd = 0; // empty: the word is absent
    bool penDown = false;
    bool hasZ = false;
    double z = 0;
};

struct ProgramMoves {
    DrawingShape shape;
    std::vector<MoveText> texts; // one for each move of the shape
};

Result<ProgramMoves> movesOf(const ProgramText& program) {
    ProgramMoves moves;
    moves.shape.reserve(size_t(program.lineCount()));
    moves.texts.reserve(size_t(program.lineCount()));
    AdviseLargeBuffer(moves.shape.data(), moves.shape.capacity() * sizeof(moves.shape[0]));
    AdviseLargeBuffer(moves.texts.data(), moves.texts.capacity() * sizeof(MoveText));
    MoveReader reader;
    for (qsizetype i = 0; i < program.lineCount(); ++i) {
        const QByteArrayView line = program.line(i);
        const bool first = !reader.started();
        const Result<LineMove> move = reader.read(line);
        if (!move)
            return move.failure();
        if (!move->moves)
            continue;
        moves.shape.push_back({move->to, move->penDown && !first});
        auto offset = [&line](QByteArrayView value) {
            return value.isEmpty() ? 0 : qint32(value.data() - line.data());
        };
        moves.texts.push_back({i, offset(move->x), offset(move->x) + qint32(move->x.size()),
                               offset(move->y), offset(move->y) + qint32(move->y.size()),
                               move->penDown, move->z.has_value(), move->z.value_or(0)});
    }
    return moves;
}

// "G00 X x Y y [Z z]" to each waypoint.
void appendWaypoints(ProgramText& out, const std::vector<PathPoint>& waypoints, bool hasZ,
                     double z) {
    for (const PathPoint& w : waypoints) {
        std::string line = "G00 X ";
        appendValue(line, w.x);
        line += " Y ";
        appendValue(line, w.y);
        if (hasZ) {
            line += " Z ";
            AppendReal(line, z);
        }
        out.appendLine(QByteArrayView(line.data(), qsizetype(line.size())));
    }
}

// The line with its X and Y values replaced (and, on the first move, the
// one it lacks added at its end), built in `text`.
void appendPlacedLine(ProgramText& out, std::string& text, QByteArrayView line,
                      const MoveText& move, PathPoint to, bool first) {
    struct Part {
        qint32 begin, end;
        double placed;
    };
    Part parts[2] = {{move.xBegin, move.xEnd, to.x}, {move.yBegin, move.yEnd, to.y}};
    if (parts[1].begin < parts[0].begin)
        std::swap(parts[0], parts[1]);
    text.clear();
    qint32 at = 0;
    for (const Part& part : parts) {
        if (part.begin == part.end)
            continue;
        text.append(line.data() + at, size_t(part.begin - at));
        appendValue(text, part.placed);
        at = part.end;
    }
    text.append(line.data() + at, size_t(line.size() - at));
    if (first && move.xBegin == move.xEnd)
        text += " X ", appendValue(text, to.x);
    if (first && move.yBegin == move.yEnd)
        text += " Y ", appendValue(text, to.y);
    out.appendLine(QByteArrayView(text.data(), qsizetype(text.size())));
}

} // namespace

Result<PlacedProgram> PlaceProgram(const ProgramText& program, const PlacementSettings& settings) {
    const Result<ProgramMoves> moves = movesOf(program);
    if (!moves)
        return moves.failure();
    // The station's preparation rounds coordinates to whole units.
    PlacementSettings rounded = settings;
    rounded.roundingSlack = std::max(settings.roundingSlack, kWholeUnitSlack);
    const Result<Placement> placement = PlaceShape(moves->shape, rounded);
    if (!placement)
        return placement.failure();
    PlacedProgram placed;
    placed.placement = *placement;
    placed.lines.reserve(program.lineCount(), program.byteCount() + program.byteCount() / 4);
    const TravelRoute route(settings);
    PathPoint at = kDrawingHome;
    std::string text;
    size_t next = 0; // the next move
    for (qsizetype i = 0; i < program.lineCount(); ++i) {
        const QByteArrayView line = program.line(i);
        if (next >= moves->texts.size() || moves->texts[next].line != i) {
            placed.lines.appendLine(line);
            continue;
        }
        const MoveText& move = moves->texts[next];
        const PathPoint to = placement->map(moves->shape[next].to);
        if (!move.penDown)
            appendWaypoints(placed.lines, route.waypoints(at, to), move.hasZ, move.z);
        appendPlacedLine(placed.lines, text, line, move, to, next == 0);
        at = to;
        ++next;
    }
    return placed;
}

namespace {

struct Box {
    double left = INFINITY, bottom = INFINITY, right = -INFINITY, top = -INFINITY;
    void add(PathPoint p) {
        left = std::min(left, p.x), right = std::max(right, p.x);
        bottom = std::min(bottom, p.y), top = std::max(top, p.y);
    }
    std::vector<PathPoint> corners() const {
        return {{left, bottom}, {right, bottom}, {right, top}, {left, top}, {left, bottom}};
    }
};

struct OutlineWriter {
    ProgramText out;
    LineNumbering numbering;
    double z = kDefaultTravelZ;
    PathPoint at = kDrawingHome;

    void travel(PathPoint to) {
        std::string line = "N";
        AppendWhole(line, numbering.first);
        line += " G00 X ";
        appendValue(line, to.x);
        line += " Y ";
        appendValue(line, to.y);
        line += " Z ";
        AppendReal(line, z);
        out.appendLine(QByteArrayView(line.data(), qsizetype(line.size())));
        numbering.first += numbering.step;
        at = to;
    }
};

// A corner beyond the reach less the margin, taken in towards the base.
PathPoint withinReach(PathPoint p, const PlacementSettings& settings) {
    const double most = arm::kReach - settings.margin, distance = std::hypot(p.x, p.y);
    return distance <= most ? p : PathPoint{p.x * most / distance, p.y * most / distance};
}

} // namespace

Result<ProgramText> OutlineProgram(const ProgramText& program, const PlacementSettings& settings) {
    if (const Status ok = CheckPlacementSettings(settings); !ok)
        return ok.failure();
    Box box;
    OutlineWriter writer;
    MoveReader reader;
    bool drawn = false;
    for (qsizetype i = 0; i < program.lineCount(); ++i) {
        const Result<LineMove> move = reader.read(program.line(i));
        if (!move)
            return move.failure();
        if (move->moves && move->penDown && !(move->from == move->to))
            box.add(move->from), box.add(move->to), drawn = true;
        if (move->moves && !move->penDown && move->z)
            writer.z = *move->z;
    }
    if (!drawn)
        return Failure{placement::noExtent()};
    std::vector<PathPoint> corners = box.corners();
    if (settings.sheet) {
        const Result<SheetPlace> sheet = PlaceSheet(*settings.sheet, settings);
        if (!sheet)
            return sheet.failure();
        const Box paper{sheet->left, sheet->bottom, sheet->left + sheet->sheet.width,
                        sheet->bottom + sheet->sheet.height};
        for (const PathPoint& corner : paper.corners())
            corners.push_back(corner);
    }
    const TravelRoute route(settings);
    for (const PathPoint& corner : corners) {
        const PathPoint to = withinReach(corner, settings);
        for (const PathPoint& w : route.waypoints(writer.at, to))
            writer.travel(w);
        writer.travel(to);
    }
    std::string end = "N";
    AppendWhole(end, writer.numbering.first);
    end += " M30";
    writer.out.appendLine(QByteArrayView(end.data(), qsizetype(end.size())));
    return std::move(writer.out);
}
