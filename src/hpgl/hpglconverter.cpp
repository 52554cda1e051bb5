#include "hpgl/hpglconverter.h"

#include "base/windows1250.h"
#include "hpgl/integertext.h"

#include <cstring>
#include <string_view>

namespace {

char* writeText(char* out, std::string_view text) {
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

} // namespace

HpglConverter::HpglConverter(ConverterState& state, const ConverterSettings& settings,
                             PreparedLineSink& output)
    : state_(state), settings_(settings), output_(output) {}

Result<LineEvent> HpglConverter::ConvertLine(QStringView line) {
    state_.CurrentLine.resize(0);
    state_.CurrentLine.append(line);
    return convertCurrentLine();
}

Result<LineEvent> HpglConverter::ConvertLine(QByteArrayView line) {
    // Decoded into the reused line buffer: no allocation per line.
    state_.CurrentLine.resize(line.size());
    DecodeWindows1250(line, state_.CurrentLine.data());
    return convertCurrentLine();
}

Result<LineEvent> HpglConverter::convertCurrentLine() {
    const QStringView line = state_.CurrentLine;
    if (line.size() < 2)
        return LineEvent::None;
    const QStringView mnemonic = line.first(2);
    if (mnemonic == u"SP")
        return HandleSP();
    Status status;
    if (mnemonic == u"PU")
        status = HandlePU();
    else if (mnemonic == u"PD")
        status = HandlePD();
    else if (mnemonic == u"IN")
        status = HandleIN();
    if (!status)
        return status.failure();
    return LineEvent::None;
}

Status HpglConverter::HandleIN() {
    return EmitHeader();
}

Result<LineEvent> HpglConverter::HandleSP() {
    // Only the single third character counts: SP10 selects pen 1.
    const QStringView line = state_.CurrentLine;
    const Result<qint32> pen = readInteger(line.size() > 2 ? line.sliced(2, 1) : QStringView());
    if (!pen)
        return pen.failure();
    LineEvent event = LineEvent::None;
    if (*pen == 0) {
        if (Status footer = EmitFooter(); !footer)
            return footer.failure();
        event = LineEvent::PlotFinished;
    }
    state_.CurrentPen = *pen;
    if (Status height = SelectPenHeight(); !height)
        return height.failure();
    return event;
}

Status HpglConverter::HandlePU() {
    state_.MotionCode = 0;
    if (Status status = ParseCoordinates(); !status)
        return status;
    return EmitMove();
}

Status HpglConverter::HandlePD() {
    state_.MotionCode = 1;
    if (Status status = ParseCoordinates(); !status)
        return status;
    return EmitMove();
}

Status HpglConverter::ParseCoordinates() {
    // X runs from the third character to the first space, Y from that space
    // (kept in the text, skipped when read) to the next ';'. A missing
    // separator ends its text at the end of the line.
    const QStringView rest = QStringView(state_.CurrentLine).sliced(2);
    const qsizetype space = rest.indexOf(u' ');
    const QStringView xText = space < 0 ? rest : rest.first(space);
    QStringView yText;
    if (space >= 0) {
        yText = rest.sliced(space);
        const qsizetype semicolon = yText.indexOf(u';');
        if (semicolon >= 0)
            yText.truncate(semicolon);
    }
    const Result<qint32> x = readInteger(xText);
    if (!x)
        return x.failure();
    const Result<qint32> y = readInteger(yText);
    if (!y)
        return y.failure();
    state_.PointX = *x;
    state_.PointY = *y;
    return {};
}

Status HpglConverter::SelectPenHeight() {
    if (state_.CurrentPen < 1 || state_.CurrentPen > 8)
        return {};
    const Result<qint32> height = penHeight(state_.CurrentPen);
    if (!height)
        return height.failure();
    state_.CurrentZ = *height;
    return {};
}

Status HpglConverter::EmitMove() {
    if (state_.MotionCode == 0) {
        const Result<qint32> travel = travelHeight();
        if (!travel)
            return travel.failure();
        state_.CurrentZ = *travel;
    } else if (Status status = SelectPenHeight(); !status) {
        return status;
    }
    // One line appended at once: this is the converter's hot path.
    char line[96];
    char* end = line;
    *end++ = 'N';
    end = writeInteger(end, state_.LineNumber);
    end = writeText(end, state_.MotionCode == 0 ? " G00 X " : " G01 X ");
    end = writeInteger(end, state_.PointX);
    end = writeText(end, " Y ");
    end = writeInteger(end, state_.PointY);
    end = writeText(end, " Z ");
    end = writeInteger(end, state_.CurrentZ);
    std::memcpy(output_.addLine(end - line), line, size_t(end - line));
    return advanceLineNumber();
}

Status HpglConverter::EmitHeader() {
    return emitLines(settings_.header);
}

Status HpglConverter::EmitFooter() {
    return emitLines(settings_.footer);
}

Status HpglConverter::emitLines(const QStringList& lines) {
    for (const QString& line : lines) {
        if (line.isEmpty())
            break;
        if (Status status = emitNumbered(line); !status)
            return status;
    }
    return {};
}

Status HpglConverter::emitNumbered(QStringView body) {
    const QByteArray encoded = EncodeWindows1250(body);
    char number[24];
    char* end = number;
    *end++ = 'N';
    end = writeInteger(end, state_.LineNumber);
    *end++ = ' ';
    const qsizetype prefix = end - number;
    char* out = output_.addLine(prefix + encoded.size());
    std::memcpy(out, number, size_t(prefix));
    std::memcpy(out + prefix, encoded.constData(), size_t(encoded.size()));
    return advanceLineNumber();
}

Status HpglConverter::advanceLineNumber() {
    // The step is read after the line is out, as the window reads "Do:" anew
    // for every line.
    if (!step_) {
        const Result<qint32> step = readInteger(settings_.lineStep);
        if (!step)
            return step.failure();
        step_ = *step;
    }
    state_.LineNumber += *step_;
    return {};
}

Result<qint32> HpglConverter::travelHeight() {
    if (!travel_) {
        const Result<qint32> value = readInteger(settings_.travelHeight);
        if (!value)
            return value;
        travel_ = *value;
    }
    return *travel_;
}

Result<qint32> HpglConverter::penHeight(int pen) {
    std::optional<qint32>& cached = pens_[static_cast<size_t>(pen - 1)];
    if (!cached) {
        const Result<qint32> value =
            readInteger(settings_.penHeights[static_cast<size_t>(pen - 1)]);
        if (!value)
            return value;
        cached = *value;
    }
    return *cached;
}
