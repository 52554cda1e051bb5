#include "gcode/checkreport.h"

#include "base/memoryadvice.h"
#include "base/windows1250.h"
#include "gcode/blockview.h"
#include "gcode/gcodemessages.h"

#include <algorithm>

CheckReport::CheckReport(ProgramText source, qint32 dx, qint32 dy)
    : source_(std::move(source)), dx_(dx), dy_(dy) {}

void CheckReport::reserve(qsizetype blocks) {
    entries_.reserve(std::size_t(blocks));
    AdviseLargeBuffer(entries_.data(), entries_.capacity() * sizeof(std::uint64_t));
}

void CheckReport::forEachLine(const std::function<void(const QString&)>& visit,
                              std::uint8_t only) const {
    const GcodeMessages::ReportTexts texts;
    BlockView block;
    for (std::uint64_t entry : entries_) {
        const auto line = qsizetype(entry >> 8);
        const auto messages = std::uint8_t(entry & only);
        if (messages == 0)
            continue;
        block.parse(source_.line(line));
        const QByteArrayView n = block.word(GcodeWord::N);
        if (messages & ShiftY)
            visit(texts.shiftedYLine(n, dy_));
        if (messages & ShiftX)
            visit(texts.shiftedXLine(n, dx_));
        if (messages & OutOfReach)
            visit(texts.outOfReachLine(n));
    }
}

QStringList CheckReport::lines() const {
    QStringList list;
    list.reserve(lineCount_);
    forEachLine([&](const QString& line) { list.append(line); });
    return list;
}

QByteArray CheckReport::toBytes(QByteArrayView lineEnd) const {
    QByteArray bytes;
    forEachLine([&](const QString& line) {
        bytes.append(EncodeWindows1250(line));
        bytes.append(lineEnd);
    });
    return bytes;
}

QStringList CheckReport::reachMessages(qsizetype limit) const {
    QStringList listed;
    const GcodeMessages::ReportTexts texts;
    BlockView block;
    for (std::uint64_t entry : entries_) {
        if (listed.size() >= std::min(limit, outOfReachCount_))
            break;
        if ((entry & OutOfReach) == 0)
            continue;
        block.parse(source_.line(qsizetype(entry >> 8)));
        listed.append(texts.outOfReachLine(block.word(GcodeWord::N)));
    }
    return listed;
}
