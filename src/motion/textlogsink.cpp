#include "motion/textlogsink.h"

#include "base/numberformat.h"
#include "base/windows1250.h"
#include "motion/simulationstate.h"

namespace {

constexpr std::size_t kFlushSize = 1 << 16;

} // namespace

TextLogSink::TextLogSink(Mode mode, std::FILE* stream) : mode_(mode), stream_(stream) {
    buffer_.reserve(kFlushSize + 256);
}

TextLogSink::~TextLogSink() {
    flush();
}

void TextLogSink::appendN(const SimulationState& state) {
    if (state.nText != lastN_) {
        lastN_ = state.nText;
        lastNBytes_ = EncodeWindows1250(lastN_);
    }
    buffer_.push_back('N');
    buffer_.append(lastNBytes_.constData(), std::size_t(lastNBytes_.size()));
}

void TextLogSink::endLine() {
    buffer_.push_back('\n');
    ++lines_;
    if (buffer_.size() >= kFlushSize)
        flush();
}

// "N" + N + " alfa:" + alfa + " beta:" + beta
void TextLogSink::jointsStepped(const SimulationState& state) {
    if (mode_ != Mode::Joints)
        return;
    appendN(state);
    buffer_.append(" alfa:");
    AppendReal(buffer_, state.current.alfa);
    buffer_.append(" beta:");
    AppendReal(buffer_, state.current.beta);
    endLine();
}

// "N" + N + " X:" + x + " Y:" + y + " Z:" + kept Z
void TextLogSink::pointReached(const SimulationState& state) {
    if (mode_ != Mode::Points)
        return;
    appendN(state);
    buffer_.append(" X:");
    AppendReal(buffer_, state.currentX);
    buffer_.append(" Y:");
    AppendReal(buffer_, state.currentY);
    buffer_.append(" Z:");
    AppendWhole(buffer_, state.z);
    endLine();
}

void TextLogSink::flush() {
    if (stream_ && !buffer_.empty()) {
        std::fwrite(buffer_.data(), 1, buffer_.size(), stream_);
        std::fflush(stream_);
    }
    buffer_.clear();
}
