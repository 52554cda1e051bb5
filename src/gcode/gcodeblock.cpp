#include "gcode/gcodeblock.h"

#include "base/windows1250.h"
#include "gcode/blockview.h"

#include <algorithm>

QString GcodeBlock::text(GcodeWord w) const {
    return DecodeWindows1250(word(w));
}

GcodeBlock ParseBlock(QByteArrayView line) {
    BlockView view;
    view.parse(line);
    return view.toBlock();
}

QByteArray ReadWordValue(QByteArrayView line, qsizetype position) {
    qsizetype q = position; // 0-based index of the character after the letter
    if (position < 1 || q > line.size())
        return {};
    if (q < line.size() && line[q] == ' ')
        ++q;
    qsizetype end = q;
    while (end < line.size() && line[end] != ' ')
        ++end;
    QByteArray value = line.sliced(q, end - q).toByteArray();
    value.replace('.', ',');
    return value;
}

QByteArray FormatBlock(const GcodeBlock& block) {
    QByteArray text;
    for (std::size_t i = 0; i < kGcodeWordCount; ++i) {
        if (block.words[i].isEmpty())
            continue;
        text.append(kGcodeWordLetters[i]);
        text.append(block.words[i]);
        text.append(' ');
    }
    return text;
}
