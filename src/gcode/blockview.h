#pragma once

#include "gcode/gcodeblock.h"

#include <QByteArrayView>

#include <array>
#include <string>

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

    // Appends FormatBlock's canonical text of the current words to `out`.
    template <typename Out> void appendCanonical(Out& out) const {
        for (std::size_t i = 0; i < kGcodeWordCount; ++i) {
            if (words_[i].isEmpty())
                continue;
            out.push_back(kGcodeWordLetters[i]);
            out.append(words_[i].data(), words_[i].size());
            out.push_back(' ');
        }
    }

    GcodeBlock toBlock() const;

private:
    std::array<QByteArrayView, kGcodeWordCount> words_;
    std::string scratch_;
};
