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

    QByteArrayView word(GcodeWord w) const { return words_[std::size_t(w)]; }
    bool has(GcodeWord w) const { return !words_[std::size_t(w)].isEmpty(); }
    void set(GcodeWord w, QByteArrayView value) { words_[std::size_t(w)] = value; }

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

    std::array<QByteArrayView, kGcodeWordCount> words_;
    std::vector<char> scratch_; // grows, never shrinks
};
