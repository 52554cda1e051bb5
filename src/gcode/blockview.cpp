#include "gcode/blockview.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// What each byte means to the scan: the index of the word it starts (0 to
// 8), or one of the classes below.
constexpr signed char kOther = -1;
constexpr signed char kSpace = -2;
constexpr signed char kPoint = -3;
constexpr signed char kNul = -4;

struct ByteTable {
    signed char kind[256];
    constexpr ByteTable() : kind() {
        for (signed char& entry : kind)
            entry = kOther;
        for (int i = 0; i < int(kGcodeWordCount); ++i)
            kind[static_cast<unsigned char>(kGcodeWordLetters[i])] = static_cast<signed char>(i);
        kind[static_cast<unsigned char>(' ')] = kSpace;
        kind[static_cast<unsigned char>('.')] = kPoint;
        kind[0] = kNul;
    }
};
constexpr ByteTable kBytes;

// The scan's state: each letter's value begins after the letter and ends at
// the next space; a letter right before a space skips that one space, so its
// value is the following run of characters ("waiting" until the next byte).
struct Scan {
    std::array<qsizetype, kGcodeWordCount> begin;
    std::array<qsizetype, kGcodeWordCount> end;
    unsigned found = 0;   // letters seen
    unsigned open = 0;    // values still being read
    unsigned waiting = 0; // values that start at the byte after a skipped space
    unsigned dotted = 0;  // values holding a '.'
    qsizetype lastPoint = -1;

    void close(unsigned letters, qsizetype at) {
        for (unsigned bits = letters; bits != 0; bits &= bits - 1) {
            const auto i = std::size_t(std::countr_zero(bits));
            end[i] = at;
            const unsigned bit = 1u << i;
            dotted = lastPoint >= begin[i] ? dotted | bit : dotted & ~bit;
        }
    }
    // A space at `at` in a line of `size` bytes: values still open end here,
    // except those whose letter stands right before it, which skip it and
    // start at the next byte (empty if that is a space too).
    void space(const char* data, qsizetype size, qsizetype at) {
        for (unsigned bits = open; bits != 0; bits &= bits - 1) {
            const auto i = std::size_t(std::countr_zero(bits));
            const unsigned bit = 1u << i;
            if (begin[i] == at) {
                begin[i] = at + 1;
                waiting |= bit;
            } else {
                close(bit, at);
            }
        }
        open = 0;
        if (waiting != 0 && at + 1 < size) {
            if (data[at + 1] == ' ')
                close(waiting, at + 1);
            else
                open = waiting;
            waiting = 0;
        }
    }
};

// The general reading: letters at positions 1 to 255 (up to a NUL) open
// values, spaces close them; only the last occurrence of each letter counts,
// as a later one overwrites the value. Past the letters the scan only reads
// on to the end of values still open.
void scanLine(const char* data, qsizetype size, Scan& scan) {
    const qsizetype limit = std::min(size, kWordLetterPositions);
    qsizetype p = 0;
    while (p < limit) {
        const signed char kind = kBytes.kind[static_cast<unsigned char>(data[p])];
        if (kind >= 0) {
            const unsigned bit = 1u << kind;
            scan.found |= bit;
            scan.open |= bit;
            scan.begin[std::size_t(kind)] = p + 1;
        } else if (kind == kSpace) {
            scan.space(data, size, p);
        } else if (kind == kPoint) {
            scan.lastPoint = p;
        } else if (kind == kNul) {
            ++p;
            break;
        }
        ++p;
        while (p < limit && kBytes.kind[static_cast<unsigned char>(data[p])] == kOther)
            ++p;
    }
    for (; p < size && scan.open != 0; ++p) {
        if (data[p] == ' ')
            scan.space(data, size, p);
        else if (data[p] == '.')
            scan.lastPoint = p;
    }
    scan.close(scan.open, size);
    for (unsigned bits = scan.waiting; bits != 0; bits &= bits - 1) {
        const auto i = std::size_t(std::countr_zero(bits));
        scan.close(1u << i, scan.begin[i]);
    }
}

// The common shape of a line, read without the scan's bookkeeping: words
// one after another, each a letter and a value of at least one byte that
// holds no letter, space or NUL, one space between words (and at most one
// after the last), all within the positions where letters count. Each letter
// then stands at the start of its word and its value is the rest of the word,
// exactly what the scan finds. False for any other line, which the scan reads.
bool readPlain(const char* data, qsizetype size, Scan& scan) {
    if (size > kWordLetterPositions)
        return false;
    qsizetype p = 0;
    while (p < size) {
        const signed char kind = kBytes.kind[static_cast<unsigned char>(data[p])];
        if (kind < 0)
            return false;
        const qsizetype begin = p + 1;
        qsizetype q = begin;
        bool point = false;
        for (; q < size; ++q) {
            const signed char k = kBytes.kind[static_cast<unsigned char>(data[q])];
            if (k != kOther && k != kPoint)
                break;
            point |= k == kPoint;
        }
        if (q == begin || (q < size && data[q] != ' '))
            return false;
        const auto i = std::size_t(kind);
        const unsigned bit = 1u << kind;
        scan.found |= bit;
        scan.begin[i] = begin;
        scan.end[i] = q;
        scan.dotted = point ? scan.dotted | bit : scan.dotted & ~bit;
        p = q + 1;
    }
    return true;
}

} // namespace

// Most lines have the plain shape; the scan reads the rest.
void BlockView::parse(QByteArrayView line) {
    read(line, false);
}

void BlockView::parseKeepingPoints(QByteArrayView line) {
    read(line, true);
}

void BlockView::read(QByteArrayView line, bool keepPoints) {
    words_.fill(QByteArrayView());
    points_ = 0;
    const char* data = line.data();
    const qsizetype size = line.size();
    Scan scan;
    if (!readPlain(data, size, scan)) {
        scan = Scan();
        scanLine(data, size, scan);
    }
    if (scan.found == 0)
        return;
    const unsigned copied = keepPoints ? 0 : scan.dotted;
    points_ = keepPoints ? scan.dotted : 0;
    for (unsigned bits = scan.found & ~copied; bits != 0; bits &= bits - 1) {
        const auto i = std::size_t(std::countr_zero(bits));
        words_[i] = QByteArrayView(data + scan.begin[i], scan.end[i] - scan.begin[i]);
    }
    if (copied != 0)
        copyDotted(data, scan.begin, scan.end, scan.dotted);
}

// Values with a point are copied with each '.' as ','.
void BlockView::copyDotted(const char* data, const std::array<qsizetype, kGcodeWordCount>& begin,
                           const std::array<qsizetype, kGcodeWordCount>& end, unsigned dotted) {
    qsizetype total = 0;
    for (unsigned bits = dotted; bits != 0; bits &= bits - 1) {
        const auto i = std::size_t(std::countr_zero(bits));
        total += end[i] - begin[i];
    }
    if (scratch_.size() < std::size_t(total))
        scratch_.resize(std::max(std::size_t(total), std::size_t(256)));
    char* out = scratch_.data();
    for (unsigned bits = dotted; bits != 0; bits &= bits - 1) {
        const auto i = std::size_t(std::countr_zero(bits));
        char* const start = out;
        for (const char* p = data + begin[i]; p != data + end[i]; ++p)
            *out++ = *p == '.' ? ',' : *p;
        words_[i] = QByteArrayView(start, out - start);
    }
}

void BlockView::writeCanonical(char* out) const {
    for (std::size_t i = 0; i < kGcodeWordCount; ++i) {
        const QByteArrayView word = words_[i];
        if (word.isEmpty())
            continue;
        *out++ = kGcodeWordLetters[i];
        if (points_ & (1u << i)) {
            for (const char c : word)
                *out++ = c == '.' ? ',' : c;
        } else {
            for (const char c : word)
                *out++ = c;
        }
        *out++ = ' ';
    }
}

GcodeBlock BlockView::toBlock() const {
    GcodeBlock block;
    for (std::size_t i = 0; i < kGcodeWordCount; ++i) {
        block.words[i] = words_[i].toByteArray();
        if (points_ & (1u << i))
            block.words[i].replace('.', ',');
    }
    return block;
}
