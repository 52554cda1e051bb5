#pragma once

#include "gcode/gcodeblock.h"

#include <QByteArrayView>

#include <array>
#include <vector>

// The allocation-free form of ParseBlock that the preparation pass uses for
// every line of a program: the nine value texts are views, into the line
// itself where the value holds no '.', otherwise into the view's own scratch
// buffer (where each '.' has become ','). Reuse one BlockView for many lines:
// its buffer keeps its capacity, so parsing allocates nothing in the steady
// state. Views stay valid until the next parse into the same BlockView and
// while the line's bytes live.
class BlockView {
public:
    void parse(QByteArrayView line);
    // The same words, but every value is a view into the line and keeps its
    // points: hasPoint() tells which; writeCanonical() still writes commas.
    // Convert such values with ParseWordReal. For the preparation pass.
    void parseKeepingPoints(QByteArrayView line);
    bool hasPoint(GcodeWord w) const { return points_ & (1u << unsigned(w)); }

    QByteArrayView word(GcodeWord w) const { return words_[std::size_t(w)]; }
    bool has(GcodeWord w) const { return !words_[std::size_t(w)].isEmpty(); }
    void set(GcodeWord w, QByteArrayView value) {
        words_[std::size_t(w)] = value;
        points_ &= ~(1u << unsigned(w));
    }

    // FormatBlock's canonical text of the current words: its length, and
    // writing it to `out` (which has room for canonicalSize() bytes).
    qsizetype canonicalSize() const {
        qsizetype size = 0;
        for (const QByteArrayView& word : words_)
            size += word.isEmpty() ? 0 : word.size() + 2;
        return size;
    }
    void writeCanonical(char* out) const;

    GcodeBlock toBlock() const;

private:
    void copyDotted(const char* data, const std::array<qsizetype, kGcodeWordCount>& begin,
                    const std::array<qsizetype, kGcodeWordCount>& end, unsigned dotted);

    void read(QByteArrayView line, bool keepPoints);

    std::array<QByteArrayView, kGcodeWordCount> words_;
    unsigned points_ = 0;       // values that still hold '.' (parseKeepingPoints)
    std::vector<char> scratch_; // grows, never shrinks
};
