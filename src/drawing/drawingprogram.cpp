#include "drawing/drawingprogram.h"

#include "base/numberformat.h"
#include "gcode/pathcheck.h"
#include "gcode/programfigures.h"
#include "gcode/programwalk.h"

#include <QCoreApplication>

#include <cmath>
#include <functional>
#include <string>

namespace {

// Measures a program's lines as they come, in one walk: MeasureProgram's
// figures, the bytes and the path check's findings.
class ProgramMeasure final : public ProgramSink {
public:
    explicit ProgramMeasure(const PathCheckSettings& settings = {}) : checker_(settings) {}

    void take(QByteArrayView line) {
        ++lines_;
        bytes_ += line.size();
        if (!stopped_) {
            failed_ = !walker_.follow(line, lines_ - 1, *this);
            stopped_ = failed_ || walker_.atEndBlock();
        }
    }
    void move(const WalkMove& move) override {
        count_.move(move);
        checker_.move(move);
    }
    DrawingFigures figures() {
        DrawingFigures figures;
        figures.lines = lines_;
        figures.bytes = bytes_;
        figures.drawnLength = count_.figures.drawnLength;
        figures.penUpLength = count_.figures.travelLength;
        figures.penLifts = count_.figures.penLifts;
        // A program the path check cannot read has no findings to count.
        for (const PathFinding& finding : failed_ ? std::vector<PathFinding>() : findings())
            figures.elbowCrossings += finding.kind == PathFindingKind::Elbow && finding.penDown;
        return figures;
    }
    const std::vector<PathFinding>& findings() {
        if (!taken_)
            findings_ = checker_.takeFindings(), taken_ = true;
        return findings_;
    }

private:
    ProgramWalker walker_;
    FiguresCount count_;
    PathChecker checker_;
    std::vector<PathFinding> findings_;
    qsizetype lines_ = 0;
    qint64 bytes_ = 0;
    bool stopped_ = false;
    bool failed_ = false;
    bool taken_ = false;
};

// Where written lines go: into a program, or measured as they come.
struct LineSink {
    ProgramText* out = nullptr;
    ProgramMeasure* measure = nullptr;
};

void appendLine(LineSink& sink, LineNumbering& numbering, const std::string& body) {
    std::string line = "N";
    AppendWhole(line, numbering.first);
    line += ' ';
    line += body;
    const QByteArrayView text(line.data(), qsizetype(line.size()));
    if (sink.out)
        sink.out->appendLine(text);
    else
        sink.measure->take(text);
    numbering.first += numbering.step;
}

void appendLine(ProgramText& out, LineNumbering& numbering, const std::string& body) {
    LineSink sink{&out, nullptr};
    appendLine(sink, numbering, body);
}

void appendMove(LineSink& out, LineNumbering& numbering, bool draw, PathPoint p, double z) {
    std::string body = draw ? "G01 X " : "G00 X ";
    AppendReal(body, p.x);
    body += " Y ";
    AppendReal(body, p.y);
    body += " Z ";
    AppendReal(body, z);
    appendLine(out, numbering, body);
}

// A kept line with its N value replaced by the next number (a line without
// an N word at its start stays as it is).
void appendKept(ProgramText& out, LineNumbering& numbering, const QByteArray& line) {
    qsizetype i = 0;
    while (i < line.size() && line[i] == ' ')
        ++i;
    if (i >= line.size() || (line[i] != 'N' && line[i] != 'n')) {
        out.appendLine(line);
        return;
    }
    qsizetype end = i + 1;
    while (end < line.size() && line[end] == ' ')
        ++end;
    while (end < line.size() &&
           (std::isdigit(static_cast<unsigned char>(line[end])) || line[end] == '-'))
        ++end;
    std::string text(line.constData(), size_t(i));
    text += 'N';
    AppendWhole(text, numbering.first);
    numbering.first += numbering.step;
    if (end < line.size() && line[end] != ' ')
        text += ' ';
    text.append(line.constData() + end, size_t(line.size() - end));
    out.appendLine(QByteArrayView(text.data(), qsizetype(text.size())));
}

struct Reading {
    DrawingProgram program;
    ProgramPiece piece;
    PathPoint at = kDrawingHome;
    double z = 0;
    bool inPath = false; // the last move drew, so a further one extends the path
    bool drawingStarted = false;

    void endPath() { inPath = false; }
    void closePiece() {
        const std::vector<DrawnPath>& paths = piece.drawing.paths;
        if (drawingStarted && (paths.empty() || !(paths.back().points.back() == at)))
            piece.finish = at;
    }
    // Kept lines between moves close the drawing so far.
    void keep(const QByteArray& line) {
        if (drawingStarted) {
            closePiece();
            const double travelZ = piece.drawing.travelZ;
            program.pieces.push_back(std::move(piece));
            piece = ProgramPiece{};
            piece.drawing.travelZ = travelZ;
            drawingStarted = false;
        }
        piece.keptLines.push_back(line);
        endPath();
    }
    void travel(PathPoint to) {
        if (!drawingStarted)
            piece.start = at;
        drawingStarted = true;
        piece.drawing.travelZ = z;
        at = to;
        endPath();
    }
    void draw(PathPoint to) {
        if (!drawingStarted)
            piece.start = at;
        drawingStarted = true;
        std::vector<DrawnPath>& paths = piece.drawing.paths;
        if (!inPath || paths.back().z != z) {
            paths.push_back(DrawnPath{{at}, z});
            inPath = true;
        }
        paths.back().points.push_back(to);
        at = to;
    }
};

bool hasOnly(const BlockView& block, std::initializer_list<GcodeWord> allowed) {
    for (size_t w = 0; w < kGcodeWordCount; ++w) {
        if (!block.has(GcodeWord(w)))
            continue;
        bool ok = false;
        for (GcodeWord a : allowed)
            ok = ok || size_t(a) == w;
        if (!ok)
            return false;
    }
    return true;
}

std::optional<qint64> wholeValue(QByteArrayView text) {
    bool ok = false;
    const qint64 value = text.toByteArray().trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

struct MoveSink final : ProgramSink {
    void move(const WalkMove& m) override { seen = m; }
    std::optional<WalkMove> seen;
};

// The numbering the program's first two N words tell.
void readNumbering(const BlockView& block, qsizetype i, std::optional<qint64>& firstN,
                   DrawingProgram& program) {
    if (!block.has(GcodeWord::N))
        return;
    const std::optional<qint64> n = wholeValue(block.word(GcodeWord::N));
    if (i == 0 && n)
        firstN = n, program.numbered = true;
    else if (i == 1 && firstN && n && *n > *firstN)
        program.numbering.step = *n - *firstN;
}

// A plain pen-up or pen-down move: only N, G, X, Y and Z, and a G (if any)
// that is 0 or 1.
bool isPlainMove(const BlockView& block, bool moves) {
    if (!moves ||
        !hasOnly(block, {GcodeWord::N, GcodeWord::G, GcodeWord::X, GcodeWord::Y, GcodeWord::Z}))
        return false;
    if (!block.has(GcodeWord::G))
        return true;
    const Result<double> g = WordNumber(block.word(GcodeWord::G));
    return g && (*g == 0 || *g == 1);
}

} // namespace

namespace {

void appendDrawingMoves(LineSink& out, const Drawing& drawing, LineNumbering& numbering,
                        bool holdBetweenPens) {
    bool first = true;
    double lastZ = 0;
    PathPoint at{std::nan(""), std::nan("")};
    for (const DrawnPath& path : drawing.paths) {
        if (path.points.size() < 2)
            continue;
        if (holdBetweenPens && !first && path.z != lastZ)
            appendLine(out, numbering, "M00");
        for (const PathPoint& waypoint : path.approach)
            appendMove(out, numbering, false, waypoint, drawing.travelZ);
        if (!(path.points.front() == at) || !path.approach.empty())
            appendMove(out, numbering, false, path.points.front(), drawing.travelZ);
        at = path.points.front();
        for (size_t i = 1; i < path.points.size(); ++i) {
            if (path.points[i] == at)
                continue;
            at = path.points[i];
            appendMove(out, numbering, true, at, path.z);
        }
        first = false;
        lastZ = path.z;
    }
}

} // namespace

void AppendDrawingMoves(ProgramText& out, const Drawing& drawing, LineNumbering& numbering,
                        bool holdBetweenPens) {
    LineSink sink{&out, nullptr};
    appendDrawingMoves(sink, drawing, numbering, holdBetweenPens);
}

ProgramText WriteDrawingProgram(const Drawing& drawing, LineNumbering numbering,
                                bool holdBetweenPens) {
    ProgramText out;
    AppendDrawingMoves(out, drawing, numbering, holdBetweenPens);
    appendLine(out, numbering, "M30");
    return out;
}

Result<DrawingProgram> ReadDrawingProgram(const ProgramText& program) {
    Reading r;
    std::optional<qint64> firstN;
    ProgramWalker walker;
    for (qsizetype i = 0; i < program.lineCount(); ++i) {
        const QByteArrayView line = program.line(i);
        MoveSink sink;
        if (const Status followed = walker.follow(line, i, sink); !followed)
            return Failure{followed.error()};
        const BlockView& block = walker.block();
        readNumbering(block, i, firstN, r.program);
        const ProgramState& state = walker.state();
        if (!isPlainMove(block, sink.seen.has_value())) {
            r.keep(line.toByteArray());
            r.at = PathPoint{state.x, state.y};
            continue;
        }
        r.z = state.z.value_or(0);
        const PathPoint to{state.x, state.y};
        if (state.penDown)
            r.draw(to);
        else
            r.travel(to);
    }
    r.closePiece();
    r.program.pieces.push_back(std::move(r.piece));
    if (firstN)
        r.program.numbering.first = *firstN;
    return std::move(r.program);
}

ProgramText WriteDrawingProgram(const DrawingProgram& program) {
    ProgramText out;
    LineSink sink{&out, nullptr};
    LineNumbering numbering = program.numbering;
    for (const ProgramPiece& piece : program.pieces) {
        for (const QByteArray& line : piece.keptLines)
            appendKept(out, numbering, line);
        appendDrawingMoves(sink, piece.drawing, numbering, false);
        if (piece.finish) {
            const std::vector<DrawnPath>& paths = piece.drawing.paths;
            if (paths.empty() || !(paths.back().points.back() == *piece.finish))
                appendMove(sink, numbering, false, *piece.finish, piece.drawing.travelZ);
        }
    }
    return out;
}

DrawingFigures MeasureProgramMoves(const ProgramText& program) {
    ProgramMeasure measure;
    for (qsizetype i = 0; i < program.lineCount(); ++i)
        measure.take(program.line(i));
    return measure.figures();
}

namespace {

// The lines WriteDrawingProgram writes, measured as they are written.
void measureDrawing(ProgramMeasure& measure, const Drawing& drawing, LineNumbering numbering,
                    bool holdBetweenPens) {
    LineSink sink{nullptr, &measure};
    appendDrawingMoves(sink, drawing, numbering, holdBetweenPens);
    appendLine(sink, numbering, "M30");
}

} // namespace

DrawingFigures MeasureDrawing(const Drawing& drawing, LineNumbering numbering,
                              bool holdBetweenPens) {
    ProgramMeasure measure;
    measureDrawing(measure, drawing, numbering, holdBetweenPens);
    return measure.figures();
}

std::vector<PathFinding> CheckDrawingPath(const Drawing& drawing, const PathCheckSettings& settings,
                                          LineNumbering numbering, bool holdBetweenPens) {
    ProgramMeasure measure(settings);
    measureDrawing(measure, drawing, numbering, holdBetweenPens);
    return measure.findings();
}

QStringList FiguresReport(const DrawingFigures& before, const DrawingFigures& after,
                          const std::function<double(const DrawingFigures&)>& transferSeconds) {
    // Each row reads "<figure>: <before> -> <after>".
    auto row = [](const char* text, const QString& b, const QString& a) {
        return QCoreApplication::translate("DrawingProgram", text).arg(b, a);
    };
    auto length = [](double v) { return FormatReal(std::round(v)); };
    QStringList rows{
        row(QT_TRANSLATE_NOOP("DrawingProgram", "Linie: %1 -> %2"), QString::number(before.lines),
            QString::number(after.lines)),
        row(QT_TRANSLATE_NOOP("DrawingProgram", "Droga rysowania: %1 -> %2"),
            length(before.drawnLength), length(after.drawnLength)),
        row(QT_TRANSLATE_NOOP("DrawingProgram", "Droga z podniesionym pisakiem: %1 -> %2"),
            length(before.penUpLength), length(after.penUpLength)),
        row(QT_TRANSLATE_NOOP("DrawingProgram", "Podniesienia pisaka: %1 -> %2"),
            QString::number(before.penLifts), QString::number(after.penLifts)),
        row(QT_TRANSLATE_NOOP("DrawingProgram",
                              "Przejścia łokcia z opuszczonym pisakiem: %1 -> %2"),
            QString::number(before.elbowCrossings), QString::number(after.elbowCrossings))};
    if (transferSeconds) {
        auto seconds = [](double s) {
            return FormatReal(std::round(s * 10) / 10) + QStringLiteral(" s");
        };
        rows << row(QT_TRANSLATE_NOOP("DrawingProgram", "Czas przesyłania: %1 -> %2"),
                    seconds(transferSeconds(before)), seconds(transferSeconds(after)));
    }
    return rows;
}
