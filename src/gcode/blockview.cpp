#include "gcode/blockview.h"

#include <algorithm>
#include <cstring>

namespace {

int wordIndex(char c) {
    switch (c) {
    case 'N':
        return 0;
    case 'G':
        return 1;
    case 'X':
        return 2;
    case 'Y':
        return 3;
    case 'Z':
        return 4;
    case 'F':
        return 5;
    case 'S':
        return 6;
    case 'T':
        return 7;
    case 'M':
        return 8;
    default:
        return -1;
    }
}

} // namespace

// Only the last occurrence of each letter counts (a later one overwrites the
// value), so the scan first finds those positions and then reads at most
// nine values: one pass over the first 255 bytes plus the values read.
void BlockView::parse(QByteArrayView line) {
    std::array<qsizetype, kGcodeWordCount> letterAt;
    letterAt.fill(-1);
    const qsizetype limit = std::min(line.size(), kWordLetterPositions);
    const char* data = line.data();
    for (qsizetype p = 0; p < limit; ++p) {
        const char c = data[p];
        if (c == '\0')
            break;
        const int index = wordIndex(c);
        if (index >= 0)
            letterAt[std::size_t(index)] = p;
    }

    std::array<qsizetype, kGcodeWordCount> begin{};
    std::array<qsizetype, kGcodeWordCount> end{};
    std::array<bool, kGcodeWordCount> dotted{};
    qsizetype scratchSize = 0;
    for (std::size_t i = 0; i < kGcodeWordCount; ++i) {
        words_[i] = QByteArrayView();
        if (letterAt[i] < 0)
            continue;
        qsizetype q = letterAt[i] + 1;
        if (q < line.size() && data[q] == ' ')
            ++q;
        const void* space =
            q < line.size() ? std::memchr(data + q, ' ', std::size_t(line.size() - q)) : nullptr;
        const qsizetype e = space ? static_cast<const char*>(space) - data : line.size();
        begin[i] = q;
        end[i] = e;
        dotted[i] = e > q && std::memchr(data + q, '.', std::size_t(e - q)) != nullptr;
        if (dotted[i])
            scratchSize += e - q;
        else
            words_[i] = QByteArrayView(data + q, e - q);
    }
    if (scratchSize == 0)
        return;
    scratch_.resize(std::size_t(scratchSize));
    qsizetype at = 0;
    for (std::size_t i = 0; i < kGcodeWordCount; ++i) {
        if (!dotted[i])
            continue;
        const qsizetype length = end[i] - begin[i];
        char* out = scratch_.data() + at;
        std::replace_copy(data + begin[i], data + end[i], out, '.', ',');
        at += length;
    }
    at = 0;
    for (std::size_t i = 0; i < kGcodeWordCount; ++i) {
        if (!dotted[i])
            continue;
        const qsizetype length = end[i] - begin[i];
        words_[i] = QByteArrayView(scratch_.data() + at, length);
        at += length;
    }
}

GcodeBlock BlockView::toBlock() const {
    GcodeBlock block;
    for (std::size_t i = 0; i < kGcodeWordCount; ++i)
        block.words[i] = words_[i].toByteArray();
    return block;
}
