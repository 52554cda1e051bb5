#include "hpgl/conversionloop.h"

#include "base/windows1250.h"
#include "hpgl/plotfile.h"
#include "hpgl/vectorstate.h"

#include <algorithm>
#include <limits>
#include <utility>

std::optional<qsizetype> CheckPlotFile(QStringView text) {
    qsizetype index = 0;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        if (text.sliced(start, end - start).compare(u"SP0;", Qt::CaseInsensitive) == 0)
            return index;
        ++index;
        start = end + 1;
    }
    return std::nullopt;
}

std::optional<qsizetype> CheckPlotFile(const ProgramText& lines) {
    for (qsizetype index = 0; index < lines.lineCount(); ++index) {
        if (lines.line(index).compare("SP0;", Qt::CaseInsensitive) == 0)
            return index;
    }
    return std::nullopt;
}

void ConverterProgress::setMaximum(int value) {
    maximum = std::max(value, 0);
    position = std::min(position, maximum);
}

void ConverterProgress::advance() {
    if (position < maximum)
        ++position;
}

ConversionLoop::ConversionLoop(ProgramText input, ConverterState& state, ConverterSettings settings,
                               ConverterProgress& progress)
    : input_(std::move(input)), state_(state), settings_(std::move(settings)), progress_(progress),
      converter_(state_, settings_, outputSink_) {}

ConversionLoop::ConversionLoop(ProgramText input, ConverterState& state, ConverterSettings settings,
                               ConverterProgress& progress, PreparedLineSink& output)
    : input_(std::move(input)), state_(state), settings_(std::move(settings)), progress_(progress),
      converter_(state_, settings_, output) {}

ConversionLoop::ConversionLoop(QStringView text, ConverterState& state, ConverterSettings settings,
                               ConverterProgress& progress)
    : ConversionLoop(plotLinesFromText(text), state, std::move(settings), progress) {}

ConversionLoop::Outcome ConversionLoop::step(qsizetype maxLines) {
    // A window's event loop may run code that leaves this state behind
    // between two steps.
    clearUpperVectorState();
    if (advancePending_) {
        advancePending_ = false;
        progress_.advance();
    }
    const qsizetype lineCount = input_.lineCount();
    for (qsizetype done = 0; done < maxLines; ++done) {
        if (linesTaken_ >= lineCount)
            return Outcome::Finished;
        const QByteArrayView line = input_.line(linesTaken_);
        if (line.isEmpty())
            return Outcome::Finished;
        ++linesTaken_;
        const Result<LineEvent> event = converter_.ConvertLine(line);
        if (!event) {
            error_ = event.error();
            return Outcome::Failed;
        }
        if (*event == LineEvent::PlotFinished) {
            advancePending_ = true;
            return Outcome::Notice;
        }
        progress_.advance();
    }
    return Outcome::Running;
}

ConversionLoop::Outcome ConversionLoop::runToEnd() {
    // A move line is about two and a half times its plot file line.
    const qsizetype lines = std::max<qsizetype>(input_.lineCount() - linesTaken_, 0);
    const qsizetype averageBytes = input_.isEmpty() ? 0 : input_.byteCount() / input_.lineCount();
    output_.reserve(output_.lineCount() + lines + 8,
                    output_.byteCount() + lines * (averageBytes * 5 / 2 + 1) + 256);
    Outcome outcome;
    do {
        outcome = step(std::numeric_limits<qsizetype>::max());
    } while (outcome == Outcome::Running || outcome == Outcome::Notice);
    return outcome;
}

qsizetype ConversionLoop::skipEmptyLines() {
    const qsizetype first = linesTaken_;
    while (linesTaken_ < input_.lineCount() && input_.line(linesTaken_).isEmpty()) {
        ++linesTaken_;
        progress_.advance();
    }
    return linesTaken_ - first;
}

bool ConversionLoop::hasRemainingContent() const {
    for (qsizetype index = linesTaken_; index < input_.lineCount(); ++index) {
        if (!input_.line(index).trimmed().isEmpty())
            return true;
    }
    return false;
}

ProgramText ConversionLoop::takeOutput() {
    return std::exchange(output_, ProgramText());
}

QString ConversionLoop::remainingText() const {
    QByteArray joined;
    for (qsizetype index = linesTaken_; index < input_.lineCount(); ++index) {
        if (index > linesTaken_)
            joined.append('\n');
        joined.append(input_.line(index));
    }
    return DecodeWindows1250(joined);
}
