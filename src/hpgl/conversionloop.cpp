#include "hpgl/conversionloop.h"

#include "gcode/memoryadvice.h"

#include <algorithm>
#include <limits>

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

void ConverterProgress::setMaximum(int value) {
    maximum = std::max(value, 0);
    position = std::min(position, maximum);
}

void ConverterProgress::advance() {
    if (position < maximum)
        ++position;
}

ConversionLoop::ConversionLoop(QString input, ConverterState& state, ConverterSettings settings,
                               ConverterProgress& progress)
    : input_(std::move(input)), state_(state), settings_(std::move(settings)), progress_(progress),
      converter_(state_, settings_, output_) {}

ConversionLoop::Outcome ConversionLoop::step(qsizetype maxLines) {
    if (advancePending_) {
        advancePending_ = false;
        progress_.advance();
    }
    const QStringView text = input_;
    for (qsizetype done = 0; done < maxLines; ++done) {
        if (position_ >= text.size() || text[position_] == u'\n')
            return Outcome::Finished;
        qsizetype end = text.indexOf(u'\n', position_);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        if (end < 0)
            end = text.size();
        const QStringView line = text.sliced(position_, end - position_);
        position_ = next;
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
    output_.reserve(output_.size() + (input_.size() - position_) * 5 / 2);
    AdviseLargeBuffer(output_.data(), static_cast<std::size_t>(output_.capacity()) * sizeof(QChar));
    Outcome outcome;
    do {
        outcome = step(std::numeric_limits<qsizetype>::max());
    } while (outcome == Outcome::Running || outcome == Outcome::Notice);
    return outcome;
}

QString ConversionLoop::takeOutput() {
    QString taken = std::move(output_);
    output_ = QString();
    return taken;
}

QStringView ConversionLoop::remainingInput() const {
    return QStringView(input_).sliced(std::min(position_, input_.size()));
}
